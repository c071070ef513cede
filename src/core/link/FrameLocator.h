#pragma once
// Finds the measurement frame to decode in a received block. Noise on the
// line can put stray bytes before a frame or break one; only a complete,
// plausible frame is decoded, so a broken one never shows a wrong value.

#include <cstdint>
#include <optional>
#include <span>

namespace brivon::link {

// A frame is plausible when its clock fields are valid BCD and its count
// bytes are 0-99. Returns where the last complete plausible frame starting
// AA DD begins, or nothing when the block holds none.
std::optional<std::size_t> locateMeasurementFrame(std::span<const std::uint8_t> block);

}  // namespace brivon::link
