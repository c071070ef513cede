#include "core/app/MainFrameFixture.h"
#include "core/download/DownloadProgress.h"
#include "core/link/MainTimers.h"

namespace brivon {
namespace {

using download::StartRefusal;
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
    link::ReceiveMode receiveMode() { return logic->link().serialLink().receiveMode(); }
};

TEST_F(Downloads, ALowBatteryRefusesBothWithTheMessage)
{
    batteryFrame(true);
    batteryFrame(false);  // "Low" sticks once seen
    EXPECT_FALSE(logic->startDataLogger().started());
    EXPECT_FALSE(logic->startMemory().started());
    EXPECT_EQ(prompts.messages(), std::vector<std::string>(2, download::DownloadStart::kLowBatteryMessage));
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Listening);
}

TEST_F(Downloads, BeforeAnyFrameOrOffLineNothingHappens)
{
    EXPECT_FALSE(logic->startMemory().started());
    batteryFrame(false);
    port.missingPorts = { 1 };
    viewTimers.advance(4 * kOneSecond);  // two watchdog ticks: off-line
    EXPECT_FALSE(logic->startDataLogger().started());
    EXPECT_FALSE(logic->startMemory().started());
    EXPECT_TRUE(prompts.log().empty());
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Listening);
}

TEST_F(Downloads, DataLoggerLeavesListeningAndRequestsTheDump100msLater)
{
    batteryFrame(false);
    mainTimers.advance(100);  // the paced poll goes out first
    port.clearLog();
    ASSERT_TRUE(logic->startDataLogger().started());
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Logger);
    EXPECT_TRUE(doc.loggerSets().state().listRefill);
    EXPECT_FALSE(doc.loggerSets().fileBrowse());

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
    ASSERT_TRUE(logic->startMemory().started());
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Memory);
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
    ASSERT_TRUE(logic->startMemory().started());
    mainTimers.advance(10);  // the progress dialog is up
    support::FakeTimers dialogTimers;
    download::DownloadProgress progress(logic->downloads(), logic->link().serialLink(), dialogTimers);
    port.clearLog();
    progress.cancel();
    mainTimers.advance(1000);
    EXPECT_EQ(hex(port.writtenBytes()), "11") << "only the poll of the link restart";
    EXPECT_EQ(port.rThreshold(), 19);
}

// Data Logger replaces a Mem whose request has not gone out: the meter is asked for one dump.
TEST_F(Downloads, DataLoggerRightAfterMemAsksOnlyForTheDataLogger)
{
    batteryFrame(false);
    mainTimers.advance(100);
    ASSERT_TRUE(logic->startMemory().started());
    ASSERT_TRUE(logic->startDataLogger().started());
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Logger);
    port.clearLog();
    mainTimers.advance(100);
    EXPECT_EQ(hex(port.writtenBytes()), "13");
}

TEST_F(Downloads, APortThatCannotBeReopenedStopsTheStartSilently)
{
    batteryFrame(false);
    port.openFailure = "Port is busy";
    EXPECT_FALSE(logic->startDataLogger().started());
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Listening);
    EXPECT_TRUE(prompts.log().empty());
}

struct RefusalCase {
    std::string name;
    std::optional<bool> lowBattery;  // the frame seen, if any
    bool portGoesMissing;
    bool portBusy;
    std::optional<StartRefusal> refusal;
};

class DownloadRefusals : public Downloads, public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(DownloadRefusals, BothCommandsAnswerAlikeAndOnlyALowBatteryIsTold)
{
    const RefusalCase& c = GetParam();
    if (c.lowBattery) batteryFrame(*c.lowBattery);
    if (c.portGoesMissing) {
        port.missingPorts = { 1 };
        viewTimers.advance(2 * link::SerialLink::kWatchdogPeriodMs);
    }
    if (c.portBusy) port.openFailure = "Port is busy";
    EXPECT_EQ(logic->startDataLogger().refusal, c.refusal);
    EXPECT_EQ(logic->startMemory().refusal, c.refusal);
    const bool told = c.refusal == StartRefusal::LowBattery;
    EXPECT_EQ(prompts.messages().size(), told ? 2u : 0u);
}

INSTANTIATE_TEST_SUITE_P(LinkStates, DownloadRefusals,
    ::testing::Values(RefusalCase { "Ready", false, false, false, std::nullopt },
        RefusalCase { "LowBattery", true, false, false, StartRefusal::LowBattery },
        RefusalCase { "LowBatteryOffLine", true, true, false, StartRefusal::LowBattery },
        RefusalCase { "NoFrameYet", std::nullopt, false, false, StartRefusal::Offline },
        RefusalCase { "PortWentMissing", false, true, false, StartRefusal::Offline },
        RefusalCase { "PortBusy", false, false, true, StartRefusal::PortUnavailable }),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace brivon
