#include "ReportPdfOutput.h"

#include "RuntimeFolder.h"

#include "ui/report/ReportPdf.h"

#include <QGuiApplication>

#include <array>

namespace brivon::cli {
namespace {

struct PageName {
    const char* name;
    QPageSize::PageSizeId id;
};

constexpr std::array kPageNames { PageName { "A4", QPageSize::A4 },
    PageName { "Letter", QPageSize::Letter } };

}  // namespace

std::optional<QPageSize::PageSizeId> pageNamed(const std::string& name)
{
    for (const PageName& page : kPageNames)
        if (name == page.name) return page.id;
    return std::nullopt;
}

std::string unsupportedPageText(const std::string& name)
{
    std::string text = "unsupported page size \"" + name + "\"; use ";
    for (std::size_t i = 0; i < kPageNames.size(); ++i) {
        if (i > 0) text += i + 1 == kPageNames.size() ? " or " : ", ";
        text += kPageNames[i].name;
    }
    return text;
}

// The PDF needs fonts and a painter, so a GUI application, but never a display.
std::string reportPdfBytes(int argc, char** argv, QPageSize::PageSizeId page, const ui::ReportLayout& layout)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const RuntimeFolder runtimeFolder;
    const QGuiApplication app(argc, argv);
    return ui::reportPdf(QPageSize(page), layout).toStdString();
}

}  // namespace brivon::cli
