#include "core/link/FrameDecoder.h"

#include "core/measure/Units.h"
#include "support/MeasurementFrame.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

using testing::MeasurementFrame;

constexpr std::uint8_t kFootCandle = 0x04;

struct DisplayCase {
    std::uint8_t mode;
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
    MeasurementFrame frame;
    frame.mode = c.mode;
    frame.displayCount = c.displayCount;
    FrameDecoder decoder;
    const Reading r = decoder.decode(frame.bytes()).reading;
    EXPECT_EQ(r.readingText, c.readingText);
    EXPECT_EQ(r.unitText, c.unitText);
    EXPECT_EQ(r.rangeText, c.rangeText);
    EXPECT_EQ(r.barCount, c.barCount);
}

INSTANTIATE_TEST_SUITE_P(LuxAndFootCandles, DisplayTable,
    ::testing::Values(DisplayCase { 0, 1234, "123.4", "KLux", "400k", 12 },
        DisplayCase { 1, 3999, "399.9", "Lux", "400", 39 }, DisplayCase { 2, 3999, "3999", "Lux", "4k", 39 },
        DisplayCase { 2, 4000, "OL", "Lux", "4k", 40 }, DisplayCase { 3, 1234, "12.34", "KLux", "40k", 12 },
        DisplayCase { 3, 4000, "OL", "KLux", "40k", 40 },
        DisplayCase { kFootCandle | 0, 3801, "38.01", "KFC", "40k", 38 },
        DisplayCase { kFootCandle | 0, 3802, "OL", "KFC", "40k", 40 },
        DisplayCase { kFootCandle | 1, 3802, "38.02", "FC", "40", 38 },
        DisplayCase { kFootCandle | 1, 3803, "OL", "FC", "40", 40 },
        DisplayCase { kFootCandle | 2, 3801, "380.1", "FC", "400", 38 },
        DisplayCase { kFootCandle | 2, 3802, "OL", "FC", "400", 40 },
        DisplayCase { kFootCandle | 3, 3801, "3801", "FC", "4k", 38 },
        DisplayCase { kFootCandle | 3, 3802, "OL", "FC", "4k", 40 }));

struct GainCase {
    std::uint8_t mode;
    int yGain;
};

class GainTable : public ::testing::TestWithParam<GainCase> { };

TEST_P(GainTable, FirstFrameAlwaysChangesTheScale)
{
    MeasurementFrame frame;
    frame.mode = GetParam().mode;
    FrameDecoder decoder;
    const DecodedFrame decoded = decoder.decode(frame.bytes());
    EXPECT_TRUE(decoded.scaleChanged);
    EXPECT_EQ(decoded.yGain, GetParam().yGain);
    EXPECT_FALSE(decoder.decode(frame.bytes()).scaleChanged);
}

INSTANTIATE_TEST_SUITE_P(RangesAndUnits, GainTable,
    ::testing::Values(GainCase { 0, 40000 }, GainCase { 1, 40 }, GainCase { 2, 400 }, GainCase { 3, 4000 },
        GainCase { kFootCandle | 0, 4000 }, GainCase { kFootCandle | 1, 4 }, GainCase { kFootCandle | 2, 40 },
        GainCase { kFootCandle | 3, 400 }));

TEST(FrameDecoder, GraphValueIsInLuxForBothUnits)
{
    FrameDecoder decoder;
    MeasurementFrame frame;
    frame.graphCount = 1000;
    frame.mode = 3;  // graph factor 10
    EXPECT_FLOAT_EQ(decoder.decode(frame.bytes()).reading.graphValue, 10000.0f);
    frame.mode = kFootCandle | 3;  // a unit change alone does not trigger the hold
    EXPECT_FLOAT_EQ(decoder.decode(frame.bytes()).reading.graphValue, 10000.0f * 1.076f);
}

TEST(FrameDecoder, OverRangeStoresTheMarkerAndShowsTheFootCandleFullScale)
{
    FrameDecoder decoder;
    MeasurementFrame frame;
    frame.mode = kFootCandle | 1;
    frame.displayCount = 3803;
    frame.status = 0x10;  // negative
    const Reading r = decoder.decode(frame.bytes()).reading;
    EXPECT_EQ(r.readingText, "-OL");
    EXPECT_TRUE(measure::isOverRange(r.graphValue));
    EXPECT_FLOAT_EQ(r.displayValue, 40.0f);
}

TEST(FrameDecoder, RangeChangeHoldsTheOldValueForThreeFrames)
{
    FrameDecoder decoder;
    decoder.decode(testing::luxFrame(500, 2));  // 500 lux
    decoder.decode(testing::luxFrame(600, 2));  // 600 lux, the held value
    std::vector<float> values;
    for (int i = 0; i < 4; ++i)
        values.push_back(decoder.decode(testing::luxFrame(100, 3)).reading.graphValue);
    EXPECT_EQ(values, (std::vector<float> { 600.0f, 600.0f, 600.0f, 1000.0f }));
}

TEST(FrameDecoder, FirstFrameDoesNotHold)
{
    FrameDecoder decoder;
    EXPECT_FLOAT_EQ(decoder.decode(testing::luxFrame(100, 3)).reading.graphValue, 1000.0f);
    EXPECT_FLOAT_EQ(decoder.decode(testing::luxFrame(200, 3)).reading.graphValue, 2000.0f);
}

TEST(FrameDecoder, StatusByteGivesMemoryNegativeAndTime)
{
    MeasurementFrame frame;
    frame.status = 0x12;
    frame.memoryB = 7;
    frame.displayCount = 12;
    FrameDecoder decoder;
    const Reading r = decoder.decode(frame.bytes()).reading;
    EXPECT_EQ(r.memoryFlagText, "MEM");
    EXPECT_EQ(r.memoryNumberText, "07");
    EXPECT_EQ(r.readingText, "-12");
    EXPECT_EQ(r.clockLabel, "Time");
    EXPECT_EQ(r.clockText, "13:45:09");
}

struct ClockCase {
    std::uint8_t status;
    const char* label;
    const char* text;
    const char* memoryFlag;
    const char* memoryNumber;
};

class ClockDisplay : public ::testing::TestWithParam<ClockCase> { };

TEST_P(ClockDisplay, ShowsWhatTheStatusByteSelects)
{
    MeasurementFrame frame;
    frame.status = GetParam().status;
    frame.memoryA = 42;
    FrameDecoder decoder;
    const Reading r = decoder.decode(frame.bytes()).reading;
    EXPECT_EQ(r.clockLabel, GetParam().label);
    EXPECT_EQ(r.clockText, GetParam().text);
    EXPECT_EQ(r.memoryFlagText, GetParam().memoryFlag);
    EXPECT_EQ(r.memoryNumberText, GetParam().memoryNumber);
}

INSTANTIATE_TEST_SUITE_P(StatusBits, ClockDisplay,
    ::testing::Values(ClockCase { 0x00, "Time", "13:45:09", "   ", "   " },
        ClockCase { 0x05, "Day", "3 05 17", "MEM", "42" }, ClockCase { 0x0B, "Sampling", "05", "REC", "   " },
        ClockCase { 0x0C, "Year", "2024", "   ", "   " }));

TEST(FrameDecoder, ModeBitsSetTheModeTextAndUnknownOnesKeepIt)
{
    FrameDecoder decoder;
    MeasurementFrame frame;
    const auto modeTextFor = [&](std::uint8_t modeBits) {
        frame.mode = static_cast<std::uint8_t>(2 | modeBits);
        return decoder.decode(frame.bytes()).reading.modeText;
    };
    EXPECT_EQ(modeTextFor(0x00), "    ");
    EXPECT_EQ(modeTextFor(0x20), "MAX ");
    EXPECT_EQ(modeTextFor(0x08), "MAX ");
    EXPECT_EQ(modeTextFor(0x10), "PMIN");
    EXPECT_EQ(modeTextFor(0x38), "PMIN");
    EXPECT_EQ(modeTextFor(0x18), "PMAX");
    EXPECT_EQ(modeTextFor(0x28), "MIN ");
    EXPECT_EQ(modeTextFor(0x30 | 0x40), "Manu");
    EXPECT_EQ(decoder.decode(frame.bytes()).reading.holdText, "HOLD");
}

TEST(FrameDecoder, LowBatteryStaysUntilTheWatchIsRearmed)
{
    FrameDecoder decoder;
    MeasurementFrame frame;
    decoder.decode(frame.bytes());
    EXPECT_EQ(decoder.batteryText(), "Normal");
    frame.status = 0x20;
    decoder.decode(frame.bytes());
    frame.status = 0x00;
    decoder.decode(frame.bytes());
    EXPECT_EQ(decoder.batteryText(), "Low");
    decoder.rearmBatteryWatch();
    decoder.decode(frame.bytes());
    EXPECT_EQ(decoder.batteryText(), "Normal");
}

}  // namespace
}  // namespace brivon
