// The status bar's link pane: what it says for each state of the link, and how
// the main window's watchdog and frames move it between them.

#include "core/app/MainFrameFixture.h"
#include "core/app/StatusBarTexts.h"

namespace brivon {
namespace {

using app::status_bar::LinkState;

constexpr platform::LocalTime kQuarterPastTwo { 2010, 12, 7, 14, 15, 3 };

struct PaneCase {
    const char* name;
    LinkState state;
    const char* text;
};

LinkState linkState(std::string error, std::optional<platform::LocalTime> since, bool offline,
    std::string path = "/dev/ttyUSB0")
{
    return LinkState { 3, std::move(path), std::move(error), since, offline };
}

class LinkPane : public ::testing::TestWithParam<PaneCase> { };

TEST_P(LinkPane, NamesThePortItsDeviceAndItsCondition)
{
    EXPECT_EQ(app::status_bar::linkPaneText(GetParam().state), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(States, LinkPane,
    ::testing::Values(
        PaneCase { "Connected", linkState("", std::nullopt, false), "COM3 (/dev/ttyUSB0): meter connected" },
        PaneCase { "BeforeTheFirstFrame", linkState("", std::nullopt, true),
            "COM3 (/dev/ttyUSB0): waiting for the meter" },
        PaneCase { "SilentAfterFrames", linkState("", kQuarterPastTwo, false),
            "COM3 (/dev/ttyUSB0): no answer since 14:15:03" },
        PaneCase { "SilentFromTheStart", linkState("", kQuarterPastTwo, true),
            "COM3 (/dev/ttyUSB0): no answer since 14:15:03" },
        PaneCase { "MissingDevice", linkState("Invalid port number", kQuarterPastTwo, true),
            "COM3 (/dev/ttyUSB0): no such device" },
        PaneCase { "OtherErrorNamesItsCause",
            linkState(
                "No permission to open /dev/ttyUSB0: add your user to the dialout group", std::nullopt, true),
            "COM3 (/dev/ttyUSB0): No permission to open /dev/ttyUSB0: add your user to the dialout group" },
        PaneCase { "NoDevicePath", linkState("", std::nullopt, false, ""), "COM3: meter connected" }),
    [](const auto& param) { return std::string(param.param.name); });

// The real main window logic on a scripted port: the fixed clock reads 14:05:09 UTC.
class LinkStatus : public support::MainFrameTest {
protected:
    void SetUp() override { create(); }

    // One watchdog period of silence, the clock moving with it.
    void silentWatchdogPeriod()
    {
        clock.advance(2);
        viewTimers.advance(link::SerialLink::kWatchdogPeriodMs);
    }
    std::string pane() const { return logic->linkStatusText(); }
};

TEST_F(LinkStatus, ASilentMeterIsToldFromTheFirstRestartUntilAFrameComes)
{
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): waiting for the meter");
    frame();
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): meter connected");

    silentWatchdogPeriod();  // the frame cleared the probe: nothing yet
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): meter connected");
    silentWatchdogPeriod();  // 14:05:13, the first restart
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): no answer since 14:05:13");
    silentWatchdogPeriod();
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): no answer since 14:05:13");
    EXPECT_FALSE(logic->link().offline()) << "a silent meter keeps the program on-line";

    frame();
    EXPECT_EQ(pane(), "COM1 (/dev/ttyFAKE1): meter connected");
}

}  // namespace
}  // namespace brivon
