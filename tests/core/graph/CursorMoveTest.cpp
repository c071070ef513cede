// The cursor keys: steps within the series, the shown part's ends, and the
// scroll that brings a stepped-to sample onto a zoomed plot.

#include "core/graph/CursorMove.h"

#include "core/graph/ZoomScroll.h"
#include "core/logger/LoggerStyle.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

using graph::CursorMove;

struct MoveCase {
    const char* name;
    std::optional<int> current;
    CursorMove move;
    std::optional<int> target;
};

void PrintTo(const MoveCase& moveCase, std::ostream* out)
{
    *out << moveCase.name;
}

// 100 samples, of which 20 ... 80 are shown.
constexpr int kCount = 100;
constexpr graph::SampleSpan kShown { 20, 80 };

class CursorKeys : public ::testing::TestWithParam<MoveCase> { };

TEST_P(CursorKeys, MoveWithinTheSeries)
{
    const MoveCase& c = GetParam();
    EXPECT_EQ(graph::movedCursor(c.current, c.move, kShown, kCount), c.target);
}

INSTANTIATE_TEST_SUITE_P(Keys, CursorKeys,
    ::testing::Values(MoveCase { "LeftAtZeroStays", 0, CursorMove::Back, 0 },
        MoveCase { "Right", 40, CursorMove::Forward, 41 },
        MoveCase { "ShiftLeft", 40, CursorMove::BackTen, 30 },
        MoveCase { "ShiftRightNearTheEndClamps", 95, CursorMove::ForwardTen, 99 },
        MoveCase { "RightBeyondTheShownPart", 80, CursorMove::Forward, 81 },
        MoveCase { "Home", 50, CursorMove::FirstShown, 20 },
        MoveCase { "End", 50, CursorMove::LastShown, 80 },
        MoveCase { "WithoutACursorAtTheFirstShown", std::nullopt, CursorMove::Back, 20 },
        MoveCase { "WithoutACursorEndAtTheLastShown", std::nullopt, CursorMove::LastShown, 80 }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(CursorKeys, NothingToMoveToWithoutSamples)
{
    EXPECT_EQ(graph::movedCursor(std::nullopt, CursorMove::Forward, {}, 0), std::nullopt);
    EXPECT_EQ(graph::movedCursor(std::nullopt, CursorMove::Forward, {}, kCount), std::nullopt);
}

TEST(CursorKeys, AZoomedViewScrollsJustEnoughToShowTheSample)
{
    const auto geometry = graph::GraphGeometry::fromClient({ 0, 0, 500, 500 }, { 50, 50, 50, 50 });
    const graph::LevelMap levelZero { 0.0, 4.0, graph::levelZeroLabels(40, 0) };
    graph::ZoomScroll zoom(logger::kZoomRules);
    zoom.layOut(geometry, levelZero);
    // A quarter of the width from x 150: samples 25 ... 50 shown.
    zoom.startSelection({ 150, 50 });
    zoom.endSelection({ 250, 450 });
    ASSERT_TRUE(zoom.zoomToSelection());
    zoom.layOut(geometry, levelZero);
    zoom.placeScrollBar();
    ASSERT_EQ(zoom.shownSamples(kCount), (graph::SampleSpan { 25, 50 }));
    EXPECT_EQ(zoom.scrollPositionShowing(40, kCount), std::nullopt);

    zoom.scrollTo(*zoom.scrollPositionShowing(52, kCount));
    EXPECT_EQ(zoom.shownSamples(kCount), (graph::SampleSpan { 27, 52 }));
    zoom.scrollTo(*zoom.scrollPositionShowing(20, kCount));
    EXPECT_EQ(zoom.shownSamples(kCount), (graph::SampleSpan { 20, 45 }));
    EXPECT_EQ(zoom.columnOf(20), 50);
}

}  // namespace
}  // namespace brivon::support
