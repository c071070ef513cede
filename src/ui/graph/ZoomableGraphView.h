#pragma once
// A graph widget that zooms: it paints the graph into a cached image
// (redrawn when the data or the scale changes, not for a mouse move), draws
// an inverting dotted cursor over it, zooms into rubber-band drags and ends
// a drag that wanders off the graph. F fits the graph to the values it
// shows; Left and Right (ten with Shift), Home and End move the cursor from
// sample to sample, scrolling a zoomed view to keep it on the plot. A window's
// graph derives from it and supplies the layout and the paint of its own
// model, the model's zoom and its samples.

#include "core/draw/Canvas.h"
#include "core/graph/CursorMove.h"
#include "core/graph/ZoomScroll.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <optional>
#include <span>

class QRubberBand;

namespace brivon::ui {

// How long the cursor line stays once the mouse has placed it.
enum class CursorLife {
    // Until a repaint other than one for a new sample.
    UntilRepaint,
    // Through every repaint, until the view hides it.
    UntilHidden,
};

class ZoomableGraphView : public QWidget {
    Q_OBJECT
public:
    ZoomableGraphView(const draw::Pen& cursorPen, const draw::Color& background, CursorLife cursorLife,
        QWidget* parent = nullptr);
    ~ZoomableGraphView() override;

    // True from the first move of a held button until the drag ends.
    bool isDragActive() const { return dragActive_; }
    // Where the cursor line is drawn; nothing while it is hidden.
    std::optional<int> cursorX() const;

    // Fit works on a graph with data.
    bool canFit() const { return hasData(); }
    // Zooms to the values shown now, as a drag over the whole plot width
    // spanning them would; false (nothing changes) when the zoom refuses.
    bool fitToData();

signals:
    void zoomChanged(bool zoomed);

protected:
    // Lays the graph out for the widget's size and paints it; the zoom's
    // geometry is that of this paint until the next one.
    virtual void renderGraph(QPainter& painter) = 0;
    // The model's zoom and scroll state: selections, zoom and the drag watch work on it.
    virtual graph::ZoomScroll& zoomScroll() = 0;
    virtual const graph::ZoomScroll& zoomScroll() const = 0;
    // The mouse only works on a graph with data.
    virtual bool hasData() const = 0;
    // Where the cursor goes for a pointer at `pointer`, nothing to leave it
    // (and the read-out) as they are; by default the pointer clamped to the plot.
    virtual std::optional<int> cursorColumn(draw::Point pointer) const;
    // The cursor is at `x`: show its read-out.
    virtual void pointerAt(int x) = 0;
    // The cursor keys chose sample `index`: show its read-out.
    virtual void readOutSample(int index) = 0;
    // Moves a zoomed view and its scroll bar to `position`.
    virtual void scrollTo(int position) = 0;

    // The samples the graph plots, in lux, and whether the axis shows foot-candles.
    struct PlottedSamples {
        std::span<const float> values;
        bool footCandles = false;
    };
    virtual PlottedSamples plottedSamples() const = 0;

    // The graph changed: repaint at the next paint. Under UntilRepaint a
    // repaint for a new sample keeps the cursor, any other one removes it.
    void invalidateGraph(bool keepCursor);
    // The next repaint, whenever it comes, keeps the cursor.
    void keepCursorAtNextPaint() { keepCursor_ = true; }
    // Removes the cursor line until the mouse moves again.
    void hideCursor();
    // Lays out and draws at once, the screen at the next paint.
    void redrawNow();
    // The mouse works on the graph as it is drawn: lay it out first if a paint is still due.
    void ensureLaidOut();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const graph::GraphGeometry& plotGeometry() const { return zoomScroll().geometry(); }
    void renderCache();
    void moveCursor(int x);
    void moveCursorBy(graph::CursorMove move);
    // The sample under the cursor: the one the keys chose while the cursor
    // stays on its column, else the nearest to the cursor.
    std::optional<int> cursorSample() const;
    QRect cursorRect(int x) const;
    void drawCursor(QPainter& painter) const;
    void endDrag();
    void watchDrag();

    const draw::Pen cursorPen_;
    const draw::Color background_;
    const CursorLife cursorLife_;
    QImage cache_;
    bool cacheValid_ = false;

    bool cursorShown_ = false;
    bool keepCursor_ = false;
    int cursorX_ = 0;
    std::optional<int> keyedSample_;

    QTimer dragWatch_;
    QRubberBand* rubberBand_;
    QPoint dragStart_;
    QPoint dragCurrent_;
    QPoint lastPointer_;
    bool dragging_ = false;
    bool noDrag_ = true;
    bool dragActive_ = false;
};

}  // namespace brivon::ui
