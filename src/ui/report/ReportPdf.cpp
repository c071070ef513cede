#include "ui/report/ReportPdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

namespace brivon::ui {
namespace {

// A quarter of an inch all round, the unprintable edge of most printers.
constexpr double kMarginMillimetres = 6.35;
constexpr int kResolutionDpi = 1200;

}  // namespace

QByteArray reportPdf(const QPageSize& pageSize, const ReportLayout& layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(kReportDocumentName));
        writer.setResolution(kResolutionDpi);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
            QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
            QPageLayout::Millimeter));
        QPainter painter(&writer);
        paintReport(painter, layout);
    }
    return bytes;
}

}  // namespace brivon::ui
