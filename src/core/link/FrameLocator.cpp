#include "core/link/FrameLocator.h"

#include "core/link/MeterProtocol.h"

#include <algorithm>
#include <array>

namespace brivon::link {
namespace {

using namespace protocol::frame_offset;

constexpr std::array kClockFields { kYear, kDayLead, kMonth, kDay, kHour, kMinute, kSecond,
    kSamplingInterval };
constexpr std::array kCountFields { kGraphHundreds, kGraphUnits, kDisplayHundreds, kDisplayUnits };

bool startsWithMark(std::span<const std::uint8_t> bytes)
{
    return bytes[0] == protocol::kMeasurementMark0 && bytes[1] == protocol::kMeasurementMark1;
}

bool plausible(std::span<const std::uint8_t> frame)
{
    const auto at = [&](int offset) { return frame[static_cast<std::size_t>(offset)]; };
    return startsWithMark(frame) && std::all_of(kClockFields.begin(), kClockFields.end(), [&](int f) {
        return protocol::isBcd(at(f));
    }) && std::all_of(kCountFields.begin(), kCountFields.end(), [&](int f) {
        return at(f) <= protocol::kMaxCountByte;
    });
}

}  // namespace

std::optional<std::size_t> locateMeasurementFrame(std::span<const std::uint8_t> block)
{
    const auto length = static_cast<std::size_t>(protocol::kMeasurementFrameLength);
    if (block.size() < length) return std::nullopt;
    if (startsWithMark(block)) return 0;
    // Plausibility only tells a frame behind stray bytes from bytes that happen to read AA DD.
    for (std::size_t start = block.size() - length + 1; start-- > 1;)
        if (plausible(block.subspan(start, length))) return start;
    return std::nullopt;
}

}  // namespace brivon::link
