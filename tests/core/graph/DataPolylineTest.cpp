#include "core/graph/DataPolyline.h"
#include "core/realtime/RealTimePainter.h"
#include "core/realtime/RealTimeStyle.h"
#include "support/RecordingCanvas.h"

#include "core/realtime/GraphRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <utility>

namespace brivon::support {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// A one-pixel line as the raster engines draw it, both ends included.
void rasterize(draw::Point a, draw::Point b, Pixels& pixels)
{
    const int dx = std::abs(b.x - a.x);
    const int dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1;
    const int sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        pixels.insert({ a.x, a.y });
        if (a == b) return;
        const int e2 = 2 * error;
        if (e2 >= dy) error += dy, a.x += sx;
        if (e2 <= dx) error += dx, a.y += sy;
    }
}

Pixels rasterize(const std::vector<draw::Point>& polyline)
{
    Pixels pixels;
    for (std::size_t i = 1; i < polyline.size(); ++i)
        rasterize(polyline[i - 1], polyline[i], pixels);
    return pixels;
}

// The straightforward drawing: one segment per pair of neighbouring samples.
Pixels naivePixels(const realtime::RealTimeFrame& frame, const std::vector<float>& samples)
{
    const graph::YMapping mapping(frame.map.labels, frame.geometry.height(), frame.footCandles);
    auto pointOf = [&](int i) {
        return draw::Point { static_cast<int>(frame.map.x0 + frame.map.pitch * (frame.line.shift + i)),
            static_cast<int>(mapping.yOf(samples[static_cast<std::size_t>(i)])) };
    };
    Pixels pixels;
    for (int i = frame.line.first + 1; i <= frame.line.last; ++i)
        rasterize(pointOf(i - 1), pointOf(i), pixels);
    return pixels;
}

struct PolylineCase {
    int samples;
    bool zoomed;
};

class FastLine : public ::testing::TestWithParam<PolylineCase> {
protected:
    realtime::RealTimeFrame frame()
    {
        std::mt19937 random(7);
        std::normal_distribution<float> noise(0.0f, 25.0f);
        for (int i = 0; i < GetParam().samples; ++i)
            run.samples.push_back(std::max(0.0f, 200.0f + 150.0f * std::sin(i * 0.01f) + noise(random)));
        run.paint();
        if (GetParam().zoomed) {
            EXPECT_TRUE(run.zoom({ 300, 160 }, { 950, 600 }));
        }
        return run.paint();
    }

    GraphRun run;
};

TEST_P(FastLine, PolylineCoversTheSamePixelsAsTheNaiveLine)
{
    const auto f = frame();
    std::vector<draw::Point> points;
    graph::buildDataPolyline(f, run.samples, points);
    // Never more than four points per pixel column.
    EXPECT_LE(points.size(), 4u * 682);
    EXPECT_EQ(rasterize(points), naivePixels(f, run.samples));
}

TEST_P(FastLine, ColumnRunsAreWithinAPixelOfTheNaiveLine)
{
    const auto f = frame();
    ASSERT_TRUE(graph::drawsAsColumns(f)) << "every case has more samples than pixels";
    std::vector<draw::Rect> columns;
    graph::buildDataColumns(f, run.samples, columns);
    Pixels filled;
    for (const auto& c : columns)
        for (int y = c.top; y < c.bottom; ++y)
            filled.insert({ c.left, y });
    const Pixels naive = naivePixels(f, run.samples);
    for (const auto& p : naive)
        EXPECT_TRUE(filled.count(p)) << p.first << "," << p.second;
    for (const auto& [x, y] : filled)
        EXPECT_TRUE(naive.count({ x, y }) || naive.count({ x, y - 1 }) || naive.count({ x, y + 1 }))
            << x << "," << y;
}

TEST_P(FastLine, PainterFillsColumnsOnlyWhereSamplesAreDenserThanPixels)
{
    const auto f = frame();
    RecordingCanvas canvas;
    realtime::RealTimePainter painter;
    painter.paintPlot(canvas, f, run.samples);
    const auto polylines = canvas.all<PolylineOp>();
    const auto fills = canvas.all<FillOp>();
    if (graph::drawsAsColumns(f)) {
        EXPECT_TRUE(polylines.empty());
        EXPECT_LE(fills.size(), 1u + 682);
        EXPECT_EQ(fills.back().color, realtime::kDataPen.color);
    } else {
        ASSERT_EQ(polylines.size(), 1u);
        EXPECT_EQ(polylines.front().pen, realtime::kDataPen);
    }
}

INSTANTIATE_TEST_SUITE_P(DenseRuns, FastLine,
    ::testing::Values(
        PolylineCase { 700, false }, PolylineCase { 19990, false }, PolylineCase { 19990, true }),
    [](const auto& param) {
        return "Samples" + std::to_string(param.param.samples) + (param.param.zoomed ? "Zoomed" : "Unzoomed");
    });

TEST(FastPolyline, KeepsEveryPointWhenSamplesAreWiderThanAPixel)
{
    GraphRun run;
    const auto frame = run.record({ 10, 300, 20, 390 });
    std::vector<draw::Point> points;
    graph::buildDataPolyline(frame, run.samples, points);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[1], (draw::Point { 6, static_cast<int>(467 - 467 * 0.75) }));
    EXPECT_EQ(points[3].x, static_cast<int>(3 * (680.0f / 99)));
}

TEST(FastPolyline, DrawsNothingBeyondTheSamplesItHas)
{
    GraphRun run;
    auto frame = run.recordRamp(10);
    frame.line.last = 50;  // a frame that claims more samples than the run holds
    std::vector<draw::Point> points { { 1, 1 } };
    graph::buildDataPolyline(frame, run.samples, points);
    EXPECT_TRUE(points.empty());
}

}  // namespace
}  // namespace brivon::support
