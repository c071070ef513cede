#include "core/link/FrameDecoder.h"

#include "core/measure/Units.h"
#include "sim/MeasurementFrame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brivon {
namespace {

using sim::ClockDisplay;
using sim::frameBytes;
using sim::FrameContent;
using sim::MemoryIndicator;
using sim::MeterMode;

constexpr bool kLux = false, kFootCandles = true;
constexpr sim::MeterClock kMeterClock { 2024, 5, 17, 13, 45, 9 };  // a Friday

// A frame on the 4k lux range, the meter's clock at kMeterClock, sampling every 5 s.
FrameContent content()
{
    return { .clock = kMeterClock, .samplingInterval = 5, .rangeIndex = 2 };
}

// A lux frame on range `range` whose graph and display counts are both `count`.
std::vector<std::uint8_t> luxFrame(int count, int range)
{
    FrameContent frame;
    frame.graphCount = frame.displayCount = count;
    frame.rangeIndex = range;
    return frameBytes(frame);
}

std::string rangeName(int range, bool footCandle)
{
    return (footCandle ? "FootCandlesRange" : "LuxRange") + std::to_string(range);
}

struct DisplayCase {
    int range;
    bool footCandle;
    int displayCount;
    const char* readingText;
    const char* unitText;
    const char* rangeText;
    int barCount;
};

class DisplayTable : public ::testing::TestWithParam<DisplayCase> { };

TEST_P(DisplayTable, FormatsTheDisplayCountByRangeAndUnit)
{
    const DisplayCase c = GetParam();
    FrameContent frame = content();
    frame.rangeIndex = c.range;
    frame.footCandle = c.footCandle;
    frame.displayCount = c.displayCount;
    link::FrameDecoder decoder;
    const link::Reading r = decoder.decode(frameBytes(frame)).reading;
    EXPECT_EQ(r.readingText, c.readingText);
    EXPECT_EQ(r.unitText, c.unitText);
    EXPECT_EQ(r.rangeText, c.rangeText);
    EXPECT_EQ(r.barCount, c.barCount);
}

INSTANTIATE_TEST_SUITE_P(LuxAndFootCandles, DisplayTable,
    ::testing::Values(DisplayCase { 0, kLux, 1234, "123.4", "KLux", "400k", 12 },
        DisplayCase { 1, kLux, 3999, "399.9", "Lux", "400", 39 },
        DisplayCase { 2, kLux, 3999, "3999", "Lux", "4k", 39 },
        DisplayCase { 2, kLux, 4000, "OL", "Lux", "4k", 40 },
        DisplayCase { 3, kLux, 1234, "12.34", "KLux", "40k", 12 },
        DisplayCase { 3, kLux, 4000, "OL", "KLux", "40k", 40 },
        DisplayCase { 0, kFootCandles, 3801, "38.01", "KFC", "40k", 38 },
        DisplayCase { 0, kFootCandles, 3802, "OL", "KFC", "40k", 40 },
        DisplayCase { 1, kFootCandles, 3802, "38.02", "FC", "40", 38 },
        DisplayCase { 1, kFootCandles, 3803, "OL", "FC", "40", 40 },
        DisplayCase { 2, kFootCandles, 3801, "380.1", "FC", "400", 38 },
        DisplayCase { 2, kFootCandles, 3802, "OL", "FC", "400", 40 },
        DisplayCase { 3, kFootCandles, 3801, "3801", "FC", "4k", 38 },
        DisplayCase { 3, kFootCandles, 3802, "OL", "FC", "4k", 40 }),
    [](const auto& param) {
        return rangeName(param.param.range, param.param.footCandle) + "Count"
            + std::to_string(param.param.displayCount);
    });

struct GainCase {
    int range;
    bool footCandle;
    int yGain;
};

class GainTable : public ::testing::TestWithParam<GainCase> { };

TEST_P(GainTable, FirstFrameAlwaysChangesTheScale)
{
    FrameContent frame = content();
    frame.rangeIndex = GetParam().range;
    frame.footCandle = GetParam().footCandle;
    link::FrameDecoder decoder;
    const link::DecodedFrame decoded = decoder.decode(frameBytes(frame));
    EXPECT_TRUE(decoded.scaleChanged);
    EXPECT_EQ(decoded.yGain, GetParam().yGain);
    EXPECT_FALSE(decoder.decode(frameBytes(frame)).scaleChanged);
}

INSTANTIATE_TEST_SUITE_P(RangesAndUnits, GainTable,
    ::testing::Values(GainCase { 0, kLux, 40000 }, GainCase { 1, kLux, 40 }, GainCase { 2, kLux, 400 },
        GainCase { 3, kLux, 4000 }, GainCase { 0, kFootCandles, 4000 }, GainCase { 1, kFootCandles, 4 },
        GainCase { 2, kFootCandles, 40 }, GainCase { 3, kFootCandles, 400 }),
    [](const auto& param) { return rangeName(param.param.range, param.param.footCandle); });

TEST(FrameDecoder, GraphValueIsInLuxForBothUnits)
{
    link::FrameDecoder decoder;
    FrameContent frame = content();
    frame.graphCount = 1000;
    frame.rangeIndex = 3;  // graph factor 10
    EXPECT_FLOAT_EQ(decoder.decode(frameBytes(frame)).reading.graphValue, 10000.0f);
    frame.footCandle = true;  // a unit change alone does not trigger the hold
    EXPECT_FLOAT_EQ(decoder.decode(frameBytes(frame)).reading.graphValue, 10000.0f * 1.076f);
}

TEST(FrameDecoder, OverRangeStoresTheMarkerAndShowsTheFootCandleFullScale)
{
    link::FrameDecoder decoder;
    FrameContent frame = content();
    frame.rangeIndex = 1;
    frame.footCandle = true;
    frame.displayCount = 3803;
    frame.negative = true;
    const link::Reading r = decoder.decode(frameBytes(frame)).reading;
    EXPECT_EQ(r.readingText, "-OL");
    EXPECT_TRUE(measure::isOverRange(r.graphValue));
    EXPECT_FLOAT_EQ(r.displayValue, 40.0f);
}

TEST(FrameDecoder, RangeChangeHoldsTheOldValueForThreeFrames)
{
    link::FrameDecoder decoder;
    decoder.decode(luxFrame(500, 2));  // 500 lux
    decoder.decode(luxFrame(600, 2));  // 600 lux, the held value
    std::vector<float> values;
    for (int i = 0; i < 4; ++i)
        values.push_back(decoder.decode(luxFrame(100, 3)).reading.graphValue);
    EXPECT_EQ(values, (std::vector<float> { 600.0f, 600.0f, 600.0f, 1000.0f }));
}

TEST(FrameDecoder, FirstFrameDoesNotHold)
{
    link::FrameDecoder decoder;
    EXPECT_FLOAT_EQ(decoder.decode(luxFrame(100, 3)).reading.graphValue, 1000.0f);
    EXPECT_FLOAT_EQ(decoder.decode(luxFrame(200, 3)).reading.graphValue, 2000.0f);
}

TEST(FrameDecoder, StatusByteGivesMemoryNegativeAndTime)
{
    FrameContent frame = content();
    frame.negative = true;
    frame.memory = MemoryIndicator::Recalled;
    frame.memoryNumberB = 7;
    frame.displayCount = 12;
    link::FrameDecoder decoder;
    const link::Reading r = decoder.decode(frameBytes(frame)).reading;
    EXPECT_EQ(r.memoryFlagText, "MEM");
    EXPECT_EQ(r.memoryNumberText, "07");
    EXPECT_EQ(r.readingText, "-12");
    EXPECT_EQ(r.clockLabel, "Time");
    EXPECT_EQ(r.clockText, "13:45:09");
}

struct ClockCase {
    ClockDisplay display;
    MemoryIndicator memory;
    sim::MeterClock clock;
    const char* label;
    const char* text;
    const char* memoryFlag;
    const char* memoryNumber;
};

class StatusClockDisplay : public ::testing::TestWithParam<ClockCase> { };

TEST_P(StatusClockDisplay, ShowsWhatTheStatusByteSelects)
{
    FrameContent frame = content();
    frame.clockDisplay = GetParam().display;
    frame.memory = GetParam().memory;
    frame.clock = GetParam().clock;
    frame.memoryNumberA = 42;
    link::FrameDecoder decoder;
    const link::Reading r = decoder.decode(frameBytes(frame)).reading;
    EXPECT_EQ(r.clockLabel, GetParam().label);
    EXPECT_EQ(r.clockText, GetParam().text);
    EXPECT_EQ(r.memoryFlagText, GetParam().memoryFlag);
    EXPECT_EQ(r.memoryNumberText, GetParam().memoryNumber);
}

// The day display leads with the weekday (1 = Monday): 2023-05-17 was a Wednesday.
constexpr sim::MeterClock kWednesday { 2023, 5, 17, 13, 45, 9 };

INSTANTIATE_TEST_SUITE_P(StatusBits, StatusClockDisplay,
    ::testing::Values(ClockCase { ClockDisplay::Time, MemoryIndicator::None, kMeterClock, "Time", "13:45:09",
                          "   ", "   " },
        ClockCase { ClockDisplay::Day, MemoryIndicator::Stored, kWednesday, "Day", "3 05 17", "MEM", "42" },
        ClockCase {
            ClockDisplay::Sampling, MemoryIndicator::Recording, kMeterClock, "Sampling", "05", "REC", "   " },
        ClockCase { ClockDisplay::Year, MemoryIndicator::None, kMeterClock, "Year", "2024", "   ", "   " }),
    [](const auto& param) { return std::string(param.param.label); });

TEST(FrameDecoder, ModeBitsSetTheModeTextAndUnknownOnesKeepIt)
{
    link::FrameDecoder decoder;
    FrameContent frame = content();
    const auto modeTextFor = [&](MeterMode mode, bool hold = false) {
        frame.mode = mode;
        frame.hold = hold;
        return decoder.decode(frameBytes(frame)).reading.modeText;
    };
    // Mode bit patterns the meter never sends.
    const auto unknown08 = static_cast<MeterMode>(0x08), unknown38 = static_cast<MeterMode>(0x38);
    EXPECT_EQ(modeTextFor(MeterMode::None), "    ");
    EXPECT_EQ(modeTextFor(MeterMode::Max), "MAX ");
    EXPECT_EQ(modeTextFor(unknown08), "MAX ");
    EXPECT_EQ(modeTextFor(MeterMode::PeakMin), "PMIN");
    EXPECT_EQ(modeTextFor(unknown38), "PMIN");
    EXPECT_EQ(modeTextFor(MeterMode::PeakMax), "PMAX");
    EXPECT_EQ(modeTextFor(MeterMode::Min), "MIN ");
    EXPECT_EQ(modeTextFor(MeterMode::Rel, true), "Manu");
    EXPECT_EQ(decoder.decode(frameBytes(frame)).reading.holdText, "HOLD");
}

TEST(FrameDecoder, LowBatteryStaysUntilTheWatchIsRearmed)
{
    link::FrameDecoder decoder;
    FrameContent frame = content();
    decoder.decode(frameBytes(frame));
    EXPECT_FALSE(decoder.lowBattery());
    frame.lowBattery = true;
    decoder.decode(frameBytes(frame));
    frame.lowBattery = false;
    decoder.decode(frameBytes(frame));
    EXPECT_TRUE(decoder.lowBattery());
    decoder.rearmBatteryWatch();
    decoder.decode(frameBytes(frame));
    EXPECT_FALSE(decoder.lowBattery());
}

}  // namespace
}  // namespace brivon
