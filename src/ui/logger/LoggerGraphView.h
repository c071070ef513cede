#pragma once
// The data-logger window's graph: the zoomable graph of the current set over
// the window's whole client area (the list and toolbar lie on top of it), its
// read-out and the scroll bar under the plot that moves a zoomed view.

#include "core/logger/DataLoggerSets.h"
#include "core/logger/LoggerGraph.h"
#include "core/logger/LoggerPainter.h"
#include "ui/graph/ZoomableGraphView.h"

#include <functional>

class QScrollBar;

namespace brivon::ui {

class LoggerGraphView : public ZoomableGraphView {
    Q_OBJECT
public:
    LoggerGraphView(logger::DataLoggerSets& sets, const platform::Clock& clock, QWidget* parent = nullptr);

    // Back to the full view, without the cursor; the scroll bar is disabled until the next zoom.
    void resetView();
    // Another set is chosen: the full view, without the last set's read-out.
    void showAnotherSet();
    // The scroll bar ends this far left of the view's right edge (the window's size grip lies there).
    void setScrollBarRightGap(int gap);
    // The set or its axis changed: draw again.
    void refresh();

    QScrollBar& scrollBar() { return *scrollBar_; }
    const logger::LoggerGraph& graph() const { return graph_; }

protected:
    void renderGraph(QPainter& painter) override;
    graph::ZoomScroll& zoomScroll() override { return graph_.zoomScroll(); }
    const graph::ZoomScroll& zoomScroll() const override { return graph_.zoomScroll(); }
    bool hasData() const override { return sets_.hasData(); }
    std::optional<int> cursorColumn(draw::Point pointer) const override;
    void pointerAt(int x) override;
    void readOutSample(int index) override;
    void scrollTo(int position) override;
    PlottedSamples plottedSamples() const override;

    void resizeEvent(QResizeEvent* event) override;

private:
    void applyScrollBar(const logger::LoggerScrollBar& bar);
    // The read-out is drawn into the graph: redraw only when `readOut` changes its texts.
    void showReadout(const std::function<bool()>& readOut);
    void placeScrollBar();

    logger::DataLoggerSets& sets_;
    logger::LoggerGraph graph_;
    logger::LoggerPainter painter_;
    QScrollBar* scrollBar_;
    int scrollBarRightGap_ = 0;
};

}  // namespace brivon::ui
