#include "SimTestSupport.h"

#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"
#include "sim/MeterCounts.h"

#include <gtest/gtest.h>

#include <string>

namespace brivon::sim {
namespace {

using support::readOnce;

std::string rangeName(int range, bool footCandle)
{
    return (footCandle ? "FootCandlesRange" : "LuxRange") + std::to_string(range);
}

struct ValueCase {
    int range;
    bool footCandle;
    double lux;
    const char* readingText;
    const char* unitText;
    const char* rangeText;
};

class MeasurementFrameValue : public ::testing::TestWithParam<ValueCase> { };

TEST_P(MeasurementFrameValue, DecodesToTheMeasuredValueInEveryRangeAndUnit)
{
    const ValueCase& c = GetParam();
    MeterSimulator sim;
    sim.model().setValue(c.lux);
    sim.model().setRange(c.range);
    sim.model().setFootCandle(c.footCandle);

    const link::Reading r = readOnce(sim);
    EXPECT_EQ(r.rangeIndex, c.range);
    EXPECT_EQ(r.footCandle, c.footCandle ? 1 : 0);
    EXPECT_EQ(r.readingText, c.readingText);
    EXPECT_EQ(r.unitText, c.unitText);
    EXPECT_EQ(r.rangeText, c.rangeText);
    // The graph value is the lux value to within half a count.
    const double halfCount = luxFor(1, c.range, c.footCandle) / 2;
    EXPECT_NEAR(r.graphValue, c.lux, halfCount + 1e-3);
    EXPECT_FALSE(r.negative);
}

INSTANTIATE_TEST_SUITE_P(Ranges, MeasurementFrameValue,
    ::testing::Values(ValueCase { 0, false, 123400.0, "123.4", "KLux", "400k" },
        ValueCase { 1, false, 123.4, "123.4", "Lux", "400" },
        ValueCase { 2, false, 2345.0, "2345", "Lux", "4k" },
        ValueCase { 3, false, 12340.0, "12.34", "KLux", "40k" },
        ValueCase { 1, false, 0.0, "0.0", "Lux", "400" },
        ValueCase { 0, true, 200000.0, "18.59", "KFC", "40k" },
        ValueCase { 1, true, 200.0, "18.59", "FC", "40" },
        ValueCase { 2, true, 2000.0, "185.9", "FC", "400" },
        ValueCase { 3, true, 20000.0, "1859", "FC", "4k" }),
    [](const auto& param) {
        std::string reading = param.param.readingText;
        std::erase(reading, '.');
        return rangeName(param.param.range, param.param.footCandle) + "Reads" + reading;
    });

struct OverRangeCase {
    int range;
    bool footCandle;
    bool negative;
};

class MeasurementFrameOverRange : public ::testing::TestWithParam<OverRangeCase> { };

TEST_P(MeasurementFrameOverRange, ReadsOverRangeWhenForcedAndWhenTheLightExceedsTheRange)
{
    const OverRangeCase& c = GetParam();
    const std::string expected = c.negative ? "-OL" : "OL";
    for (const bool forced : { true, false }) {
        SCOPED_TRACE(forced ? "forced" : "beyond the range");
        MeterSimulator sim;
        sim.model().setRange(c.range);
        sim.model().setFootCandle(c.footCandle);
        sim.model().setNegative(c.negative);
        sim.model().setOverRange(forced);
        sim.model().setValue(forced ? 1.0 : luxFor(4100, c.range, c.footCandle));
        const link::Reading r = readOnce(sim);
        EXPECT_EQ(r.readingText, expected);
        EXPECT_EQ(r.graphValue, measure::kOverRange);
        EXPECT_EQ(r.negative, c.negative);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, MeasurementFrameOverRange,
    ::testing::Values(OverRangeCase { 0, false, false }, OverRangeCase { 1, false, true },
        OverRangeCase { 2, false, false }, OverRangeCase { 3, false, false },
        OverRangeCase { 0, true, false }, OverRangeCase { 1, true, false }, OverRangeCase { 2, true, true },
        OverRangeCase { 3, true, false }),
    [](const auto& param) {
        return rangeName(param.param.range, param.param.footCandle)
            + (param.param.negative ? "Negative" : "");
    });

TEST(MeasurementFrame, NegativeSignAndLowBatteryReachTheReading)
{
    MeterSimulator sim;
    sim.model().setRange(1);
    sim.model().setValue(12.5);
    sim.model().setNegative(true);
    sim.model().setLowBattery(true);
    const link::Reading r = readOnce(sim);
    EXPECT_EQ(r.readingText, "-12.5");
    EXPECT_TRUE(r.lowBattery);
}

struct ClockCase {
    ClockDisplay display;
    const char* label;
    const char* text;
};

class MeasurementFrameClock : public ::testing::TestWithParam<ClockCase> { };

TEST_P(MeasurementFrameClock, CarriesTheMetersClockInEachClockDisplay)
{
    MeterSimulator sim;
    sim.model().setClock({ 2026, 12, 8, 23, 5, 9 });  // a Tuesday
    sim.model().setSamplingInterval(30);
    sim.model().setClockDisplay(GetParam().display);
    const link::Reading r = readOnce(sim);
    EXPECT_EQ(r.year, 2026);
    EXPECT_EQ(r.month, 12);
    EXPECT_EQ(r.day, 8);
    EXPECT_EQ(r.hour, 23);
    EXPECT_EQ(r.minute, 5);
    EXPECT_EQ(r.second, 9);
    EXPECT_EQ(r.clockLabel, GetParam().label);
    EXPECT_EQ(r.clockText, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Displays, MeasurementFrameClock,
    ::testing::Values(ClockCase { ClockDisplay::Time, "Time", "23:05:09" },
        ClockCase { ClockDisplay::Day, "Day", "2 12 08" },
        ClockCase { ClockDisplay::Sampling, "Sampling", "30" },
        ClockCase { ClockDisplay::Year, "Year", "2026" }),
    [](const auto& param) { return std::string(param.param.label); });

struct IndicatorCase {
    MemoryIndicator indicator;
    int number;
    const char* flag;
    const char* numberText;
};

class MeasurementFrameMemoryIndicator : public ::testing::TestWithParam<IndicatorCase> { };

TEST_P(MeasurementFrameMemoryIndicator, CarriesTheIndicatorWithItsNumber)
{
    MeterSimulator sim;
    sim.model().setMemoryIndicator(GetParam().indicator, GetParam().number);
    const link::Reading r = readOnce(sim);
    EXPECT_EQ(r.memoryFlagText, GetParam().flag);
    EXPECT_EQ(r.memoryNumberText, GetParam().numberText);
}

INSTANTIATE_TEST_SUITE_P(Indicators, MeasurementFrameMemoryIndicator,
    ::testing::Values(IndicatorCase { MemoryIndicator::None, 5, "   ", "   " },
        IndicatorCase { MemoryIndicator::Stored, 7, "MEM", "07" },
        IndicatorCase { MemoryIndicator::Recalled, 42, "MEM", "42" },
        IndicatorCase { MemoryIndicator::Recording, 3, "REC", "   " }),
    [](const auto& param) {
        switch (param.param.indicator) {
        case MemoryIndicator::None:
            return std::string("None");
        case MemoryIndicator::Stored:
            return std::string("Stored");
        case MemoryIndicator::Recalled:
            return std::string("Recalled");
        case MemoryIndicator::Recording:
            return std::string("Recording");
        }
        return std::string("Unknown");
    });

TEST(MeasurementFrame, ModeAndHoldBitsGiveThePanelTexts)
{
    MeterSimulator sim;
    const std::pair<MeterMode, const char*> modes[]
        = { { MeterMode::None, "    " }, { MeterMode::Max, "MAX " }, { MeterMode::Min, "MIN " },
              { MeterMode::PeakMax, "PMAX" }, { MeterMode::PeakMin, "PMIN" }, { MeterMode::Rel, "Manu" } };
    for (const auto& [mode, text] : modes) {
        sim.model().setMode(mode);
        EXPECT_EQ(readOnce(sim).modeText, text);
    }
    sim.model().setHold(true);
    const link::Reading held = readOnce(sim);
    EXPECT_TRUE(held.hold);
    EXPECT_EQ(held.holdText, "HOLD");
}

TEST(MeasurementFrame, SequenceOfValuesRepeats)
{
    MeterSimulator sim;
    sim.model().setRange(2);
    sim.model().setPattern(ValuePattern::sequence({ 100.0, 200.0, 300.0 }));
    std::vector<std::string> texts;
    for (int i = 0; i < 4; ++i)
        texts.push_back(readOnce(sim).readingText);
    EXPECT_EQ(texts, (std::vector<std::string> { "100", "200", "300", "100" }));
}

TEST(MeterCounts, RangeForPicksTheSmallestRangeThatShowsTheValue)
{
    EXPECT_EQ(rangeFor(350.0, false), 1);
    EXPECT_EQ(rangeFor(399.9, false), 2);  // too close to "OL" in 400
    EXPECT_EQ(rangeFor(3000.0, false), 2);
    EXPECT_EQ(rangeFor(30000.0, false), 3);
    EXPECT_EQ(rangeFor(300000.0, false), 0);
    EXPECT_EQ(rangeFor(9e6, false), 0);
    EXPECT_EQ(rangeFor(400.0, true), 1);  // 37.2 FC
}

}  // namespace
}  // namespace brivon::sim
