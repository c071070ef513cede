#include "core/panel/PanelKeySequencer.h"

#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon {
namespace {

using support::FakeSerialPort;
using support::FakeTimers;
using support::hex;

class PanelKeys : public ::testing::Test {
protected:
    PanelKeys()
    {
        link.create(1);  // port open, first poll sent
        port.clearLog();
    }

    std::vector<std::string> writes() const
    {
        std::vector<std::string> all;
        for (const auto& w : port.writes())
            all.push_back(hex(w));
        return all;
    }
    bool logged(const std::string& op) const
    {
        const auto& ops = port.operations();
        return std::find(ops.begin(), ops.end(), op) != ops.end();
    }

    FakeSerialPort port;
    link::SerialLink link { port };
    FakeTimers timers;
    panel::PanelKeySequencer keys { link, timers };
};

using Strings = std::vector<std::string>;

TEST_F(PanelKeys, DeferredClickClosesAt100AndSendsOverTheReopenedPortAt150)
{
    keys.clicked(panel::PanelButtonId::MemSet);
    timers.advance(99);
    EXPECT_TRUE(port.portOpen());
    EXPECT_TRUE(port.operations().empty());

    timers.advance(1);
    EXPECT_FALSE(port.portOpen());

    timers.advance(49);
    EXPECT_TRUE(writes().empty());
    timers.advance(1);
    EXPECT_TRUE(port.portOpen());
    EXPECT_EQ(port.operations(), (Strings { "close", "open", "write 87 83 FB" }));
}

TEST_F(PanelKeys, LinkRestarts300MsAfterTheKeyAndPollingResumes)
{
    keys.clicked(panel::PanelButtonId::MemSet);
    timers.advance(449);
    EXPECT_EQ(writes(), Strings { "87 83 FB" });
    timers.advance(1);
    EXPECT_EQ(writes(), (Strings { "87 83 FB", "11" }));
    EXPECT_TRUE(logged("threshold=19"));

    timers.advance(5000);  // every panel timer stopped itself
    EXPECT_EQ(writes().size(), 2u);
}

TEST_F(PanelKeys, DoubleClickWithin100MsSendsOnlyTheDoubleClickCode)
{
    keys.clicked(panel::PanelButtonId::MemSet);
    timers.advance(60);
    keys.doubleClicked(panel::PanelButtonId::MemSet);
    timers.advance(9);
    EXPECT_TRUE(port.portOpen());
    timers.advance(1);
    EXPECT_FALSE(port.portOpen());

    timers.advance(1000);
    EXPECT_EQ(writes(), (Strings { "87 83 DC", "11" }));
}

std::string nameOf(panel::PanelButtonId button)
{
    switch (button) {
    case panel::PanelButtonId::Hold:
        return "Hold";
    case panel::PanelButtonId::PowerOff:
        return "PowerOff";
    case panel::PanelButtonId::MaxMin:
        return "MaxMin";
    case panel::PanelButtonId::Rel:
        return "Rel";
    case panel::PanelButtonId::Range:
        return "Range";
    case panel::PanelButtonId::FcLux:
        return "FcLux";
    case panel::PanelButtonId::MemSet:
        return "MemSet";
    case panel::PanelButtonId::Peak:
        return "Peak";
    case panel::PanelButtonId::Load:
        return "Load";
    }
    return "Button" + std::to_string(static_cast<int>(button));
}

struct KeyCase {
    panel::PanelButtonId button;
    const char* click;
    const char* doubleClick;  // nullptr: the button has no double-click command
};

class PanelKeyCodes : public PanelKeys, public ::testing::WithParamInterface<KeyCase> { };

TEST_P(PanelKeyCodes, ClickSendsItsCode)
{
    keys.clicked(GetParam().button);
    timers.advance(1000);
    EXPECT_EQ(writes(), (Strings { GetParam().click, "11" }));
}

TEST_P(PanelKeyCodes, DoubleClickSendsItsCodeOrNothingMore)
{
    keys.clicked(GetParam().button);
    timers.advance(20);
    keys.doubleClicked(GetParam().button);
    timers.advance(1000);
    EXPECT_EQ(
        writes(), (Strings { GetParam().doubleClick ? GetParam().doubleClick : GetParam().click, "11" }));
}

INSTANTIATE_TEST_SUITE_P(Buttons, PanelKeyCodes,
    ::testing::Values(KeyCase { panel::PanelButtonId::Hold, "87 83 EF", nullptr },
        KeyCase { panel::PanelButtonId::MaxMin, "87 83 BF", nullptr },
        KeyCase { panel::PanelButtonId::Range, "87 83 7F", nullptr },
        KeyCase { panel::PanelButtonId::FcLux, "87 83 FE", nullptr },
        KeyCase { panel::PanelButtonId::MemSet, "87 83 FB", "87 83 DC" },
        KeyCase { panel::PanelButtonId::Peak, "87 83 F7", "87 83 DA" },
        KeyCase { panel::PanelButtonId::Rel, "87 83 DF", "87 83 DE" },
        KeyCase { panel::PanelButtonId::Load, "87 83 FD", "87 83 DB" }),
    [](const auto& param) { return nameOf(param.param.button); });

class PanelImmediateKey : public PanelKeys, public ::testing::WithParamInterface<panel::PanelButtonId> { };

TEST_P(PanelImmediateKey, ClosesThePortAtOnceAndSends50MsLater)
{
    keys.clicked(GetParam());
    EXPECT_FALSE(port.portOpen());
    timers.advance(49);
    EXPECT_TRUE(writes().empty());
    timers.advance(1);
    EXPECT_EQ(writes().size(), 1u);
    EXPECT_TRUE(port.portOpen());
}

INSTANTIATE_TEST_SUITE_P(Buttons, PanelImmediateKey,
    ::testing::Values(panel::PanelButtonId::Hold, panel::PanelButtonId::MaxMin, panel::PanelButtonId::Range,
        panel::PanelButtonId::FcLux),
    [](const auto& param) { return nameOf(param.param); });

TEST_F(PanelKeys, PowerOffButtonDoesNothing)
{
    keys.clicked(panel::PanelButtonId::PowerOff);
    keys.doubleClicked(panel::PanelButtonId::PowerOff);
    timers.advance(1000);
    EXPECT_TRUE(port.operations().empty());
}

TEST_F(PanelKeys, KeyOnAClosedPortOpensItToSend)
{
    port.setPortOpen(false);
    port.clearLog();
    keys.clicked(panel::PanelButtonId::Hold);
    timers.advance(50);
    EXPECT_EQ(port.operations(), (Strings { "open", "write 87 83 EF" }));
}

class PanelKeyFailure : public PanelKeys, public ::testing::WithParamInterface<panel::PanelButtonId> { };

TEST_P(PanelKeyFailure, PortThatCannotReopenEndsTheSequenceSilently)
{
    port.openFailure = "Port is busy";
    keys.clicked(GetParam());
    timers.advance(5000);
    EXPECT_TRUE(writes().empty());
    EXPECT_FALSE(logged("port=1")) << "the link must not be restarted";
    for (int id = 1; id <= 4; ++id)
        EXPECT_FALSE(timers.isActive(id)) << id;
}

INSTANTIATE_TEST_SUITE_P(Buttons, PanelKeyFailure,
    ::testing::Values(panel::PanelButtonId::Hold, panel::PanelButtonId::Load),
    [](const auto& param) { return nameOf(param.param); });

TEST_F(PanelKeys, NextKeyAfterAFailureWorksAgain)
{
    port.openFailure = "Port is busy";
    keys.clicked(panel::PanelButtonId::Range);
    timers.advance(1000);
    port.openFailure.clear();
    keys.clicked(panel::PanelButtonId::Range);
    timers.advance(1000);
    EXPECT_EQ(writes(), (Strings { "87 83 7F", "11" }));
}

}  // namespace
}  // namespace brivon
