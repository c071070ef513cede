#include "core/app/MainFrameFixture.h"
#include "core/download/DownloadProgress.h"
#include "core/link/MainTimers.h"

namespace brivon {
namespace {

using support::hex;

class Downloads : public support::MainFrameTest {
protected:
    void SetUp() override { create(); }

    void batteryFrame(bool low)
    {
        sim::FrameContent content;
        content.graphCount = content.displayCount = 100;
        content.rangeIndex = 2;
        content.lowBattery = low;
        port.deliver(sim::frameBytes(content));
    }
    const link::ModeFlags& modes() { return logic->link().modes(); }
};

TEST_F(Downloads, ALowBatteryRefusesBothWithTheMessage)
{
    batteryFrame(true);
    batteryFrame(false);  // "Low" sticks once seen
    EXPECT_FALSE(logic->startDataLogger());
    EXPECT_FALSE(logic->startMemory());
    EXPECT_EQ(prompts.messages(), std::vector<std::string>(2, download::DownloadStart::kLowBatteryMessage));
    EXPECT_TRUE(modes().listening);
}

TEST_F(Downloads, BeforeAnyFrameOrOffLineNothingHappens)
{
    EXPECT_FALSE(logic->startMemory());
    batteryFrame(false);
    port.missingPorts = { 1 };
    viewTimers.advance(4 * kOneSecond);  // two watchdog ticks: off-line
    EXPECT_FALSE(logic->startDataLogger());
    EXPECT_FALSE(logic->startMemory());
    EXPECT_TRUE(prompts.log().empty());
    EXPECT_TRUE(modes().listening);
}

TEST_F(Downloads, DataLoggerLeavesListeningAndRequestsTheDump100msLater)
{
    batteryFrame(false);
    mainTimers.advance(100);  // the paced poll goes out first
    port.clearLog();
    ASSERT_TRUE(logic->startDataLogger());
    EXPECT_FALSE(modes().listening);
    EXPECT_TRUE(modes().loggerInProgress);
    EXPECT_TRUE(doc.viewState().listRefill);
    EXPECT_FALSE(doc.viewState().fileBrowse);

    mainTimers.advance(99);
    EXPECT_TRUE(port.writes().empty());
    mainTimers.advance(1);
    EXPECT_EQ(port.rThreshold(), 5);
    EXPECT_EQ(hex(port.writtenBytes()), "13");
    mainTimers.advance(1000);
    EXPECT_EQ(port.writes().size(), 1u);  // the request timer fired once
}

TEST_F(Downloads, MemShowsTheProgressAndRequestsTheMemoryDump)
{
    batteryFrame(false);
    mainTimers.advance(100);
    port.clearLog();
    ASSERT_TRUE(logic->startMemory());
    EXPECT_TRUE(modes().memoryInProgress);
    EXPECT_FALSE(modes().listening);
    EXPECT_FALSE(modes().loggerInProgress);
    EXPECT_TRUE(logic->downloads().fillRequest);
    EXPECT_EQ(logic->downloads().downloadTotal, 2000);
    EXPECT_EQ(logic->downloads().panelStatusText, "DownLoad");
    EXPECT_EQ(events.panelChanges, 1);

    mainTimers.advance(10);
    EXPECT_EQ(events.progressDialogs, 1);
    mainTimers.advance(90);
    EXPECT_EQ(port.rThreshold(), 1352);
    EXPECT_EQ(hex(port.writtenBytes()), "12");
    mainTimers.advance(1000);
    EXPECT_EQ(events.progressDialogs, 1);
}

TEST_F(Downloads, MemCancelledBeforeItsRequestWentOutAsksTheMeterForNothing)
{
    batteryFrame(false);
    mainTimers.advance(100);
    ASSERT_TRUE(logic->startMemory());
    mainTimers.advance(10);  // the progress dialog is up
    support::FakeTimers dialogTimers;
    download::DownloadProgress progress(
        logic->downloads(), logic->link().modes(), logic->link().serialLink(), dialogTimers);
    port.clearLog();
    progress.cancel();
    mainTimers.advance(1000);
    EXPECT_EQ(hex(port.writtenBytes()), "11") << "only the poll of the link restart";
    EXPECT_EQ(port.rThreshold(), 19);
}

TEST_F(Downloads, APortThatCannotBeReopenedStopsTheStartSilently)
{
    batteryFrame(false);
    port.openFailure = "Port is busy";
    EXPECT_FALSE(logic->startDataLogger());
    EXPECT_TRUE(modes().listening);
    EXPECT_TRUE(prompts.log().empty());
}

}  // namespace
}  // namespace brivon
