#pragma once
// The start of the two stored-data downloads: the tests that may refuse it,
// the receive mode that makes the receive handler expect a dump, and the
// request timers that send the dump request 100 ms later. The dumps
// themselves are taken by the DumpReceiver.

#include "core/download/DownloadState.h"
#include "core/link/MeterLink.h"
#include "core/platform/Timers.h"

#include <optional>

namespace brivon::download {

// Why a Data Logger or Mem command did not start its download.
enum class StartRefusal {
    LowBattery,  // the meter reported a low battery
    Offline,  // no frame yet, or the port went missing
    PortUnavailable,  // the port could not be reopened
};

struct StartResult {
    std::optional<StartRefusal> refusal;  // none when the download started
    bool started() const { return !refusal; }
};

class DownloadStart {
public:
    // What the user is told of a LowBattery refusal.
    static constexpr const char* kLowBatteryMessage
        = "Power is low,please change another battery to try again!";
    static constexpr int kMemoryProgressScale = 2000;

    DownloadStart(link::MeterLink& link, platform::Timers& mainTimers)
        : link_(link)
        , mainTimers_(mainTimers)
    {
    }

    // The Data Logger and Mem commands. A refused command changes nothing.
    StartResult startDataLogger();
    StartResult startMemory();
    // The request timers, 100 ms after a start: they send the dump request,
    // and the data-logger one starts the wait for its header.
    void requestTimerExpired(int id);

    DownloadState& state() { return state_; }
    const DownloadState& state() const { return state_; }

private:
    // The tests shared by both commands; none failed when the download may start.
    std::optional<StartRefusal> refusal();

    link::MeterLink& link_;
    platform::Timers& mainTimers_;
    DownloadState state_;
};

}  // namespace brivon::download
