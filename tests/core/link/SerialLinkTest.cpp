#include "core/link/SerialLink.h"

#include "support/FakeSerialPort.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::FakeSerialPort;
using ::testing::ElementsAre;

constexpr platform::TimeValue kNow = 1291730709;

class SerialLinkTest : public ::testing::Test {
protected:
    FakeSerialPort port;
    link::SerialLink link { port };
};

TEST_F(SerialLinkTest, CreateConfiguresOpensAndPolls)
{
    link.create(3);
    EXPECT_EQ(port.settings(), "9600,n,8,1");
    EXPECT_THAT(port.operations(),
        ElementsAre("port=3", "open", "input", "discard-in", "discard-out", "threshold=19", "mode=1", "len=0",
            "discard-in", "write 11", "discard-out"));
    EXPECT_TRUE(link.isChecked(3));
    EXPECT_FALSE(link.isChecked(1));
    EXPECT_TRUE(link.probeFlag(3));
}

TEST_F(SerialLinkTest, RestartClosesAnOpenPortFirst)
{
    link.create(1);
    port.clearLog();
    link.restartLink();
    ASSERT_GE(port.operations().size(), 3u);
    EXPECT_EQ(port.operations()[0], "close");
    EXPECT_EQ(port.operations()[1], "port=1");
    EXPECT_EQ(port.operations()[2], "open");
}

TEST_F(SerialLinkTest, FailedRestartLeavesThePortClosedAndSendsNothing)
{
    port.missingPorts = { 2 };
    link.create(2);
    EXPECT_FALSE(port.portOpen());
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(link.lastError(), "Invalid port number");
}

TEST_F(SerialLinkTest, ConfiguredPortAboveFourHasNoCheckMarkAndStartsOtherCom)
{
    link.create(9);
    for (int n = 1; n <= 4; ++n)
        EXPECT_FALSE(link.isChecked(n));
    EXPECT_EQ(link.otherComStartNumber(), 9);
}

TEST_F(SerialLinkTest, OtherComTakesOnlyFiveToSixteen)
{
    link.create(1);
    EXPECT_EQ(link.otherComStartNumber(), 5);
    port.clearLog();
    EXPECT_FALSE(link.selectOtherPort(4));
    EXPECT_FALSE(link.selectOtherPort(17));
    EXPECT_TRUE(port.operations().empty());
    EXPECT_TRUE(link.isChecked(1));

    EXPECT_TRUE(link.selectOtherPort(16));
    EXPECT_EQ(link.portNumber(), 16);
    EXPECT_FALSE(link.isChecked(1));
    EXPECT_TRUE(link.probeFlag(16));
    EXPECT_FALSE(link.probeFlag(1));
}

TEST_F(SerialLinkTest, MenuPortSelectionReturnsToListening)
{
    link.create(1);
    link.expectLoggerDump();
    link.selectMenuPort(2);
    EXPECT_EQ(link.receiveMode(), link::ReceiveMode::Listening);
    EXPECT_TRUE(link.isChecked(2));
    EXPECT_FALSE(link.isChecked(1));
    EXPECT_EQ(port.commPort(), 2);
}

TEST_F(SerialLinkTest, FramesKeepTheWatchdogIdleAndGreyThePortMenu)
{
    link.create(1);
    link.watchdogTick(kNow);  // the first tick after creation restarts: no frame has cleared the probe
    port.clearLog();
    link.measurementFrameAccepted();
    EXPECT_FALSE(link.isMenuPortEnabled(1));
    EXPECT_FALSE(link.isOtherComEnabled());
    link.watchdogTick(kNow);
    EXPECT_TRUE(port.operations().empty());
    link.watchdogTick(kNow);  // silent for a whole period: reopened and polled
    EXPECT_EQ(support::hex(port.writtenBytes()), "11");
}

TEST_F(SerialLinkTest, WatchdogDoesNothingDuringATransfer)
{
    link.create(1);
    link.expectMemoryDump();
    port.clearLog();
    link.watchdogTick(kNow);
    EXPECT_TRUE(port.operations().empty());
    EXPECT_FALSE(link.noAnswerSince());
}

TEST_F(SerialLinkTest, TheFirstRestartForSilenceDatesItUntilAFrameComes)
{
    link.create(1);
    EXPECT_FALSE(link.noAnswerSince());
    link.watchdogTick(kNow);
    EXPECT_EQ(link.noAnswerSince(), kNow);
    link.watchdogTick(kNow + 2);  // still silent: the date stays
    EXPECT_EQ(link.noAnswerSince(), kNow);
    link.measurementFrameAccepted();
    EXPECT_FALSE(link.noAnswerSince());
    link.watchdogTick(kNow + 4);  // the frame cleared the probe: no restart
    EXPECT_FALSE(link.noAnswerSince());
    link.watchdogTick(kNow + 6);
    EXPECT_EQ(link.noAnswerSince(), kNow + 6);
}

TEST_F(SerialLinkTest, AFailedRestartStillDatesTheSilence)
{
    link.create(1);
    port.missingPorts = { 1 };
    link.watchdogTick(kNow);
    EXPECT_EQ(link.noAnswerSince(), kNow);
    EXPECT_EQ(link.lastError(), "Invalid port number");
}

TEST_F(SerialLinkTest, AChosenPortIsWatchedAfresh)
{
    link.create(1);
    link.watchdogTick(kNow);
    link.selectMenuPort(2);
    EXPECT_FALSE(link.noAnswerSince());
    link.watchdogTick(kNow + 2);
    ASSERT_TRUE(link.selectOtherPort(7));
    EXPECT_FALSE(link.noAnswerSince());
}

TEST_F(SerialLinkTest, InvalidPortGoesOfflineAndFreesThePortMenu)
{
    int offlineCalls = 0;
    link.setOfflineHandler([&] { ++offlineCalls; });
    link.create(1);
    link.measurementFrameAccepted();
    link.watchdogTick(kNow);  // probe still clear: nothing
    port.missingPorts = { 1 };
    link.watchdogTick(kNow);
    EXPECT_EQ(offlineCalls, 1);
    EXPECT_TRUE(link.isMenuPortEnabled(3));
    EXPECT_TRUE(link.isOtherComEnabled());
    EXPECT_FALSE(port.portOpen());
}

TEST_F(SerialLinkTest, OtherErrorsStayOnlineAndSilent)
{
    int offlineCalls = 0;
    link.setOfflineHandler([&] { ++offlineCalls; });
    link.create(1);
    port.openFailure = "Permission denied";
    link.watchdogTick(kNow);
    EXPECT_EQ(offlineCalls, 0);
    EXPECT_EQ(link.lastError(), "Permission denied");
    EXPECT_TRUE(link.probeFlag(1));
}

TEST_F(SerialLinkTest, SendBytesOnAClosedPortSendsNothing)
{
    link.sendBytes({ 0x87, 0x83, 0xEF });
    EXPECT_TRUE(port.writes().empty());
    EXPECT_EQ(support::hex(link.sendBuffer()), "87 83 EF");
}

TEST_F(SerialLinkTest, ReopenEndsWithAnOpenPort)
{
    EXPECT_TRUE(link.reopen());
    EXPECT_TRUE(port.portOpen());
    EXPECT_TRUE(link.reopen());
    EXPECT_THAT(port.operations(), ElementsAre("open", "close", "open"));
    port.missingPorts = { 1 };
    EXPECT_FALSE(link.reopen());
}

}  // namespace
}  // namespace brivon
