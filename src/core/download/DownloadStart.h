#pragma once
// The start of the two stored-data downloads: the battery test, the mode
// flags that make the receive handler expect a dump, and the request timers
// that send the dump request 100 ms later. The dumps themselves are taken by
// the DumpReceiver.

#include "core/download/DownloadState.h"
#include "core/link/MeterLink.h"
#include "core/platform/Prompts.h"
#include "core/platform/Timers.h"

namespace brivon::download {

class DownloadStart {
public:
    static constexpr const char* kLowBatteryMessage
        = "Power is low,please change another battery to try again!";
    static constexpr int kMemoryProgressScale = 2000;

    DownloadStart(link::MeterLink& link, platform::Timers& mainTimers, platform::Prompts& prompts)
        : link_(link)
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
    platform::Timers& mainTimers_;
    platform::Prompts& prompts_;
    DownloadState state_;
};

}  // namespace brivon::download
