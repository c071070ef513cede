#pragma once
// Finds the measurement frame to decode in a received block. A block that
// starts with the frame's mark is that frame, whatever its fields hold. Noise
// on the line can put stray bytes before a frame; only then is the block
// searched, for a complete frame that looks like one.

#include <cstdint>
#include <optional>
#include <span>

namespace brivon::link {

// 0 for a block of a whole frame's length that starts AA DD. Otherwise where
// the last complete plausible frame starting AA DD begins (clock fields valid
// BCD, count bytes 0-99), or nothing when the block holds none.
std::optional<std::size_t> locateMeasurementFrame(std::span<const std::uint8_t> block);

}  // namespace brivon::link
