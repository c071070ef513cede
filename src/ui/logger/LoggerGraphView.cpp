#include "ui/logger/LoggerGraphView.h"

#include "core/logger/LoggerStyle.h"
#include "ui/draw/QtCanvas.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

namespace brivon::ui {
namespace {

// The scroll bar's place: under the time labels, from the list's right edge to the window's.
constexpr int kScrollBarLeft = 208;
constexpr int kScrollBarHeight = 14;

}  // namespace

LoggerGraphView::LoggerGraphView(logger::DataLoggerSets& sets, const platform::Clock& clock, QWidget* parent)
    : ZoomableGraphView(logger::kCursorPen, logger::kBackground, CursorLife::UntilHidden, parent)
    , sets_(sets)
    , graph_(clock)
    , scrollBar_(new QScrollBar(Qt::Horizontal, this))
{
    scrollBar_->setObjectName(QStringLiteral("loggerScrollBar"));
    scrollBar_->setEnabled(false);
    connect(scrollBar_, &QScrollBar::valueChanged, this, &LoggerGraphView::scrollTo);
}

void LoggerGraphView::resetView()
{
    graph_.zoomScroll().leave();
    {
        const QSignalBlocker blocker(scrollBar_);
        scrollBar_->setRange(0, 0);
        scrollBar_->setEnabled(false);
    }
    hideCursor();
    redrawNow();
}

void LoggerGraphView::showAnotherSet()
{
    graph_.showAnotherSet();
    resetView();
}

void LoggerGraphView::refresh()
{
    invalidateGraph(false);
}

void LoggerGraphView::renderGraph(QPainter& painter)
{
    const store::CurrentSet& set = sets_.currentSet();
    const logger::LoggerFrame frame
        = graph_.layout({ 0, 0, width(), height() }, { sets_.hasData() ? &set : nullptr, sets_.valueAxis() });
    QtCanvas canvas(painter);
    painter_.paint(canvas, frame, sets_.hasData() ? set.samples() : std::span<const float> {});
    applyScrollBar(frame.scrollBar);
}

void LoggerGraphView::applyScrollBar(const logger::LoggerScrollBar& bar)
{
    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setEnabled(bar.enabled);
    if (!bar.enabled) return;
    scrollBar_->setRange(0, bar.maximum);
    scrollBar_->setPageStep(graph_.zoomScroll().samplesPerScreen());
    if (bar.position) scrollBar_->setValue(*bar.position);
}

void LoggerGraphView::scrollTo(int position)
{
    graph_.zoomScroll().scrollTo(position);
    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setValue(graph_.zoomScroll().scrollPosition());
    invalidateGraph(false);
}

std::optional<int> LoggerGraphView::cursorColumn(draw::Point pointer) const
{
    return graph_.followsPointer(pointer.x) ? std::optional<int>(pointer.x) : std::nullopt;
}

void LoggerGraphView::pointerAt(int x)
{
    showReadout([&] { return graph_.readOut(x, sets_.currentSet()); });
}

void LoggerGraphView::readOutSample(int index)
{
    showReadout([&] { return graph_.readOutSample(index, sets_.currentSet()); });
}

void LoggerGraphView::showReadout(const std::function<bool()>& readOut)
{
    const std::string value = graph_.readoutValue();
    const std::string time = graph_.readoutTime();
    if (readOut() && (graph_.readoutValue() != value || graph_.readoutTime() != time)) invalidateGraph(true);
}

ZoomableGraphView::PlottedSamples LoggerGraphView::plottedSamples() const
{
    if (!sets_.hasData()) return {};
    const store::CurrentSet& set = sets_.currentSet();
    return { set.samples(), set.loadedUnitFlag == 1 };
}

void LoggerGraphView::setScrollBarRightGap(int gap)
{
    scrollBarRightGap_ = gap;
    placeScrollBar();
}

void LoggerGraphView::resizeEvent(QResizeEvent* event)
{
    ZoomableGraphView::resizeEvent(event);
    placeScrollBar();
}

void LoggerGraphView::placeScrollBar()
{
    scrollBar_->setGeometry(kScrollBarLeft, height() - kScrollBarHeight,
        width() - kScrollBarLeft - scrollBarRightGap_, kScrollBarHeight);
}

}  // namespace brivon::ui
