#include "ui/graph/ZoomableGraphView.h"

#include "ui/draw/QtCanvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace brivon::ui {
namespace {

// The drag watch looks at the pointer this often while a button is held.
constexpr int kDragWatchMs = 10;

draw::Point toPoint(const QPointF& position)
{
    const QPoint p = position.toPoint();
    return { p.x(), p.y() };
}

}  // namespace

ZoomableGraphView::ZoomableGraphView(
    const draw::Pen& cursorPen, const draw::Color& background, CursorLife cursorLife, QWidget* parent)
    : QWidget(parent)
    , cursorPen_(cursorPen)
    , background_(background)
    , cursorLife_(cursorLife)
    , rubberBand_(new QRubberBand(QRubberBand::Rectangle, this))
{
    // The graph covers the whole widget from its cache: nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // A click gives the graph the keys (Tab reaches it too).
    setFocusPolicy(Qt::StrongFocus);
    dragWatch_.setInterval(kDragWatchMs);
    connect(&dragWatch_, &QTimer::timeout, this, &ZoomableGraphView::watchDrag);
}

ZoomableGraphView::~ZoomableGraphView() = default;

void ZoomableGraphView::invalidateGraph(bool keepCursor)
{
    cacheValid_ = false;
    keepCursor_ = keepCursor_ || keepCursor;
    update();
}

void ZoomableGraphView::redrawNow()
{
    invalidateGraph(false);
    renderCache();
}

void ZoomableGraphView::ensureLaidOut()
{
    if (!cacheValid_ || cache_.size() != size()) renderCache();
}

void ZoomableGraphView::renderCache()
{
    if (cache_.size() != size()) {
        // The window's background shows where the graph draws nothing.
        cache_ = QImage(size(), QImage::Format_RGB32);
        cache_.fill(QColor(background_.r, background_.g, background_.b));
    }
    QPainter painter(&cache_);
    cacheValid_ = true;
    if (cursorLife_ == CursorLife::UntilRepaint) cursorShown_ = cursorShown_ && keepCursor_;
    keepCursor_ = false;
    renderGraph(painter);
}

void ZoomableGraphView::paintEvent(QPaintEvent* event)
{
    ensureLaidOut();
    QPainter painter(this);
    painter.drawImage(event->rect(), cache_, event->rect());
    if (cursorShown_) drawCursor(painter);
}

QRect ZoomableGraphView::cursorRect(int x) const
{
    const auto& plot = plotGeometry().plot;
    return QRect(x, plot.top, 1, plot.height() + 1);
}

void ZoomableGraphView::drawCursor(QPainter& painter) const
{
    // The dotted line inverts what lies under it, drawn on a copy of the cached column.
    const QRect column = cursorRect(cursorX_).intersected(cache_.rect());
    if (column.isEmpty()) return;
    QImage overlay = cache_.copy(column);
    {
        QPainter overlayPainter(&overlay);
        QtCanvas canvas(overlayPainter);
        canvas.drawLine({ 0, 0 }, { 0, column.height() - 1 }, cursorPen_);
    }
    painter.drawImage(column.topLeft(), overlay);
}

std::optional<int> ZoomableGraphView::cursorX() const
{
    return cursorShown_ ? std::optional<int>(cursorX_) : std::nullopt;
}

std::optional<int> ZoomableGraphView::cursorColumn(draw::Point pointer) const
{
    return plotGeometry().clampToPlot(pointer).x;
}

void ZoomableGraphView::hideCursor()
{
    if (cursorShown_) update(cursorRect(cursorX_));
    cursorShown_ = false;
}

void ZoomableGraphView::moveCursor(int x)
{
    if (cursorShown_) update(cursorRect(cursorX_));
    cursorX_ = x;
    cursorShown_ = true;
    update(cursorRect(cursorX_));
}

void ZoomableGraphView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    invalidateGraph(false);
}

void ZoomableGraphView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasData()) return;
    ensureLaidOut();
    const draw::Point point = plotGeometry().clampToPlot(toPoint(event->position()));
    zoomScroll().startSelection(point);
    dragStart_ = dragCurrent_ = QPoint(point.x, point.y);
    dragging_ = true;
    noDrag_ = true;
    dragWatch_.start();
}

void ZoomableGraphView::mouseMoveEvent(QMouseEvent* event)
{
    lastPointer_ = event->position().toPoint();
    if (!hasData()) return;
    ensureLaidOut();
    const draw::Point pointer { lastPointer_.x(), lastPointer_.y() };
    if (const std::optional<int> x = cursorColumn(pointer)) {
        moveCursor(*x);
        pointerAt(*x);
    }
    const draw::Point point = plotGeometry().clampToPlot(pointer);
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

void ZoomableGraphView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasData()) return;
    ensureLaidOut();
    zoomScroll().endSelection(plotGeometry().clampToPlot(toPoint(event->position())));
    const bool dragged = dragging_ && !noDrag_;
    endDrag();
    if (!dragged) return;
    const bool zoomed = zoomScroll().zoomToSelection();
    redrawNow();
    if (zoomed) emit zoomChanged(true);
}

void ZoomableGraphView::endDrag()
{
    rubberBand_->hide();
    dragWatch_.stop();
    dragging_ = false;
    // Also after a release without movement, or a live graph would stop redrawing.
    dragActive_ = false;
    noDrag_ = true;
}

void ZoomableGraphView::watchDrag()
{
    if (!dragging_ || !zoomScroll().dragLeftGraph({ lastPointer_.x(), lastPointer_.y() })) return;
    endDrag();
    redrawNow();
}

void ZoomableGraphView::contextMenuEvent(QContextMenuEvent* event)
{
    // The right button does nothing on the graph.
    event->accept();
}

bool ZoomableGraphView::fitToData()
{
    if (dragging_ || !hasData()) return false;
    ensureLaidOut();
    const PlottedSamples plotted = plottedSamples();
    if (!zoomScroll().zoomToFit(plotted.values, plotted.footCandles)) return false;
    redrawNow();
    emit zoomChanged(true);
    return true;
}

std::optional<int> ZoomableGraphView::cursorSample() const
{
    if (!cursorShown_) return std::nullopt;
    // Where samples are denser than pixels, a column holds several of them.
    if (keyedSample_ && zoomScroll().columnOf(*keyedSample_) == cursorX_) return keyedSample_;
    return zoomScroll().nearestSample(cursorX_ - plotGeometry().plot.left);
}

void ZoomableGraphView::moveCursorBy(graph::CursorMove move)
{
    if (!hasData()) return;
    // From the cursor as the user sees it, before a due repaint may remove it.
    const std::optional<int> current = cursorSample();
    ensureLaidOut();
    const int count = static_cast<int>(plottedSamples().values.size());
    const std::optional<int> target
        = graph::movedCursor(current, move, zoomScroll().shownSamples(count), count);
    if (!target) return;
    if (const std::optional<int> position = zoomScroll().scrollPositionShowing(*target, count)) {
        scrollTo(*position);
        ensureLaidOut();
    }
    keyedSample_ = target;
    moveCursor(zoomScroll().columnOf(*target));
    readOutSample(*target);
}

void ZoomableGraphView::keyPressEvent(QKeyEvent* event)
{
    using graph::CursorMove;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    std::optional<CursorMove> move;
    switch (event->key()) {
    case Qt::Key_F:
        if (event->modifiers() != Qt::NoModifier) break;
        fitToData();
        return;
    case Qt::Key_Left:
        move = shift ? CursorMove::BackTen : CursorMove::Back;
        break;
    case Qt::Key_Right:
        move = shift ? CursorMove::ForwardTen : CursorMove::Forward;
        break;
    case Qt::Key_Home:
        move = CursorMove::FirstShown;
        break;
    case Qt::Key_End:
        move = CursorMove::LastShown;
        break;
    default:
        break;
    }
    if (move && !dragging_)
        moveCursorBy(*move);
    else
        QWidget::keyPressEvent(event);
}

}  // namespace brivon::ui
