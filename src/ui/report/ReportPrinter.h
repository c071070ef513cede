#pragma once
// Prints one report page. The windows hand the printer a layout (a core call
// that draws a report on a canvas); the printer asks for the device, opens the
// document and page, maps the report's coordinates and reports what failed.

#include "core/draw/Canvas.h"
#include "core/platform/Prompts.h"

#include <QPrinter>

#include <functional>
#include <memory>

class QPainter;
class QWidget;

namespace brivon::ui {

using ReportLayout = std::function<void(draw::Canvas&)>;

// The name of every report's print document.
inline constexpr const char* kReportDocumentName = "client   print";

// Draws the layout on a painter that is open on its device.
void paintReport(QPainter& painter, const ReportLayout& layout);

enum class PrintOutcome { Printed, NoDevice, DocumentFailed, PageFailed };

// The message for a failed outcome; empty for Printed.
const char* printFailureMessage(PrintOutcome outcome);

// Prints the layout as a one-page document on a printer already set up.
PrintOutcome printReport(QPrinter& printer, const ReportLayout& layout);

// The seam the windows print through.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;
    virtual void print(const ReportLayout& layout) = 0;
};

// Asks for the printer in the print dialog and shows what failed.
class DialogReportPrinter : public ReportPrinter {
public:
    DialogReportPrinter(QWidget* parent, platform::Prompts& prompts);
    ~DialogReportPrinter() override;
    void print(const ReportLayout& layout) override;

    // The printer and its settings, kept from one print to the next (made on first use).
    QPrinter& printer();

private:
    QWidget* parent_;
    platform::Prompts& prompts_;
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace brivon::ui
