#include "core/realtime/RealTimeGeometry.h"

#include <gtest/gtest.h>

namespace brivon::support {
namespace {

TEST(RealTimeGeometry, ANarrowWindowCollapsesTheRightStrip)
{
    const auto stripsOf = [](const draw::Rect& client) {
        return realtime::RealTimeGeometry::around(realtime::plotGeometry(client));
    };
    const auto g = realtime::plotGeometry({ 0, 0, 273, 600 });
    EXPECT_EQ(stripsOf({ 0, 0, 273, 600 }).rightStrip.left, 224);
    EXPECT_EQ(stripsOf({ 0, 0, 273, 600 }).rightStrip.right, 224);
    EXPECT_FALSE(g.drawable());
    EXPECT_EQ(stripsOf({ 0, 0, 274, 600 }).rightStrip.left, 224);
    EXPECT_EQ(stripsOf({ 0, 0, 275, 600 }).rightStrip.right, 285);
}

}  // namespace
}  // namespace brivon::support
