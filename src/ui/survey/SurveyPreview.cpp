#include "ui/survey/SurveyPreview.h"

#include "core/report/ReportPage.h"

#include <QImage>
#include <QPainter>

namespace brivon::ui {
namespace {

constexpr int kMinimumPageHeight = 300;
constexpr int kBorder = 4;  // pixels of window around the page
constexpr double kMetresPerInch = 0.0254;

// The largest rectangle of the page's shape inside `area`, centred in it.
QRect pageRect(const QRect& area)
{
    const QSize page
        = QSize(report::kPageWidth, report::kPageHeight).scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.center() - QPoint(page.width() / 2, page.height() / 2), page);
}

}  // namespace

SurveyPreview::SurveyPreview(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(kMinimumPageHeight * report::kPageWidth / report::kPageHeight, kMinimumPageHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SurveyPreview::setLayout(std::optional<ReportLayout> layout)
{
    layout_ = std::move(layout);
    update();
}

// The page is drawn on an image of its shape whose resolution makes the
// report's transform map the whole page onto it.
void SurveyPreview::paintEvent(QPaintEvent*)
{
    const QRect target = pageRect(rect().adjusted(kBorder, kBorder, -kBorder, -kBorder));
    if (target.isEmpty()) return;
    QImage page(target.size(), QImage::Format_RGB32);
    // The resolution at which the page is as wide as the image.
    const double dotsPerMetre
        = target.width() * report::kUnitsPerInch / (report::kPageWidth * kMetresPerInch);
    page.setDotsPerMeterX(static_cast<int>(dotsPerMetre));
    page.setDotsPerMeterY(static_cast<int>(dotsPerMetre));
    page.fill(Qt::white);
    if (layout_) {
        QPainter painter(&page);
        paintReport(painter, *layout_);
    }
    QPainter painter(this);
    painter.drawImage(target.topLeft(), page);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(target.adjusted(0, 0, -1, -1));
}

}  // namespace brivon::ui
