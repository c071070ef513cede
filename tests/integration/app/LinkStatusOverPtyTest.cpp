// The status bar's link pane of the real main window, against the simulated
// meter on a pseudo-terminal: a meter that falls silent, and a missing device.

#include "sim/PtyMeter.h"
#include "support/ScriptedPrompts.h"
#include "ui/app/CMainFrame.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace brivon {
namespace {

constexpr int kWaitMs = 5000;
// Two watchdog periods and some slack: the first restart comes 2 to 4 s into a silence.
constexpr int kSilenceNoticedMs = 8000;

class LinkStatusOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(configHome.isValid());
        qputenv("XDG_CONFIG_HOME", configHome.path().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    void openWindowOn(const std::string& devicePath)
    {
        link::PortMap map;
        map.setPath(1, devicePath);
        frame = std::make_unique<ui::CMainFrame>(map, app::Configuration::fromEnvironment(), &prompts);
        frame->show();
    }
    QString pane() const { return frame->statusPaneText(0); }
    bool paneSaysSoon(const QString& text, int ms = kWaitMs)
    {
        return QTest::qWaitFor([&] { return pane() == text; }, ms);
    }

    QTemporaryDir configHome;
    support::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame;
};

TEST_F(LinkStatusOverPty, ASilentMeterIsToldUntilItAnswersAgain)
{
    sim::PtyMeter meter;
    openWindowOn(meter.slavePath());
    const QString port = QString("COM1 (%1): ").arg(QString::fromStdString(meter.slavePath()));
    ASSERT_TRUE(paneSaysSoon(port + "meter connected")) << pane().toStdString();

    meter.script([](sim::MeterSimulator& s) { s.setSilent(true); });
    const QRegularExpression noAnswer(
        "^" + QRegularExpression::escape(port) + "no answer since \\d\\d:\\d\\d:\\d\\d$");
    EXPECT_TRUE(QTest::qWaitFor([&] { return noAnswer.match(pane()).hasMatch(); }, kSilenceNoticedMs))
        << pane().toStdString();
    EXPECT_FALSE(frame->logic().link().offline()) << "a silent meter keeps the program on-line";

    meter.script([](sim::MeterSimulator& s) { s.setSilent(false); });
    EXPECT_TRUE(paneSaysSoon(port + "meter connected", kSilenceNoticedMs)) << pane().toStdString();
}

TEST_F(LinkStatusOverPty, AMissingDeviceIsNamedAsSuch)
{
    openWindowOn("/dev/brivon-no-such-port");
    EXPECT_TRUE(paneSaysSoon("COM1 (/dev/brivon-no-such-port): no such device")) << pane().toStdString();
}

}  // namespace
}  // namespace brivon
