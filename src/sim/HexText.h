#pragma once
// Bytes as upper-case hex pairs separated by blanks ("AA DD 00"), for logs.

#include <cstdint>
#include <span>
#include <string>

namespace brivon::sim {

std::string hexText(std::span<const std::uint8_t> bytes);

}  // namespace brivon::sim
