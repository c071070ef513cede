#pragma once
// The "logging..." progress dialog's logic: it advances its bar on a timer
// while the meter transfers its stored data (or to the data-logger bytes
// received, when they are ahead), notices the end of the transfer at its next
// update, and gives up after a time-out, restarting the link and returning to
// listening. The time-outs follow the timed advance alone; the user's Cancel
// ends the transfer as its time-out would.

#include "core/download/DownloadState.h"
#include "core/link/SerialLink.h"
#include "core/platform/Timers.h"

#include <functional>

namespace brivon::download {

enum class DownloadEnd {
    TimedOut,  // the dialog closes; nothing arrived in time
    MemoryList,  // the memory list window opens next
    DataLogger,  // the data-logger window opens next
    NothingToShow,  // a finished data-logger transfer without data
};

class DownloadProgress {
public:
    static constexpr int kAdvanceTimer = 1;
    static constexpr int kLoggerTimeoutTimer = 2;
    static constexpr int kMemoryTimeoutTimer = 3;
    static constexpr int kMemoryDoneTimer = 4;
    static constexpr int kLoggerDoneTimer = 5;
    static constexpr int kAdvancePeriodMs = 500;
    static constexpr int kLoggerTimeoutMs = 15000;
    static constexpr int kMemoryTimeoutMs = 10000;
    static constexpr int kDoneDelayMs = 200;
    static constexpr int kAdvanceStep = 158;

    DownloadProgress(DownloadState& state, link::SerialLink& link, platform::Timers& timers);

    // Called once when the dialog ends, with how it ended.
    void setEndHandler(std::function<void(DownloadEnd)> handler) { endHandler_ = std::move(handler); }

    // Brings the dialog up to date: starts the bar once a total is known, notices completion.
    void update();
    void timerExpired(int id);
    // The user ends the dialog (Cancel, Escape, its close button): the
    // transfer is abandoned as at its time-out, and no window opens.
    void cancel();

    int position() const;
    int maximum() const { return maximum_; }
    bool started() const { return started_; }

private:
    bool loggerWaiting() const
    {
        return link_.receiveMode() == link::ReceiveMode::Logger && !state_.loggerComplete;
    }
    bool memoryWaiting() const
    {
        return link_.receiveMode() == link::ReceiveMode::Memory && !state_.memoryComplete;
    }
    void abandonLogger();
    void abandonMemory();
    void end(DownloadEnd how);
    void giveUp();

    DownloadState& state_;
    link::SerialLink& link_;
    platform::Timers& timers_;
    std::function<void(DownloadEnd)> endHandler_;
    bool started_ = false;
    int timedPosition_ = 0;
    int maximum_ = 0;
};

}  // namespace brivon::download
