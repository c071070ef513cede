#pragma once
// What the commands that write a printed report share: the page names of
// --page and the PDF made without a display or a printer.

#include "ui/report/ReportPdf.h"
#include "ui/report/ReportPrinter.h"

#include <QPageSize>

#include <optional>
#include <string>

namespace brivon::cli {

inline constexpr const char* kPageOption = "--page";
inline constexpr const char* kPdfExtension = ui::kPdfExtension;

// "A4" or "Letter"; nothing for another name.
std::optional<QPageSize::PageSizeId> pageNamed(const std::string& name);

// `unsupported page size "A5"; use A4 or Letter`
std::string unsupportedPageText(const std::string& name);

// The bytes of the layout as a one-page PDF on `page`.
std::string reportPdfBytes(int argc, char** argv, QPageSize::PageSizeId page, const ui::ReportLayout& layout);

}  // namespace brivon::cli
