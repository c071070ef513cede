// The paint of a full real-time run (19990 samples) and of a full data-logger
// set (33000 readings) on a 1920 x 1080 window at zoom levels 0, 1 and 99,
// each beside QCustomPlot replotting the same points at the same plot size,
// in one run. The last lines compare the medians.

#include "core/logger/LoggerGraph.h"
#include "core/logger/LoggerPainter.h"
#include "core/logger/LoggerStyle.h"
#include "core/platform/Clock.h"
#include "core/realtime/GraphModel.h"
#include "core/store/RunLimits.h"
#include "ui/draw/QtCanvas.h"
#include "ui/realtime/GraphRenderer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <qcustomplot.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace brivon;

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;
constexpr draw::Rect kClient { 0, 0, kViewWidth, kViewHeight };
constexpr int kDeepestLevel = 99;

// Per-iteration times of each benchmark, in nanoseconds.
std::map<std::string, std::vector<double>>& timings()
{
    static std::map<std::string, std::vector<double>> all;
    return all;
}

std::vector<float> noisyWave(int count)
{
    std::vector<float> values;
    std::mt19937 random(1);
    std::normal_distribution<float> noise(0.0f, 20.0f);
    for (int i = 0; i < count; ++i)
        values.push_back(std::max(0.0f, 200.0f + 150.0f * std::sin(i * 0.003f) + noise(random)));
    return values;
}

const std::vector<float>& runSamples()
{
    static const std::vector<float> samples = noisyWave(store::run_limits::kMaxSamples);
    return samples;
}

const store::CurrentSet& loggerSet()
{
    static const auto set = [] {
        auto full = std::make_unique<store::CurrentSet>();
        const std::vector<float> readings = noisyWave(store::CurrentSet::kCapacity);
        std::copy(readings.begin(), readings.end(), full->loadedSamples.begin());
        full->loadedSampleCount = store::CurrentSet::kCapacity;
        full->loadedReadingCount = full->loadedSampleCount;
        full->loadedSamplePeriod = 1;
        return full;
    }();
    return *set;
}

realtime::GraphSeries fullRun()
{
    realtime::GraphSeries series;
    series.samples = runSamples();
    series.sampleCount = static_cast<int>(runSamples().size());
    series.readingCount = series.sampleCount;
    series.samplePeriodMs = 1000;
    return series;
}

// A model laid out on the full run and zoomed to `level`: the middle half of
// the screen last, and before it nearly whole-screen selections.
void zoomTo(realtime::GraphModel& model, int level)
{
    const realtime::GraphSeries series = fullRun();
    model.layout(series, kClient);
    const auto& plot = model.zoomScroll().geometry().plot;
    const int quarter = plot.width() / 4;
    for (int k = 1; k <= level; ++k) {
        const bool last = k == level;
        model.zoomScroll().startSelection({ last ? plot.left + quarter : plot.left, plot.top });
        model.zoomScroll().endSelection({ last ? plot.right - quarter : plot.right - 1, plot.bottom });
        if (!model.zoomScroll().zoomToSelection())
            throw std::runtime_error("zoom refused at level " + std::to_string(k));
        model.layout(series, kClient);
    }
}

template <typename Step> void timeIterations(benchmark::State& state, const std::string& name, Step step)
{
    auto& times = timings()[name];
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        step();
        times.push_back(
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - begin).count());
    }
}

void graphPaint(benchmark::State& state, int level)
{
    platform::SystemClock clock;
    realtime::GraphModel model(clock);
    zoomTo(model, level);
    ui::GraphRenderer renderer;
    QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const realtime::GraphSeries series = fullRun();
    timeIterations(state, "level " + std::to_string(level), [&] {
        QPainter painter(&image);
        renderer.render(painter, model.layout(series, kClient), series.samples);
    });
    if (std::getenv("BRIVON_BENCH_SNAPSHOT")) image.save(QString("/tmp/brivon-bench-level%1.png").arg(level));
}

// The data-logger set's axis: 0 to 400 lux.
constexpr graph::YAxisSetting kLoggerAxis { 40, 0 };

// A data-logger graph laid out on the full set and zoomed to `level`, as the real-time one.
void zoomLoggerTo(logger::LoggerGraph& graph, int level)
{
    const logger::ShownSet shown { &loggerSet(), kLoggerAxis };
    graph.layout(kClient, shown);
    const auto& plot = graph.zoomScroll().geometry().plot;
    const int quarter = plot.width() / 4;
    for (int k = 1; k <= level; ++k) {
        const bool last = k == level;
        graph.zoomScroll().startSelection({ last ? plot.left + quarter : plot.left, plot.top });
        graph.zoomScroll().endSelection({ last ? plot.right - quarter : plot.right - 1, plot.bottom });
        if (!graph.zoomScroll().zoomToSelection())
            throw std::runtime_error("logger zoom refused at level " + std::to_string(k));
        graph.layout(kClient, shown);
    }
}

void loggerPaint(benchmark::State& state, int level)
{
    platform::SystemClock clock;
    logger::LoggerGraph graph(clock);
    zoomLoggerTo(graph, level);
    logger::LoggerPainter painter;
    QImage image(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const logger::ShownSet shown { &loggerSet(), kLoggerAxis };
    timeIterations(state, "logger level " + std::to_string(level), [&] {
        QPainter qpainter(&image);
        ui::QtCanvas canvas(qpainter);
        painter.paint(canvas, graph.layout(kClient, shown), loggerSet().samples());
    });
    if (std::getenv("BRIVON_BENCH_SNAPSHOT"))
        image.save(QString("/tmp/brivon-bench-logger%1.png").arg(level));
}

// QCustomPlot replotting `samples` on a plot of `plot`'s size, timed as `name`.
void customPlotReplot(
    benchmark::State& state, const std::string& name, const draw::Rect& plot, std::span<const float> samples)
{
    QCustomPlot customPlot;
    customPlot.resize(plot.width(), plot.height());
    customPlot.show();  // a hidden widget would keep its default viewport
    QVector<double> keys;
    QVector<double> values;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        keys.push_back(static_cast<double>(i));
        values.push_back(samples[i]);
    }
    customPlot.addGraph();
    customPlot.graph(0)->setData(keys, values, true);
    customPlot.graph(0)->setPen(QPen(Qt::red));
    customPlot.xAxis->setRange(0, keys.size());
    customPlot.yAxis->setRange(0, 400);
    if (std::getenv("BRIVON_BENCH_SNAPSHOT"))
        customPlot.savePng(QString("/tmp/brivon-bench-%1.png").arg(QString::fromStdString(name)));
    timeIterations(state, name, [&] { customPlot.replot(QCustomPlot::rpImmediateRefresh); });
}

void realTimeCustomPlot(benchmark::State& state)
{
    customPlotReplot(state, "QCustomPlot", realtime::plotGeometry(kClient).plot, runSamples());
}

void loggerCustomPlot(benchmark::State& state)
{
    customPlotReplot(state, "QCustomPlot logger",
        graph::GraphGeometry::fromClient(kClient, logger::kPlotMargins).plot, loggerSet().samples());
}

BENCHMARK_CAPTURE(graphPaint, level0, 0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(graphPaint, level1, 1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(graphPaint, level99, kDeepestLevel)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(realTimeCustomPlot)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(loggerPaint, level0, 0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(loggerPaint, level1, 1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(loggerPaint, level99, kDeepestLevel)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(loggerCustomPlot)->Unit(benchmark::kMillisecond)->MinTime(1.0);

double median(std::vector<double> values)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    auto ratios = [](const char* line, const std::string& prefix, const std::string& peerName) {
        const double peer = median(timings()[peerName]);
        auto ratio = [&](int level) {
            return peer > 0 ? median(timings()[prefix + "level " + std::to_string(level)]) / peer : 0.0;
        };
        std::printf("%sratio vs QCustomPlot: level 0 %.2f, level 1 %.2f, level 99 %.2f\n", line, ratio(0),
            ratio(1), ratio(kDeepestLevel));
    };
    ratios("", "", "QCustomPlot");
    ratios("data-logger ", "logger ", "QCustomPlot logger");
    return 0;
}
