#include "ReportPdfOutput.h"

#include "ui/report/ReportPdf.h"

#include <QGuiApplication>

namespace brivon::cli {

std::optional<QPageSize::PageSizeId> pageNamed(const std::string& name)
{
    if (name == "A4") return QPageSize::A4;
    if (name == "Letter") return QPageSize::Letter;
    return std::nullopt;
}

// The PDF needs fonts and a painter, so a GUI application, but never a display.
std::string reportPdfBytes(int argc, char** argv, QPageSize::PageSizeId page, const ui::ReportLayout& layout)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    return ui::reportPdf(QPageSize(page), layout).toStdString();
}

}  // namespace brivon::cli
