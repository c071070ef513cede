#pragma once
// A report page shown in a window: the layout drawn on a white page as large
// as fits the widget, through the same page transform as the printer and the PDF.

#include "ui/report/ReportPrinter.h"

#include <QWidget>

#include <optional>

namespace brivon::ui {

class SurveyPreview : public QWidget {
    Q_OBJECT
public:
    explicit SurveyPreview(QWidget* parent = nullptr);

    // The layout to show; nothing leaves the page empty.
    void setLayout(std::optional<ReportLayout> layout);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<ReportLayout> layout_;
};

}  // namespace brivon::ui
