#include "core/graph/AxisLabels.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

struct SelectionCase {
    const char* name;
    int parentGain;
    bool cutToResolution;
    float label0;
    float label1;
    float label10;
};

class SelectedLabels : public ::testing::TestWithParam<SelectionCase> { };

// A selection 150 px high whose bottom lies 100 px above the axis bottom of a 300 px axis.
TEST_P(SelectedLabels, SpanTheSelectionCutOnlyWhenAsked)
{
    const auto& c = GetParam();
    const auto labels = graph::selectedLabels(
        graph::levelZeroLabels(c.parentGain, 0), 50, 200, 300, 100, c.cutToResolution);
    EXPECT_NEAR(labels.front(), c.label0, 1e-3);
    EXPECT_NEAR(labels[1], c.label1, 1e-3);
    EXPECT_NEAR(labels.back(), c.label10, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(Rules, SelectedLabels,
    ::testing::Values(SelectionCase { "Exact", 400, false, 1333.333f, 1533.333f, 3333.333f },
        SelectionCase { "WholeTensFromAThousand", 400, true, 1330.0f, 1530.0f, 3330.0f },
        SelectionCase { "TwoDecimalsBelow", 4, true, 13.33f, 15.33f, 33.33f }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::support
