#pragma once
// The real-time graph view. It paints the graph into a cached image (redrawn
// when the run or the scale changes, not for a mouse move), draws the dotted
// cursor over it, zooms by rubber-band drags, and hosts the strips around the
// graph and the drag watch. The sample and watchdog timers belong to the
// window logic. The main window owns it, feeds it the run
// through a series source and wires its signals.

#include "core/draw/Clock.h"
#include "core/realtime/graph/GraphModel.h"
#include "ui/realtime/GraphRenderer.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

class QRubberBand;

namespace brivon::ui {

class RealTimeStrip;
class StatisticsStrip;
class ScrollStrip;

class CDTView : public QWidget {
    Q_OBJECT
public:
    using SeriesSource = std::function<graph::GraphSeries()>;

    explicit CDTView(const Clock& clock, QWidget* parent = nullptr);
    ~CDTView() override;

    void setSeriesSource(SeriesSource source);
    // The meter panel is placed by the strips' layout rule.
    void setMeterPanel(QWidget* panel);

    RealTimeStrip& realTimeStrip() { return *realTimeStrip_; }
    StatisticsStrip& statisticsStrip() { return *statisticsStrip_; }
    ScrollStrip& scrollStrip() { return *scrollStrip_; }

    // All views update: the run, the axis or the unit changed. The cursor goes.
    void updateGraph();
    // A commit plotted a new reading: redraw, keeping the cursor, unless a drag is on.
    void plotNewSample();
    void undoZoom();

    bool isZoomed() const { return model_.zoomed(); }
    bool isDragActive() const { return dragActive_; }
    const graph::GraphModel& model() const { return model_; }

signals:
    void readoutChanged(const QString& timeText, const QString& dataText);
    void zoomChanged(bool zoomed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    graph::GraphSeries series() const;
    void renderCache();
    void ensureLaidOut();
    // Lays out and draws at once (the scroll strip follows), the screen at the next paint.
    void redrawNow();
    void refreshStrips(const graph::GraphSeries& s);
    void applyScrollBar(const graph::GraphFrame& frame);
    void invalidateGraph(bool keepCursor);
    void moveCursor(int x);
    QRect cursorRect(int x) const;
    void drawCursor(QPainter& painter) const;
    void endDrag();
    void watchDrag();
    void scrollTo(int position);
    void layoutStrips();

    const Clock& clock_;
    SeriesSource source_;
    graph::GraphModel model_;
    GraphRenderer renderer_;
    QImage cache_;
    bool cacheValid_ = false;

    RealTimeStrip* realTimeStrip_;
    StatisticsStrip* statisticsStrip_;
    QWidget* spacerStrip_;
    ScrollStrip* scrollStrip_;
    QWidget* meterPanel_ = nullptr;

    QTimer dragWatch_;

    bool cursorShown_ = false;
    bool keepCursor_ = false;
    int cursorX_ = 0;

    QRubberBand* rubberBand_;
    QPoint dragStart_;
    QPoint dragCurrent_;
    QPoint lastPointer_;
    bool dragging_ = false;
    bool noDrag_ = true;
    bool dragActive_ = false;
};

}  // namespace brivon::ui
