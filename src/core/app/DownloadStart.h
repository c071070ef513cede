#pragma once
// The start of the two stored-data downloads: the battery test, the mode
// flags that make the receive handler expect a dump, and the request timers
// that send the dump request 100 ms later. The dumps themselves are taken by
// the receive handler.

#include "core/link/MeterLink.h"
#include "core/platform/Prompts.h"
#include "core/platform/Timers.h"
#include "core/realtime/RealTimeViewState.h"

#include <string>

namespace brivon::app {

// Download flags that the progress dialog and the memory list read.
struct DownloadState {
    bool loggerComplete = false;
    bool memoryComplete = false;
    bool memoryEmpty = false;
    bool fillRequest = false;  // the memory list fills its list while this is set
    int downloadTotal = 0;  // the scale of the progress bar
    std::string panelStatusText;  // the meter panel's status line
};

class DownloadStart {
public:
    static constexpr const char* kLowBatteryMessage
        = "Power is low,please change another battery to try again!";
    static constexpr const char* kDownloadStatus = "DownLoad";
    static constexpr int kMemoryProgressScale = 2000;

    DownloadStart(link::MeterLink& link, realtime::RealTimeViewState& view, platform::Timers& mainTimers,
        platform::Prompts& prompts)
        : link_(link)
        , view_(view)
        , mainTimers_(mainTimers)
        , prompts_(prompts)
    {
    }

    // The Data Logger and Mem commands: true when the download was started.
    // A low battery is reported; off-line, before any frame or when the port
    // cannot be reopened nothing happens.
    bool startDataLogger();
    bool startMemory();
    // Main timers 2 and 3: the dump requests.
    void requestTimerExpired(int id);

    DownloadState& state() { return state_; }
    const DownloadState& state() const { return state_; }

private:
    // The battery test shared by both commands; false when the download may not start.
    bool mayStart();

    link::MeterLink& link_;
    realtime::RealTimeViewState& view_;
    platform::Timers& mainTimers_;
    platform::Prompts& prompts_;
    DownloadState state_;
};

}  // namespace brivon::app
