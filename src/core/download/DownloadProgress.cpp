#include "core/download/DownloadProgress.h"

#include <algorithm>

namespace brivon::download {

DownloadProgress::DownloadProgress(DownloadState& state, link::SerialLink& link, platform::Timers& timers)
    : state_(state)
    , link_(link)
    , timers_(timers)
{
}

void DownloadProgress::update()
{
    if (state_.downloadTotal > 0 && !started_) {
        timers_.start(kAdvanceTimer, kAdvancePeriodMs);
        timers_.start(kMemoryTimeoutTimer, kMemoryTimeoutMs);
        maximum_ = state_.downloadTotal;
        timedPosition_ = 0;
        started_ = true;
    }
    if (state_.loggerComplete) {
        timers_.stop(kAdvanceTimer);
        timers_.stop(kLoggerTimeoutTimer);
        timedPosition_ = maximum_;
        timers_.start(kLoggerDoneTimer, kDoneDelayMs);
    }
    if (state_.memoryComplete) {
        timers_.stop(kAdvanceTimer);
        timers_.stop(kMemoryTimeoutTimer);
        timedPosition_ = maximum_;
        timers_.start(kMemoryDoneTimer, kDoneDelayMs);
    }
}

int DownloadProgress::position() const
{
    return std::clamp(std::max(timedPosition_, state_.bytesReceived), 0, std::max(maximum_, 0));
}

void DownloadProgress::timerExpired(int id)
{
    switch (id) {
    case kAdvanceTimer:
        maximum_ = state_.downloadTotal;
        timedPosition_ = std::clamp(timedPosition_ + kAdvanceStep, 0, std::max(maximum_, 0));
        if (timedPosition_ >= maximum_ && loggerWaiting()) {
            timers_.stop(kAdvanceTimer);
            timers_.start(kLoggerTimeoutTimer, kLoggerTimeoutMs);
        }
        break;
    case kLoggerTimeoutTimer:
        timers_.stop(id);
        if (loggerWaiting()) abandonLogger();
        break;
    case kMemoryTimeoutTimer:
        timers_.stop(id);
        if (memoryWaiting()) abandonMemory();
        break;
    case kMemoryDoneTimer:
        timers_.stop(id);
        end(DownloadEnd::MemoryList);
        break;
    case kLoggerDoneTimer:
        timers_.stop(id);
        end(state_.downloadTotal > 0 ? DownloadEnd::DataLogger : DownloadEnd::NothingToShow);
        break;
    default:
        break;
    }
}

void DownloadProgress::cancel()
{
    if (loggerWaiting()) {
        abandonLogger();
    } else if (memoryWaiting()) {
        abandonMemory();
    } else {
        end(DownloadEnd::TimedOut);  // complete, but its window does not open
    }
}

void DownloadProgress::abandonLogger()
{
    giveUp();
    state_.loggerComplete = true;
    end(DownloadEnd::TimedOut);
}

void DownloadProgress::abandonMemory()
{
    giveUp();
    state_.memoryComplete = true;
    state_.downloadTotal = 0;
    end(DownloadEnd::TimedOut);
}

// The status line clears and polling starts again.
void DownloadProgress::giveUp()
{
    state_.panelStatusText = kIdleStatus;
    link_.restartLink();
    link_.listenAgain();
}

void DownloadProgress::end(DownloadEnd how)
{
    for (int id :
        { kAdvanceTimer, kLoggerTimeoutTimer, kMemoryTimeoutTimer, kMemoryDoneTimer, kLoggerDoneTimer })
        timers_.stop(id);
    started_ = false;
    if (endHandler_) endHandler_(how);
}

}  // namespace brivon::download
