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

// The options, or why they were refused: `badNumber` names an option whose
// value is not a positive finite number (a whole one for --count, one the
// timer can hold for --seconds); otherwise an option was unknown, lacked its
// value, or --device was missing.
struct ParsedReadOptions {
    std::optional<ReadOptions> options;
    std::string badNumber;  // e.g. "--count 5x: not a positive whole number"
};

ParsedReadOptions parseReadOptions(const Arguments& args);

}  // namespace brivon::cli
