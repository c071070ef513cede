// A meter unplugged (its device gone) and plugged in again: the reading from
// before is not held over, and the user's Y gain and offset stay unless the
// meter now reads in another range or unit.

#include "core/app/MainFrameFixture.h"
#include "core/link/FrameDecoder.h"

namespace brivon {
namespace {

constexpr int kUserGain = 4;
constexpr int kUserOffset = 5;

struct ReplugCase {
    const char* name;
    int range;
    bool footCandle;
    int gain;  // after the replugged meter's first frame
    int offset;
};

class Replug : public support::MainFrameTest, public ::testing::WithParamInterface<ReplugCase> { };

TEST_P(Replug, KeepsTheUsersYScaleUnlessTheRangeOrUnitDiffers)
{
    const ReplugCase& c = GetParam();
    create();
    frame(100, 2);
    doc.yAxis().gain = kUserGain;
    doc.yAxis().offset = kUserOffset;
    port.missingPorts = { 1 };
    viewTimers.advance(4 * kOneSecond);  // two watchdog ticks: off-line
    ASSERT_TRUE(logic->link().offline());
    port.missingPorts.clear();
    viewTimers.advance(2 * kOneSecond);  // the watchdog opens the port again

    sim::FrameContent content;
    content.graphCount = content.displayCount = 250;
    content.rangeIndex = c.range;
    content.footCandle = c.footCandle;
    const platform::Bytes bytes = sim::frameBytes(content);
    port.deliver(bytes);
    EXPECT_FALSE(logic->link().offline());
    EXPECT_EQ(doc.yAxis().gain, c.gain);
    EXPECT_EQ(doc.yAxis().offset, c.offset);
    link::FrameDecoder fresh;
    EXPECT_EQ(doc.run().samples()[0], fresh.decode(bytes).reading.graphValue)
        << "held from before the replug";
}

INSTANTIATE_TEST_SUITE_P(Meters, Replug,
    ::testing::Values(ReplugCase { "SameRangeAndUnit", 2, false, kUserGain, kUserOffset },
        ReplugCase { "OtherRange", 3, false, 4000, 0 }, ReplugCase { "OtherUnit", 2, true, 40, 0 }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
