#pragma once
// The binary archive both data files are written in: little-endian fixed-width
// values and length-prefixed strings, beginning with the program's signature.

#include <cstdint>
#include <string_view>

namespace brivon::files::archive {

inline constexpr std::string_view kSignature = "QV731";

// A string's length is one byte below kLongLengthMarker; otherwise the marker
// byte is followed by a 16-bit length, and a 16-bit kVeryLongLengthMarker by a
// 32-bit length.
inline constexpr std::uint8_t kLongLengthMarker = 0xFF;
inline constexpr std::uint16_t kVeryLongLengthMarker = 0xFFFF;

}  // namespace brivon::files::archive
