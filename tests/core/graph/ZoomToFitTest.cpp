// Fit zooms to the values the plot shows, with a margin, over the shown time span.

#include "core/graph/ZoomScroll.h"

#include "core/logger/LoggerStyle.h"
#include "core/measure/Units.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brivon::support {
namespace {

// The plot spans x 50..450 and y 50..450; the exact axis maps one pixel to
// one value of labels 0 ... 400 (or -200 ... 200).
const graph::GraphGeometry kGeometry
    = graph::GraphGeometry::fromClient({ 0, 0, 500, 500 }, { 50, 50, 50, 50 });
constexpr double kPitch = 4.0;  // samples 0 ... 100 across the plot

struct FitCase {
    const char* name;
    std::vector<float> samples;
    int yOffset;
    // Label 0 and label 10 of the new level (the band and a pixel each side); none: no zoom.
    std::optional<graph::ValueBand> labels;
};

void PrintTo(const FitCase& fitCase, std::ostream* out)
{
    *out << fitCase.name;
}

std::vector<float> ramp(int count, float from, float step)
{
    std::vector<float> values;
    for (int i = 0; i < count; ++i)
        values.push_back(from + step * static_cast<float>(i));
    return values;
}

std::vector<float> shownThenHigh()
{
    std::vector<float> values = ramp(101, 100.0f, 1.0f);
    values.resize(200, 380.0f);  // beyond the plot's right edge
    return values;
}

class ZoomToFit : public ::testing::TestWithParam<FitCase> { };

TEST_P(ZoomToFit, SelectsTheShownValuesWithAMargin)
{
    const FitCase& c = GetParam();
    graph::ZoomScroll zoom(logger::kZoomRules);
    const graph::LevelMap levelZero { 0.0, kPitch, graph::levelZeroLabels(40, c.yOffset) };
    zoom.layOut(kGeometry, levelZero);
    ASSERT_EQ(zoom.zoomToFit(c.samples, false), c.labels.has_value());
    if (!c.labels) return;
    const graph::LevelMap& map = zoom.layOut(kGeometry, levelZero);
    EXPECT_EQ(zoom.level(), 1);
    EXPECT_NEAR(map.labels.front(), c.labels->low, 1e-3);
    EXPECT_NEAR(map.labels.back(), c.labels->high, 1e-3);
    // The time span stays as it was shown.
    EXPECT_DOUBLE_EQ(map.pitch, kPitch);
    EXPECT_DOUBLE_EQ(map.x0, 0.0);
}

constexpr float kOL = measure::kOverRange;

INSTANTIATE_TEST_SUITE_P(Data, ZoomToFit,
    ::testing::Values(FitCase { "FivePercentEachSide", ramp(101, 100.0f, 2.0f), 0, { { 89.0, 311.0 } } },
        FitCase { "AFlatLineGetsOneUnitEachSide", std::vector<float>(50, 200.0f), 0, { { 198.0, 202.0 } } },
        FitCase { "ASingleSample", { 200.0f }, 0, { { 198.0, 202.0 } } },
        FitCase { "NegativeValues", ramp(41, -50.0f, 1.0f), -5, { { -53.0, -7.0 } } },
        FitCase { "OverRangeLeftOut", { 100.0f, kOL, 300.0f, kOL }, 0, { { 89.0, 311.0 } } },
        FitCase { "OnlyOverRange", { kOL, kOL }, 0, std::nullopt },
        FitCase { "OnlyTheShownSamples", shownThenHigh(), 0, { { 94.0, 206.0 } } },
        FitCase { "NoData", {}, 0, std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::support
