#include "SimTestSupport.h"

#include "core/link/ScaleTables.h"

#include <gtest/gtest.h>

namespace brivon::sim {
namespace {

using link::protocol::Key;
using support::press;
using support::readOnce;

class MeterKeys : public ::testing::Test {
protected:
    MeterKeys()
    {
        sim.model().setRange(2);
        sim.model().setClock(kClock);
    }

    void measure(std::vector<double> lux) { sim.model().setPattern(ValuePattern::sequence(std::move(lux))); }

    static constexpr MeterClock kClock { 2026, 3, 14, 9, 26, 53 };
    MeterSimulator sim;
};

TEST_F(MeterKeys, HoldFreezesTheDisplayWhileTheGraphFollowsTheLight)
{
    measure({ 100.0, 200.0, 300.0 });
    readOnce(sim);
    press(sim, Key::HoldClick);
    const link::Reading held = readOnce(sim);
    EXPECT_TRUE(held.hold);
    EXPECT_EQ(held.readingText, "100");
    EXPECT_FLOAT_EQ(held.graphValue, 200.0f);

    press(sim, Key::HoldClick);
    const link::Reading released = readOnce(sim);
    EXPECT_FALSE(released.hold);
    EXPECT_EQ(released.readingText, "300");
}

TEST_F(MeterKeys, RangeStepsThroughTheFullScalesAndWraps)
{
    sim.model().setRange(1);
    std::vector<std::string> rangeTexts;
    for (int i = 0; i < link::kRangeCount + 1; ++i) {
        rangeTexts.push_back(readOnce(sim).rangeText);
        press(sim, Key::RangeClick);
    }
    EXPECT_EQ(rangeTexts, (std::vector<std::string> { "400", "4k", "40k", "400k", "400" }));
}

TEST_F(MeterKeys, FcLuxSwitchesTheUnitAndBack)
{
    measure({ 1076.0 });
    press(sim, Key::FcLuxClick);
    const link::Reading fc = readOnce(sim);
    EXPECT_EQ(fc.unitText, "FC");
    EXPECT_EQ(fc.readingText, "100.0");
    EXPECT_NEAR(fc.graphValue, 1076.0f, 0.6f);
    press(sim, Key::FcLuxClick);
    EXPECT_EQ(readOnce(sim).unitText, "Lux");
}

TEST_F(MeterKeys, MaxMinStepsMaxThenMinThenOff)
{
    measure({ 200.0, 500.0, 300.0, 100.0, 400.0 });
    readOnce(sim);  // 200
    press(sim, Key::MaxMinClick);
    link::Reading r = readOnce(sim);  // 500
    EXPECT_EQ(r.modeText, "MAX ");
    EXPECT_EQ(r.readingText, "500");
    EXPECT_EQ(readOnce(sim).readingText, "500");  // 300 measured, maximum kept

    press(sim, Key::MaxMinClick);
    r = readOnce(sim);  // 100
    EXPECT_EQ(r.modeText, "MIN ");
    EXPECT_EQ(r.readingText, "100");
    EXPECT_EQ(readOnce(sim).readingText, "100");  // 400 measured, minimum kept

    press(sim, Key::MaxMinClick);
    r = readOnce(sim);  // 200
    EXPECT_EQ(r.modeText, "    ");
    EXPECT_EQ(r.readingText, "200");
}

TEST_F(MeterKeys, PeakStepsPeakMaxThenPeakMinAndDoubleClickLeaves)
{
    press(sim, Key::PeakClick);
    EXPECT_EQ(readOnce(sim).modeText, "PMAX");
    press(sim, Key::PeakClick);
    EXPECT_EQ(readOnce(sim).modeText, "PMIN");
    press(sim, Key::PeakDoubleClick);
    EXPECT_EQ(readOnce(sim).modeText, "    ");
}

TEST_F(MeterKeys, RelShowsTheDifferenceToTheReferenceWithItsSign)
{
    measure({ 250.0, 300.0, 200.0 });
    readOnce(sim);
    press(sim, Key::RelClick);
    link::Reading r = readOnce(sim);
    EXPECT_EQ(r.modeText, "Manu");
    EXPECT_EQ(r.readingText, "50");
    r = readOnce(sim);
    EXPECT_EQ(r.readingText, "-50");
    EXPECT_TRUE(r.negative);
    EXPECT_FLOAT_EQ(r.graphValue, 200.0f);  // the graph keeps the light itself

    press(sim, Key::RelClick);
    EXPECT_EQ(readOnce(sim).readingText, "250");
}

TEST_F(MeterKeys, MemSetStoresTheDisplayedValueAndShowsItsNumber)
{
    measure({ 1234.0, 2000.0 });
    readOnce(sim);
    press(sim, Key::MaxMinClick);
    press(sim, Key::MemSetClick);
    const link::Reading r = readOnce(sim);
    EXPECT_EQ(r.memoryFlagText, "MEM");
    EXPECT_EQ(r.memoryNumberText, "01");

    ASSERT_EQ(sim.model().storage().memory().size(), 1u);
    const MemoryRecord& record = sim.model().storage().memory().front();
    EXPECT_DOUBLE_EQ(record.lux, 1234.0);
    EXPECT_EQ(record.type, MeterMode::Max);
    EXPECT_EQ(record.rangeIndex, 2);
    EXPECT_EQ(record.time.minute, kClock.minute);

    press(sim, Key::HoldClick);  // the next key clears the indication
    EXPECT_EQ(readOnce(sim).memoryFlagText, "   ");
}

TEST_F(MeterKeys, MemSetStopsAtTheMemoryCapacity)
{
    measure({ 10.0 });
    readOnce(sim);
    for (int i = 0; i < kMemoryCapacity + 5; ++i)
        press(sim, Key::MemSetClick);
    EXPECT_EQ(sim.model().storage().memory().size(), static_cast<std::size_t>(kMemoryCapacity));
    EXPECT_EQ(readOnce(sim).memoryNumberText, "99");
}

TEST_F(MeterKeys, LoadRecallsTheStoredRecordsInTurnAndDoubleClickLeaves)
{
    sim.model().storage().storeMemory({ kClock, 111.0, 2, false, MeterMode::None, false });
    sim.model().storage().storeMemory({ kClock, 222.0, 2, false, MeterMode::None, true });
    measure({ 999.0 });

    press(sim, Key::LoadClick);
    link::Reading r = readOnce(sim);
    EXPECT_EQ(r.memoryFlagText, "MEM");
    EXPECT_EQ(r.memoryNumberText, "01");
    EXPECT_EQ(r.readingText, "111");
    press(sim, Key::LoadClick);
    r = readOnce(sim);
    EXPECT_EQ(r.memoryNumberText, "02");
    EXPECT_EQ(r.readingText, "-222");
    press(sim, Key::LoadClick);
    EXPECT_EQ(readOnce(sim).memoryNumberText, "01");

    press(sim, Key::LoadDoubleClick);
    r = readOnce(sim);
    EXPECT_EQ(r.memoryFlagText, "   ");
    EXPECT_EQ(r.readingText, "999");
}

TEST_F(MeterKeys, MemSetDoubleClickRecordsALoggerSetAtTheSamplingInterval)
{
    sim.model().setSamplingInterval(2);
    measure({ 100.0, 110.0, 120.0, 130.0 });
    press(sim, Key::MemSetDoubleClick);
    EXPECT_EQ(readOnce(sim).memoryFlagText, "REC");  // first record at once
    readOnce(sim);  // 1 s later by the clock: not yet
    sim.model().setClock(advancedBy(kClock, 2));
    readOnce(sim);
    press(sim, Key::MemSetDoubleClick);
    EXPECT_EQ(readOnce(sim).memoryFlagText, "   ");

    ASSERT_EQ(sim.model().storage().loggerSets().size(), 1u);
    const LoggerSet& set = sim.model().storage().loggerSets().front();
    EXPECT_EQ(set.samplingInterval, 2);
    EXPECT_EQ(set.start.second, kClock.second);
    ASSERT_EQ(set.records.size(), 2u);
    EXPECT_DOUBLE_EQ(set.records[0].lux, 100.0);
    EXPECT_DOUBLE_EQ(set.records[1].lux, 120.0);
}

TEST_F(MeterKeys, UnknownKeyCodesAndExitChangeNothing)
{
    measure({ 321.0 });
    const std::vector<std::uint8_t> before = support::pollOnce(sim);
    press(sim, Key::ProgramExit);
    sim.receive(std::vector<std::uint8_t> { 0x87, 0x83, 0x00 });
    EXPECT_EQ(support::pollOnce(sim), before);
    EXPECT_EQ(sim.exitCommands(), 1);
}

TEST(MeterPower, PowerOffSilencesTheMeterUntilSwitchedOn)
{
    MeterSimulator sim;
    sim.model().setHold(true);
    const std::vector<std::uint8_t> offThrice { 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03, 0x11 };
    EXPECT_TRUE(sim.receive(offThrice).empty());
    EXPECT_TRUE(sim.poweredOff());
    EXPECT_TRUE(support::pollOnce(sim).empty());
    support::press(sim, Key::HoldClick);  // ignored while off

    sim.powerOn();
    const link::Reading r = readOnce(sim);
    EXPECT_FALSE(r.hold);  // switched on afresh
}

TEST(MeterPower, SilentMeterAnswersNothingAndIgnoresKeys)
{
    MeterSimulator sim;
    sim.setSilent(true);
    support::press(sim, Key::HoldClick);
    EXPECT_TRUE(support::pollOnce(sim).empty());
    sim.setSilent(false);
    EXPECT_FALSE(readOnce(sim).hold);
}

}  // namespace
}  // namespace brivon::sim
