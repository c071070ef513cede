// The paint of a full real-time run (19990 samples) on a 1920 x 1080 view at
// zoom levels 0, 1 and 99, beside QCustomPlot replotting the same points at
// the same plot size, in one run. The last line compares the medians.

#include "core/platform/Clock.h"
#include "core/realtime/GraphModel.h"
#include "core/realtime/RunLimits.h"
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
#include <random>
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

const std::vector<float>& runSamples()
{
    static const std::vector<float> samples = [] {
        std::vector<float> values;
        std::mt19937 random(1);
        std::normal_distribution<float> noise(0.0f, 20.0f);
        for (int i = 0; i < realtime::run_limits::kMaxSamples; ++i)
            values.push_back(std::max(0.0f, 200.0f + 150.0f * std::sin(i * 0.003f) + noise(random)));
        return values;
    }();
    return samples;
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
    const auto& plot = model.geometry().plot;
    const int quarter = plot.width() / 4;
    for (int k = 1; k <= level; ++k) {
        const bool last = k == level;
        model.startSelection({ last ? plot.left + quarter : plot.left, plot.top });
        model.endSelection({ last ? plot.right - quarter : plot.right - 1, plot.bottom });
        if (!model.zoomToSelection()) throw std::runtime_error("zoom refused at level " + std::to_string(k));
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

void customPlotReplot(benchmark::State& state)
{
    const auto plot = realtime::plotGeometry(kClient).plot;
    QCustomPlot customPlot;
    customPlot.resize(plot.width(), plot.height());
    customPlot.show();  // a hidden widget would keep its default viewport
    QVector<double> keys;
    QVector<double> values;
    for (std::size_t i = 0; i < runSamples().size(); ++i) {
        keys.push_back(static_cast<double>(i));
        values.push_back(runSamples()[i]);
    }
    customPlot.addGraph();
    customPlot.graph(0)->setData(keys, values, true);
    customPlot.graph(0)->setPen(QPen(Qt::red));
    customPlot.xAxis->setRange(0, keys.size());
    customPlot.yAxis->setRange(0, 400);
    if (std::getenv("BRIVON_BENCH_SNAPSHOT")) customPlot.savePng("/tmp/brivon-bench-qcustomplot.png");
    timeIterations(state, "QCustomPlot", [&] { customPlot.replot(QCustomPlot::rpImmediateRefresh); });
}

BENCHMARK_CAPTURE(graphPaint, level0, 0)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(graphPaint, level1, 1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(graphPaint, level99, kDeepestLevel)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(customPlotReplot)->Unit(benchmark::kMillisecond)->MinTime(1.0);

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

    const double peer = median(timings()["QCustomPlot"]);
    auto ratio = [&](int level) {
        return peer > 0 ? median(timings()["level " + std::to_string(level)]) / peer : 0.0;
    };
    std::printf("ratio vs QCustomPlot: level 0 %.2f, level 1 %.2f, level 99 %.2f\n", ratio(0), ratio(1),
        ratio(kDeepestLevel));
    return 0;
}
