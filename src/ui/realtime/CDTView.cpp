#include "ui/realtime/CDTView.h"

#include "core/realtime/graph/GraphInteraction.h"
#include "core/realtime/graph/GraphStyle.h"
#include "core/realtime/graph/Readout.h"
#include "core/realtime/graph/StripLayout.h"
#include "ui/draw/QtCanvas.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/ScrollStrip.h"
#include "ui/realtime/StatisticsStrip.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace brivon::ui {
namespace {

QRect toQRect(const draw::Rect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}
QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}
draw::Point toPoint(const QPointF& position)
{
    const QPoint p = position.toPoint();
    return { p.x(), p.y() };
}

}  // namespace

CDTView::CDTView(const Clock& clock, QWidget* parent)
    : QWidget(parent)
    , clock_(clock)
    , model_(clock)
    , realTimeStrip_(new RealTimeStrip(this))
    , statisticsStrip_(new StatisticsStrip(this))
    , spacerStrip_(new QWidget(this))
    , scrollStrip_(new ScrollStrip(this))
    , rubberBand_(new QRubberBand(QRubberBand::Rectangle, this))
{
    // The graph covers the whole view from its cache: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    spacerStrip_->setObjectName(QStringLiteral("spacerStrip"));
    spacerStrip_->hide();

    dragWatch_.setInterval(graph::kDragWatchMs);
    connect(&dragWatch_, &QTimer::timeout, this, &CDTView::watchDrag);
    connect(scrollStrip_, &ScrollStrip::scrolled, this, &CDTView::scrollTo);
}

CDTView::~CDTView() = default;

void CDTView::setSeriesSource(SeriesSource source)
{
    source_ = std::move(source);
    updateGraph();
}

void CDTView::setMeterPanel(QWidget* panel)
{
    meterPanel_ = panel;
    if (meterPanel_) meterPanel_->setParent(this);
    layoutStrips();
}

void CDTView::updateGraph()
{
    invalidateGraph(false);
}

void CDTView::plotNewSample()
{
    keepCursor_ = true;
    if (!dragActive_) invalidateGraph(true);
}

void CDTView::undoZoom()
{
    model_.undoZoom();
    scrollStrip_->disableScrolling();
    redrawNow();
    emit zoomChanged(false);
}

graph::GraphSeries CDTView::series() const
{
    return source_ ? source_() : graph::GraphSeries {};
}

void CDTView::invalidateGraph(bool keepCursor)
{
    cacheValid_ = false;
    keepCursor_ = keepCursor_ || keepCursor;
    update();
}

void CDTView::redrawNow()
{
    invalidateGraph(false);
    renderCache();
}

void CDTView::renderCache()
{
    const graph::GraphSeries s = series();
    if (cache_.size() != size()) {
        // The main window's background shows where the graph draws nothing.
        cache_ = QImage(size(), QImage::Format_RGB32);
        cache_.fill(QColor(graph::kButtonFace.r, graph::kButtonFace.g, graph::kButtonFace.b));
    }
    QPainter painter(&cache_);
    const graph::GraphFrame frame = model_.layout(s, { 0, 0, width(), height() });
    renderer_.render(painter, frame, s.samples);
    cacheValid_ = true;
    // A redraw for a new sample keeps the cursor; any other one removes it until the mouse moves.
    cursorShown_ = cursorShown_ && keepCursor_;
    keepCursor_ = false;
    if (frame.sampleCount == 0) {
        const graph::Readout empty = graph::emptyRunReadout();
        emit readoutChanged(toQString(empty.time), toQString(empty.data));
    }
    applyScrollBar(frame);
    refreshStrips(s);
}

void CDTView::refreshStrips(const graph::GraphSeries& s)
{
    statisticsStrip_->setStatistics(s.statistics);
}

void CDTView::applyScrollBar(const graph::GraphFrame& frame)
{
    if (!frame.scrollBar.enabled) return;
    scrollStrip_->setRange(frame.scrollBar.maximum, model_.samplesPerScreen());
    if (frame.scrollBar.position) scrollStrip_->setPosition(*frame.scrollBar.position);
}

void CDTView::paintEvent(QPaintEvent* event)
{
    ensureLaidOut();
    QPainter painter(this);
    painter.drawImage(event->rect(), cache_, event->rect());
    if (cursorShown_) drawCursor(painter);
}

QRect CDTView::cursorRect(int x) const
{
    const auto& plot = model_.geometry().plot;
    return QRect(x, plot.top, 1, plot.height() + 1);
}

void CDTView::drawCursor(QPainter& painter) const
{
    // The dotted line inverts what lies under it, drawn on a copy of the cached column.
    const QRect column = cursorRect(cursorX_).intersected(cache_.rect());
    if (column.isEmpty()) return;
    QImage overlay = cache_.copy(column);
    {
        QPainter overlayPainter(&overlay);
        QtCanvas canvas(overlayPainter);
        canvas.drawLine({ 0, 0 }, { 0, column.height() - 1 }, graph::kCursorPen);
    }
    painter.drawImage(column.topLeft(), overlay);
}

void CDTView::moveCursor(int x)
{
    if (cursorShown_) update(cursorRect(cursorX_));
    cursorX_ = x;
    cursorShown_ = true;
    update(cursorRect(cursorX_));
}

void CDTView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutStrips();
    invalidateGraph(false);
}

void CDTView::layoutStrips()
{
    // The layout is that of the main window's client area, which reaches over the toolbar and the status bar.
    const graph::StripPlacement placement
        = graph::placeStrips({ 0, -kToolbarHeight, width(), height() + kStatusBarHeight });
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

void CDTView::ensureLaidOut()
{
    // The mouse works on the graph as it is drawn: lay it out first if a paint is still due.
    if (!cacheValid_ || cache_.size() != size()) renderCache();
}

void CDTView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || series().count() == 0) return;
    ensureLaidOut();
    const draw::Point point = model_.geometry().clampToPlot(toPoint(event->position()));
    model_.startSelection(point);
    dragStart_ = dragCurrent_ = QPoint(point.x, point.y);
    dragging_ = true;
    noDrag_ = true;
    dragWatch_.start();
}

void CDTView::mouseMoveEvent(QMouseEvent* event)
{
    lastPointer_ = event->position().toPoint();
    const graph::GraphSeries s = series();
    if (s.count() == 0) return;
    ensureLaidOut();
    const draw::Point point = model_.geometry().clampToPlot({ lastPointer_.x(), lastPointer_.y() });
    moveCursor(point.x);
    if (const auto readout = graph::readoutAt(s, model_.nearestSample(point.x), clock_))
        emit readoutChanged(toQString(readout->time), toQString(readout->data));
    if (!dragging_) return;
    dragActive_ = true;
    const QPoint current(point.x, point.y);
    if (current != dragCurrent_) {
        noDrag_ = false;
        rubberBand_->setGeometry(QRect(dragStart_, current).normalized());
        rubberBand_->show();
    }
    dragCurrent_ = current;
}

void CDTView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || series().count() == 0) return;
    ensureLaidOut();
    model_.endSelection(toPoint(event->position()));
    const bool dragged = dragging_ && !noDrag_;
    endDrag();
    if (!dragged) return;
    const bool zoomed = model_.zoomToSelection();
    redrawNow();
    if (zoomed) emit zoomChanged(true);
}

void CDTView::endDrag()
{
    rubberBand_->hide();
    dragWatch_.stop();
    dragging_ = false;
    // Also after a release without movement, or the sample timer would stop redrawing.
    dragActive_ = false;
    noDrag_ = true;
}

void CDTView::watchDrag()
{
    if (!dragging_ || !graph::dragLeftGraph({ lastPointer_.x(), lastPointer_.y() }, model_.geometry()))
        return;
    endDrag();
    redrawNow();
}

void CDTView::scrollTo(int position)
{
    model_.scrollTo(position);
    scrollStrip_->setPosition(model_.scrollPosition());
    invalidateGraph(false);
}

void CDTView::contextMenuEvent(QContextMenuEvent* event)
{
    // The right button does nothing on the graph.
    event->accept();
}

}  // namespace brivon::ui
