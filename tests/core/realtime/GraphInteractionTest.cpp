#include "core/realtime/GraphInteraction.h"

#include "GraphRun.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::support {
namespace {

struct DragCase {
    draw::Point pointer;
    bool leaves;
};

class DragWatch : public ::testing::TestWithParam<DragCase> { };

TEST_P(DragWatch, EndsTheDragOnlyWellOutsideThePlot)
{
    const auto g = realtime::plotGeometry(kClient);
    EXPECT_EQ(realtime::dragLeftGraph(GetParam().pointer, g), GetParam().leaves);
}

INSTANTIATE_TEST_SUITE_P(Pointers, DragWatch,
    ::testing::Values(DragCase { { 500, 148 }, false }, DragCase { { 500, 147 }, true },
        DragCase { { 245, 300 }, false }, DragCase { { 244, 300 }, true }, DragCase { { 1003, 300 }, false },
        DragCase { { 1004, 300 }, true }, DragCase { { 500, 637 }, false }, DragCase { { 500, 638 }, true }),
    [](const auto& param) {
        return "X" + std::to_string(param.param.pointer.x) + "Y" + std::to_string(param.param.pointer.y)
            + (param.param.leaves ? "Leaves" : "Stays");
    });

}  // namespace
}  // namespace brivon::support
