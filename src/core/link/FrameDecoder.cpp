#include "core/link/FrameDecoder.h"

#include "core/link/MeterProtocol.h"
#include "core/measure/Units.h"
#include "core/util/Printf.h"

namespace brivon::link {
namespace {

using protocol::bcd;
using namespace protocol::frame_offset;

constexpr int kYearBase = 2000;

// Mode byte.
constexpr std::uint8_t kRangeMask = 0x03, kFootCandleBit = 0x04, kModeMask = 0x38, kHoldBit = 0x40;
// Status byte.
constexpr std::uint8_t kMemoryMask = 0x03, kClockMask = 0x0C, kNegativeBit = 0x10, kLowBatteryBit = 0x20;
constexpr std::uint8_t kClockTime = 0x00, kClockDay = 0x04, kClockSampling = 0x08;

constexpr const char* kBlank3 = "   ";

int count(std::span<const std::uint8_t> f, int hundreds, int units)
{
    return f[static_cast<std::size_t>(hundreds)] * 100 + f[static_cast<std::size_t>(units)];
}

// Mode text for bits 3-5; nullptr leaves the previous text.
const char* modeTextFor(std::uint8_t modeBits)
{
    switch (modeBits) {
    case 0x00:
        return "    ";
    case 0x10:
        return "PMIN";
    case 0x18:
        return "PMAX";
    case 0x20:
        return "MAX ";
    case 0x28:
        return "MIN ";
    case 0x30:
        return "Manu";
    default:
        return nullptr;
    }
}

std::string formatDisplay(DisplayFormat format, float value)
{
    switch (format) {
    case DisplayFormat::TwoDecimals:
        return util::printfString("%.2f", static_cast<double>(value));
    case DisplayFormat::OneDecimal:
        return util::printfString("%.1f", static_cast<double>(value));
    case DisplayFormat::Truncated:
        return util::printfString("%d", static_cast<int>(value));
    }
    return {};
}

std::string twoDigits(int value)
{
    return util::printfString("%d%d", value / 10, value % 10);
}

void setClockTexts(Reading& r, std::uint8_t clockBits)
{
    switch (clockBits) {
    case kClockTime:
        r.clockLabel = "Time";
        r.clockText = twoDigits(r.hour) + ":" + twoDigits(r.minute) + ":" + twoDigits(r.second);
        break;
    case kClockDay:
        r.clockLabel = "Day";
        r.clockText = util::printfString("%d ", r.dayLeadDigit) + twoDigits(r.month) + " " + twoDigits(r.day);
        break;
    case kClockSampling:
        r.clockLabel = "Sampling";
        r.clockText = twoDigits(r.samplingInterval);
        break;
    default:
        r.clockLabel = "Year";
        r.clockText = util::printfString("%d", r.year);
        break;
    }
}

void setMemoryTexts(Reading& r, std::uint8_t memoryBits, int numberA, int numberB)
{
    switch (memoryBits) {
    case 1:
        r.memoryFlagText = "MEM";
        r.memoryNumberText = twoDigits(numberA);
        break;
    case 2:
        r.memoryFlagText = "MEM";
        r.memoryNumberText = twoDigits(numberB);
        break;
    case 3:
        r.memoryFlagText = "REC";
        r.memoryNumberText = kBlank3;
        break;
    default:
        r.memoryFlagText = kBlank3;
        r.memoryNumberText = kBlank3;
        break;
    }
}

}  // namespace

float FrameDecoder::applyHoldRule(float value)
{
    if (holdCounter_ == 0) {
        heldValue_ = value;
    } else if (holdCounter_ > 0) {
        --holdCounter_;
        return heldValue_;
    }
    return value;
}

DecodedFrame FrameDecoder::decode(std::span<const std::uint8_t> f)
{
    DecodedFrame out;
    Reading& r = out.reading;

    r.year = kYearBase + bcd(f[kYear]);
    r.dayLeadDigit = static_cast<std::uint8_t>(bcd(f[kDayLead]));
    r.month = static_cast<std::uint8_t>(bcd(f[kMonth]));
    r.day = static_cast<std::uint8_t>(bcd(f[kDay]));
    r.hour = static_cast<std::uint8_t>(bcd(f[kHour]));
    r.minute = static_cast<std::uint8_t>(bcd(f[kMinute]));
    r.second = static_cast<std::uint8_t>(bcd(f[kSecond]));
    r.samplingInterval = static_cast<std::uint8_t>(bcd(f[kSamplingInterval]));

    const std::uint8_t mode = f[kModeByte];
    const std::uint8_t status = f[kStatusByte];

    // Range, and the hold rule over a range change.
    const std::uint8_t previousRange = lastRange_;
    const std::uint8_t previousUnit = lastUnit_;
    r.rangeIndex = mode & kRangeMask;
    r.footCandle = (mode & kFootCandleBit) ? 1 : 0;
    const RangeRow& range = rangeRow(r.rangeIndex);
    if (previousRange != r.rangeIndex && holdAcrossRangeChange_) holdCounter_ = kHoldFrames;
    holdAcrossRangeChange_ = true;

    float graphValue = static_cast<float>(count(f, kGraphHundreds, kGraphUnits)) * range.graphFactor;
    if (r.footCandle) graphValue *= measure::kFootCandleToLux;
    graphValue = applyHoldRule(graphValue);

    // Unit, and the Y scale on a change of range or unit.
    const DisplayRow& display = displayRow(r.footCandle, r.rangeIndex);
    r.unitText = display.unitText;
    r.rangeText = r.footCandle ? range.fcRangeText : range.luxRangeText;
    lastRange_ = r.rangeIndex;
    lastUnit_ = r.footCandle;
    if (previousRange != r.rangeIndex || previousUnit != r.footCandle) {
        const int multiplier = r.footCandle ? kFootCandleGainMultiplier : kLuxGainMultiplier;
        out.scaleChanged = true;
        out.yGain = static_cast<int>(range.fullScaleFactor * static_cast<float>(multiplier));
    }

    // Display value and reading text.
    const float displayFactor = r.footCandle ? range.fcDisplayFactor : range.luxDisplayFactor;
    r.displayValue = static_cast<float>(count(f, kDisplayHundreds, kDisplayUnits)) * displayFactor;
    r.readingText = formatDisplay(display.format, r.displayValue);
    if (r.displayValue >= display.overRangeAt) {
        r.readingText = "OL";
        graphValue = measure::kOverRange;
        if (display.shownOverRange > 0.0f) r.displayValue = display.shownOverRange;
    }
    r.negative = (status & kNegativeBit) != 0;
    if (r.negative) r.readingText = "-" + r.readingText;
    r.graphValue = graphValue;

    // Battery watch: a low battery sticks until re-armed.
    r.lowBattery = (status & kLowBatteryBit) != 0;
    if (batteryWatch_) {
        lowBattery_ = r.lowBattery;
        batteryWatch_ = !r.lowBattery;
    }

    // Panel texts.
    r.barCount = static_cast<int>(r.displayValue * display.barFactor);
    setMemoryTexts(r, status & kMemoryMask, f[kMemoryA], f[kMemoryB]);
    r.hold = (mode & kHoldBit) != 0;
    r.holdText = r.hold ? "HOLD" : "    ";
    if (const char* text = modeTextFor(mode & kModeMask)) modeText_ = text;
    r.modeText = modeText_;
    setClockTexts(r, status & kClockMask);
    return out;
}

}  // namespace brivon::link
