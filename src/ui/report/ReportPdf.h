#pragma once
// A report as a one-page PDF document, without a printer or a display (the
// command line's reports). Texts stay texts: a reader can search and copy them.

#include "ui/report/ReportPrinter.h"

#include <QByteArray>
#include <QPageSize>

namespace brivon::ui {

inline constexpr const char* kPdfExtension = ".pdf";

// The PDF bytes of the layout on a page of `pageSize` with a printer's usual margins.
QByteArray reportPdf(const QPageSize& pageSize, const ReportLayout& layout);

}  // namespace brivon::ui
