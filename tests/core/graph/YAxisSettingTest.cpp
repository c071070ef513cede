#include "core/graph/YAxisSetting.h"

#include <gtest/gtest.h>

namespace brivon::support {
namespace {

TEST(AxisChoice, UnchosenListsKeepTheirValue)
{
    const graph::YAxisSetting current { 400, 6 };
    EXPECT_EQ(graph::applyAxisChoice(current, std::nullopt, std::nullopt), current);
    EXPECT_EQ(graph::applyAxisChoice(current, 4, std::nullopt), (graph::YAxisSetting { 40000, 6 }));
    EXPECT_EQ(graph::applyAxisChoice(current, std::nullopt, 5), (graph::YAxisSetting { 400, 10 }));
    EXPECT_EQ(graph::applyAxisChoice(current, 9, -1), current);
}

}  // namespace
}  // namespace brivon::support
