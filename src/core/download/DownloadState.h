#pragma once
// The download flags that the progress dialog, the meter panel and the memory
// list read while the meter transfers its stored data.

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
    std::string panelStatusText;  // the meter panel's status line
};

}  // namespace brivon::download
