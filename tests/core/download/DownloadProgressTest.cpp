#include "core/download/DownloadProgress.h"

#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"

#include <gtest/gtest.h>

#include <optional>

namespace brivon {
namespace {

class DownloadProgressTest : public ::testing::Test {
protected:
    DownloadProgressTest()
    {
        link.create(1);
        port.clearLog();
        progress.setEndHandler([this](download::DownloadEnd how) { ended = how; });
        timers.setHandler([this](int id) { progress.timerExpired(id); });
    }

    support::FakeSerialPort port;
    link::SerialLink link { port };
    support::FakeTimers timers;
    download::DownloadState state;
    download::DownloadProgress progress { state, link, timers };
    std::optional<download::DownloadEnd> ended;
};

TEST_F(DownloadProgressTest, MemoryDownloadGivesUpAfterTenSecondsAndListensAgain)
{
    link.expectMemoryDump();
    state.downloadTotal = 2000;
    state.panelStatusText = "DownLoad";
    progress.update();
    timers.advance(1000);
    EXPECT_EQ(progress.position(), 2 * download::DownloadProgress::kAdvanceStep);
    timers.advance(8999);
    EXPECT_FALSE(ended);
    timers.advance(1);
    EXPECT_EQ(ended, download::DownloadEnd::TimedOut);
    EXPECT_EQ(link.receiveMode(), link::ReceiveMode::Listening);
    EXPECT_EQ(state.downloadTotal, 0);
    EXPECT_EQ(state.panelStatusText, "        ");
    EXPECT_EQ(support::hex(port.writtenBytes()), "11");
}

TEST_F(DownloadProgressTest, LoggerDownloadWaitsFifteenSecondsAfterTheBarIsFull)
{
    link.expectLoggerDump();
    state.downloadTotal = 316;  // full after two steps
    progress.update();
    timers.advance(1000);
    EXPECT_EQ(progress.position(), 316);
    timers.advance(14999);
    EXPECT_FALSE(ended);
    timers.advance(1);
    EXPECT_EQ(ended, download::DownloadEnd::TimedOut);
    EXPECT_EQ(link.receiveMode(), link::ReceiveMode::Listening);
    EXPECT_TRUE(state.loggerComplete);
}

TEST_F(DownloadProgressTest, CompletionNoticedAtPaintOpensTheWindowShortlyAfter)
{
    link.expectMemoryDump();
    state.downloadTotal = 2000;
    progress.update();
    state.memoryComplete = true;
    progress.update();
    EXPECT_EQ(progress.position(), 2000);
    timers.advance(download::DownloadProgress::kDoneDelayMs);
    EXPECT_EQ(ended, download::DownloadEnd::MemoryList);
    timers.advance(20000);
    EXPECT_EQ(support::hex(port.writtenBytes()), "");
}

TEST_F(DownloadProgressTest, FinishedLoggerTransferWithoutDataShowsNothing)
{
    link.expectLoggerDump();
    state.downloadTotal = 0;
    state.loggerComplete = true;
    progress.update();
    timers.advance(download::DownloadProgress::kDoneDelayMs);
    EXPECT_EQ(ended, download::DownloadEnd::NothingToShow);
}

TEST_F(DownloadProgressTest, TheBarShowsTheLoggerBytesReceivedWhenAheadOfTheTimedAdvance)
{
    link.expectLoggerDump();
    state.downloadTotal = 20000;
    progress.update();
    state.bytesReceived = 8000;
    EXPECT_EQ(progress.position(), 8000);
    timers.advance(download::DownloadProgress::kAdvancePeriodMs);
    EXPECT_EQ(progress.position(), 8000);
    state.bytesReceived = 0;  // the timed advance alone
    EXPECT_EQ(progress.position(), download::DownloadProgress::kAdvanceStep);
}

TEST_F(DownloadProgressTest, TheLoggerTimeOutFollowsTheTimedAdvanceWhateverArrived)
{
    link.expectLoggerDump();
    state.downloadTotal = 1580;  // the timed bar is full after ten steps, 5 s
    progress.update();
    state.bytesReceived = 1579;
    timers.advance(5000 + download::DownloadProgress::kLoggerTimeoutMs - 1);
    EXPECT_FALSE(ended);
    timers.advance(1);
    EXPECT_EQ(ended, download::DownloadEnd::TimedOut);
}

}  // namespace
}  // namespace brivon
