#include "ui/report/ReportPrinter.h"

#include "ui/report/ReportPageCanvas.h"

#include <QPainter>
#include <QPrintDialog>

namespace brivon::ui {
namespace {

constexpr const char* kNoDeviceMessage = "Printer is busy!";
constexpr const char* kDocumentFailedMessage = "Initial error!";
constexpr const char* kPageFailedMessage = "Can't start printing!";

}  // namespace

void paintReport(QPainter& painter, const ReportLayout& layout)
{
    painter.save();
    painter.setTransform(reportTransform(*painter.device()));
    painter.setRenderHint(QPainter::TextAntialiasing);
    ReportPageCanvas canvas(painter);
    layout(canvas);
    painter.restore();
}

const char* printFailureMessage(PrintOutcome outcome)
{
    switch (outcome) {
    case PrintOutcome::Printed:
        return "";
    case PrintOutcome::NoDevice:
        return kNoDeviceMessage;
    case PrintOutcome::DocumentFailed:
        return kDocumentFailedMessage;
    case PrintOutcome::PageFailed:
        return kPageFailedMessage;
    }
    return "";
}

PrintOutcome printReport(QPrinter& printer, const ReportLayout& layout)
{
    if (!printer.isValid()) return PrintOutcome::NoDevice;
    printer.setDocName(kReportDocumentName);
    QPainter painter;
    // Opening the painter starts the document and its first page.
    if (!painter.begin(&printer)) return PrintOutcome::DocumentFailed;
    if (printer.printerState() == QPrinter::Error) {
        printer.abort();
        painter.end();
        return PrintOutcome::PageFailed;
    }
    paintReport(painter, layout);
    painter.end();
    return PrintOutcome::Printed;
}

DialogReportPrinter::DialogReportPrinter(QWidget* parent, platform::Prompts& prompts)
    : parent_(parent)
    , prompts_(prompts)
{
}

DialogReportPrinter::~DialogReportPrinter() = default;

QPrinter& DialogReportPrinter::printer()
{
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void DialogReportPrinter::print(const ReportLayout& layout)
{
    QPrinter& target = printer();
    QPrintDialog dialog(&target, parent_);
    // All pages of the one page; copies are the printer's own business.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    target.setPrintRange(QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) return;
    const PrintOutcome outcome = printReport(target, layout);
    if (outcome != PrintOutcome::Printed) prompts_.message(printFailureMessage(outcome));
}

}  // namespace brivon::ui
