#pragma once
// The options of brivon-cli read.

#include "CliCommands.h"

#include <optional>
#include <string>

namespace brivon::cli {

inline constexpr const char* kReadUsage = "usage: brivon-cli read --device PATH [--count N] [--seconds S]\n";

struct ReadOptions {
    std::string device;
    long count = 0;  // 0 = no limit
    double seconds = 0;  // 0 = no limit
};

// Nothing when an option is unknown, lacks its value, or a number is not a
// positive finite one (a whole one for --count, one the timer can hold for --seconds).
std::optional<ReadOptions> parseReadOptions(const Arguments& args);

}  // namespace brivon::cli
