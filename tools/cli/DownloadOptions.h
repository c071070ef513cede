#pragma once
// The options of brivon-cli download.

#include "CliCommands.h"
#include "UsageRefusal.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brivon::cli {

inline constexpr const char* kDownloadUsage
    = "usage: brivon-cli download memory --device PATH -o FILE.MemDat\n"
      "       brivon-cli download logger --device PATH -o DIR\n";

enum class DownloadKind { Memory, Logger };

struct DownloadOptions {
    DownloadKind kind = DownloadKind::Memory;
    std::string device;
    // Memory: the list file, ".MemDat" added when the name lacks it. Logger: the folder.
    std::filesystem::path output;
};

// Refused when the kind is not "memory" or "logger", an option is unknown
// (named) or lacks its value, or the device or the output is missing.
Parsed<DownloadOptions> parseDownloadOptions(const Arguments& args);

}  // namespace brivon::cli
