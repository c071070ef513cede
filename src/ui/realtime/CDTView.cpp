#include "ui/realtime/CDTView.h"

#include "core/panel/PanelLayout.h"
#include "core/realtime/Readout.h"
#include "core/realtime/RealTimeStyle.h"
#include "core/realtime/StripLayout.h"
#include "core/report/ReportSources.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/ScrollStrip.h"
#include "ui/realtime/StatisticsStrip.h"

#include <QPainter>

#include <algorithm>

namespace brivon::ui {
namespace {

// Right of the meter panel: the strips leave this gap, and the plot with its
// Y labels and right margin needs at least this width to stay readable.
constexpr int kStripGap = 2;
constexpr int kMinimumGraphWidth = 480;
// The panel sits 31 px into the client area, one pixel below the 30 px toolbar.
constexpr int kPanelTopInView = 1;

QRect toQRect(const draw::Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}
QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

CDTView::CDTView(const platform::Clock& clock, QWidget* parent)
    : ZoomableGraphView(realtime::kCursorPen, realtime::kButtonFace, CursorLife::UntilRepaint, parent)
    , clock_(clock)
    , model_(clock)
    , realTimeStrip_(new RealTimeStrip(this))
    , statisticsStrip_(new StatisticsStrip(this))
    , spacerStrip_(new QWidget(this))
    , scrollStrip_(new ScrollStrip(this))
{
    spacerStrip_->setObjectName(QStringLiteral("spacerStrip"));
    spacerStrip_->hide();
    connect(scrollStrip_, &ScrollStrip::scrolled, this, &CDTView::scrollTo);
    setMinimumSize(minimumViewSize());
}

// The whole meter panel (as tall as the view) and, beside it, the strips'
// controls and the plot with its labels.
QSize CDTView::minimumViewSize() const
{
    // The strips' preferred widths: their fields then show whole times and values.
    const int graphWidth = std::max(
        { realTimeStrip_->sizeHint().width(), statisticsStrip_->sizeHint().width(), kMinimumGraphWidth });
    return QSize(panel::kPanelWidth + kStripGap + graphWidth, kPanelTopInView + panel::kFaceHeight);
}

CDTView::~CDTView() = default;

void CDTView::setSeriesSource(SeriesSource source)
{
    source_ = std::move(source);
    updateGraph();
}

void CDTView::setStripSource(StripSource source)
{
    stripSource_ = std::move(source);
    refreshStrip();
}

void CDTView::refreshStrip()
{
    if (stripSource_) realTimeStrip_->setTexts(stripSource_());
}

void CDTView::setMeterPanel(QWidget* panel)
{
    meterPanel_ = panel;
    if (meterPanel_) meterPanel_->setParent(this);
    layoutStrips();
}

void CDTView::updateGraph()
{
    refreshStrip();
    invalidateGraph(false);
}

void CDTView::plotNewSample()
{
    refreshStrip();
    keepCursorAtNextPaint();
    if (!isDragActive()) invalidateGraph(true);
}

void CDTView::undoZoom()
{
    model_.undoZoom();
    scrollStrip_->disableScrolling();
    redrawNow();
    emit zoomChanged(false);
}

realtime::GraphSeries CDTView::series() const
{
    return source_ ? source_() : realtime::GraphSeries {};
}

report::GraphReportSource CDTView::reportSource() const
{
    return report::realTimeReportSource(series(), model_.zoomScroll().currentMap().labels);
}

bool CDTView::hasData() const
{
    return series().count() > 0;
}

void CDTView::renderGraph(QPainter& painter)
{
    const realtime::GraphSeries s = series();
    const realtime::RealTimeFrame frame = model_.layout(s, { 0, 0, width(), height() });
    renderer_.render(painter, frame, s.samples);
    if (frame.sampleCount == 0) {
        const realtime::Readout empty = realtime::emptyRunReadout();
        emit readoutChanged(toQString(empty.time), toQString(empty.data));
    }
    applyScrollBar(frame);
}

void CDTView::applyScrollBar(const realtime::RealTimeFrame& frame)
{
    if (!frame.scrollBar.enabled) return;
    scrollStrip_->setRange(frame.scrollBar.maximum, model_.zoomScroll().samplesPerScreen());
    if (frame.scrollBar.position) scrollStrip_->setPosition(*frame.scrollBar.position);
}

void CDTView::pointerAt(int x)
{
    readOutSample(model_.nearestSample(x));
}

void CDTView::readOutSample(int index)
{
    if (const auto readout = realtime::readoutAt(series(), index, clock_))
        emit readoutChanged(toQString(readout->time), toQString(readout->data));
}

ZoomableGraphView::PlottedSamples CDTView::plottedSamples() const
{
    const realtime::GraphSeries s = series();
    return { s.samples.first(static_cast<std::size_t>(s.count())), s.footCandles };
}

void CDTView::resizeEvent(QResizeEvent* event)
{
    ZoomableGraphView::resizeEvent(event);
    layoutStrips();
}

void CDTView::layoutStrips()
{
    // The layout is that of the main window's client area, which reaches over the toolbar and the status bar.
    const realtime::StripPlacement placement
        = realtime::placeStrips({ 0, -kToolbarHeight, width(), height() + kStatusBarHeight });
    auto place = [](QWidget* strip, const draw::Rect& rect) {
        strip->setGeometry(toQRect(rect));
        strip->raise();
        strip->show();
    };
    place(realTimeStrip_, placement.realTime);
    if (placement.statistics) place(statisticsStrip_, *placement.statistics);
    if (meterPanel_) place(meterPanel_, placement.meterPanel);
    if (placement.scroll) place(scrollStrip_, *placement.scroll);
}

void CDTView::scrollTo(int position)
{
    model_.zoomScroll().scrollTo(position);
    scrollStrip_->setPosition(model_.zoomScroll().scrollPosition());
    invalidateGraph(false);
}

}  // namespace brivon::ui
