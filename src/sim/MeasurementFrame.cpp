#include "sim/MeasurementFrame.h"

#include "sim/MeterCounts.h"

namespace brivon::sim {
namespace {

// Frame offsets.
constexpr int kYear = 3, kDayLead = 4, kMonth = 5, kDay = 6, kHour = 7, kMinute = 8, kSecond = 9;
constexpr int kGraphHundreds = 10, kGraphUnits = 11, kDisplayHundreds = 12, kDisplayUnits = 13;
constexpr int kModeByte = 14, kStatusByte = 15, kMemoryA = 16, kMemoryB = 17, kSamplingInterval = 18;

// Mode byte.
constexpr std::uint8_t kRangeMask = 0x03, kFootCandleBit = 0x04, kHoldBit = 0x40;
// Status byte.
constexpr std::uint8_t kNegativeBit = 0x10, kLowBatteryBit = 0x20;

constexpr int kMaxMemoryNumber = 99;

std::uint8_t memoryNumberByte(int number)
{
    return static_cast<std::uint8_t>(number < 0 ? 0 : number > kMaxMemoryNumber ? kMaxMemoryNumber : number);
}

std::uint8_t modeByte(const FrameContent& c)
{
    auto mode = static_cast<std::uint8_t>(c.rangeIndex & kRangeMask);
    if (c.footCandle) mode |= kFootCandleBit;
    mode |= static_cast<std::uint8_t>(c.mode);
    if (c.hold) mode |= kHoldBit;
    return mode;
}

std::uint8_t statusByte(const FrameContent& c)
{
    auto status = static_cast<std::uint8_t>(
        static_cast<std::uint8_t>(c.memory) | static_cast<std::uint8_t>(c.clockDisplay));
    if (c.negative) status |= kNegativeBit;
    if (c.lowBattery) status |= kLowBatteryBit;
    return status;
}

}  // namespace

MeasurementFrame encodeFrame(const FrameContent& c)
{
    MeasurementFrame f {};
    f[0] = link::protocol::kMeasurementMark0;
    f[1] = link::protocol::kMeasurementMark1;
    f[kYear] = yearByte(c.clock);
    f[kDayLead] = toBcd(isoWeekday(c.clock));
    f[kMonth] = toBcd(c.clock.month);
    f[kDay] = toBcd(c.clock.day);
    f[kHour] = toBcd(c.clock.hour);
    f[kMinute] = toBcd(c.clock.minute);
    f[kSecond] = toBcd(c.clock.second);
    const CountBytes graph = splitCount(c.graphCount);
    f[kGraphHundreds] = graph.hundreds;
    f[kGraphUnits] = graph.units;
    const CountBytes display = splitCount(c.displayCount);
    f[kDisplayHundreds] = display.hundreds;
    f[kDisplayUnits] = display.units;
    f[kModeByte] = modeByte(c);
    f[kStatusByte] = statusByte(c);
    f[kMemoryA] = memoryNumberByte(c.memoryNumberA);
    f[kMemoryB] = memoryNumberByte(c.memoryNumberB);
    f[kSamplingInterval] = toBcd(c.samplingInterval);
    return f;
}

std::vector<std::uint8_t> frameBytes(const FrameContent& content)
{
    const MeasurementFrame frame = encodeFrame(content);
    return { frame.begin(), frame.end() };
}

}  // namespace brivon::sim
