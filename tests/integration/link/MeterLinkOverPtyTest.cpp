// The program's link (CMSComm, Qt timers, the core link) against the
// simulated meter on a real pseudo-terminal, paced at 9600 baud so that
// frames arrive in pieces.

#include "core/link/MainTimers.h"
#include "core/link/MeterLink.h"
#include "sim/PtyMeter.h"
#include "ui/link/CMSComm.h"
#include "ui/link/QtTimers.h"

#include <QTest>

#include <gtest/gtest.h>

namespace brivon {
namespace {

using namespace std::chrono_literals;

constexpr int kPort = 1;
constexpr int kWaitMs = 3000;

struct ReadingSink : link::ReceiveSink {
    void measurementReceived(const link::MeasurementUpdate& update) override
    {
        readings.push_back(update.frame.reading);
    }
    std::vector<link::Reading> readings;
};

class MeterLinkOverPty : public ::testing::Test {
protected:
    MeterLinkOverPty()
        : meter(paced())
        , port(portMap())
        , link(port, timers, clock, sink)
    {
        meter.script([](sim::MeterSimulator& s) { s.model().setValue(1234.0); });
        timers.setHandler([this](int id) {
            timers.stop(id);
            if (id == link::main_timers::kPoll) link.pollTimerExpired();
        });
        link.create(kPort);
    }

    static sim::PtyMeterOptions paced()
    {
        sim::PtyMeterOptions options;
        options.pace = true;
        return options;
    }
    link::PortMap portMap() const
    {
        link::PortMap map;
        map.setPath(kPort, meter.slavePath());
        return map;
    }
    bool waitForReadings(std::size_t count)
    {
        return QTest::qWaitFor([&] { return sink.readings.size() >= count; }, kWaitMs);
    }

    sim::PtyMeter meter;
    ui::CMSComm port;
    ui::QtTimers timers;
    platform::SystemClock clock;
    ReadingSink sink;
    link::MeterLink link;
};

TEST_F(MeterLinkOverPty, PacedFramesAreReassembledAndPollsKeepComing)
{
    ASSERT_TRUE(waitForReadings(5));
    for (const link::Reading& r : sink.readings) {
        EXPECT_EQ(r.readingText, "1234");
        EXPECT_EQ(r.unitText, "Lux");
        EXPECT_FLOAT_EQ(r.graphValue, 1234.0f);
    }
    const auto received = meter.received().bytes();
    EXPECT_GE(std::count(received.begin(), received.end(), link::protocol::kPoll), 5);
}

TEST_F(MeterLinkOverPty, HoldKeyReachesTheMeterAndTheNextFramesShowIt)
{
    ASSERT_TRUE(waitForReadings(1));
    link.commands().closeForKey();
    link.commands().sendKey(link::protocol::Key::HoldClick);
    const std::uint8_t hold[] = { 0x87, 0x83, 0xEF };
    ASSERT_TRUE(meter.received().waitForPattern(hold, 1000ms));
    link.serialLink().restartLink();
    const std::size_t before = sink.readings.size();
    ASSERT_TRUE(waitForReadings(before + 2));
    EXPECT_EQ(sink.readings.back().holdText, "HOLD");
}

TEST_F(MeterLinkOverPty, PowerOffSilencesTheMeter)
{
    ASSERT_TRUE(waitForReadings(1));
    link.commands().powerOff();
    const std::uint8_t powerOff[] = { 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03 };
    ASSERT_TRUE(meter.received().waitForPattern(powerOff, 1000ms));
    QTest::qWait(200);
    const std::size_t afterOff = sink.readings.size();
    link.serialLink().restartLink();
    QTest::qWait(300);
    EXPECT_EQ(sink.readings.size(), afterOff);
}

}  // namespace
}  // namespace brivon
