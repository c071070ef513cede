#pragma once
// The real-time graph view: the zoomable graph of the run, and the strips
// around it (real-time, statistics, scroll and the meter panel). The sample
// and watchdog timers belong to the window logic. The main window owns it,
// feeds it the run through a series source and the real-time strip's texts
// through a strip source, and wires its signals.

#include "core/platform/Clock.h"
#include "core/realtime/GraphModel.h"
#include "core/realtime/RunStripTexts.h"
#include "core/report/GraphReport.h"
#include "ui/graph/ZoomableGraphView.h"
#include "ui/realtime/GraphRenderer.h"

#include <functional>

namespace brivon::ui {

class RealTimeStrip;
class StatisticsStrip;
class ScrollStrip;

class CDTView : public ZoomableGraphView {
    Q_OBJECT
public:
    using SeriesSource = std::function<realtime::GraphSeries()>;
    using StripSource = std::function<realtime::RunStripTexts()>;

    explicit CDTView(const platform::Clock& clock, QWidget* parent = nullptr);
    ~CDTView() override;

    void setSeriesSource(SeriesSource source);
    void setStripSource(StripSource source);
    // The meter panel is placed by the strips' layout rule.
    void setMeterPanel(QWidget* panel);

    RealTimeStrip& realTimeStrip() { return *realTimeStrip_; }
    StatisticsStrip& statisticsStrip() { return *statisticsStrip_; }
    ScrollStrip& scrollStrip() { return *scrollStrip_; }

    // All views update: the run, the axis or the unit changed. The cursor goes.
    void updateGraph();
    // A commit plotted a new reading: redraw, keeping the cursor, unless a drag is on.
    void plotNewSample();
    // The real-time strip shows its source's texts (both updates above do it too).
    void refreshStrip();
    void undoZoom();

    bool isZoomed() const { return model_.zoomScroll().zoomed(); }
    const realtime::GraphModel& model() const { return model_; }
    // The run and the value labels on screen, as the real-time report prints them.
    report::GraphReportSource reportSource() const;

signals:
    void readoutChanged(const QString& timeText, const QString& dataText);

protected:
    void renderGraph(QPainter& painter) override;
    graph::ZoomScroll& zoomScroll() override { return model_.zoomScroll(); }
    const graph::ZoomScroll& zoomScroll() const override { return model_.zoomScroll(); }
    bool hasData() const override;
    void pointerAt(int x) override;
    void readOutSample(int index) override;
    void scrollTo(int position) override;
    PlottedSamples plottedSamples() const override;

    void resizeEvent(QResizeEvent* event) override;

private:
    realtime::GraphSeries series() const;
    void applyScrollBar(const realtime::RealTimeFrame& frame);
    void layoutStrips();
    QSize minimumViewSize() const;

    const platform::Clock& clock_;
    SeriesSource source_;
    StripSource stripSource_;
    realtime::GraphModel model_;
    GraphRenderer renderer_;

    RealTimeStrip* realTimeStrip_;
    StatisticsStrip* statisticsStrip_;
    QWidget* spacerStrip_;
    ScrollStrip* scrollStrip_;
    QWidget* meterPanel_ = nullptr;
};

}  // namespace brivon::ui
