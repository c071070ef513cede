#pragma once
// The download flags that the progress dialog, the meter panel and the memory
// list read while the meter transfers its stored data.

#include "core/link/MeterCommands.h"

#include <optional>
#include <string>

namespace brivon::download {

// The meter panel's status line during a transfer and after it.
inline constexpr const char* kDownloadStatus = "DownLoad";
inline constexpr const char* kIdleStatus = "        ";

struct DownloadState {
    bool loggerComplete = false;
    bool memoryComplete = false;
    bool memoryEmpty = false;  // the last memory dump held no record
    bool fillRequest = false;  // the memory list fills its list while this is set
    int downloadTotal = 0;  // the scale of the progress bar: 2000 for memory, N for the data logger
    int bytesReceived = 0;  // data-logger dump bytes collected so far
    std::optional<link::DumpKind> dumpKind;  // the download under way, or the last one
    std::optional<int> recordsReceived;  // the records of the memory dump, once it arrived
    std::string panelStatusText;  // the meter panel's status line
};

// How far the download is, beside the progress bar: "1200 of 4096 bytes" once
// the data-logger header gave the total, "12 records" once the memory dump
// arrived, empty before either.
std::string progressText(const DownloadState& state);

}  // namespace brivon::download
