#include "core/download/DownloadStart.h"

#include "core/link/MainTimers.h"

namespace brivon::download {

bool DownloadStart::mayStart()
{
    if (link_.lowBattery()) prompts_.message(kLowBatteryMessage);
    return !link_.lowBattery() && !link_.offline() && link_.serialLink().reopen();
}

bool DownloadStart::startDataLogger()
{
    if (!mayStart()) return false;
    link::ModeFlags& modes = link_.modes();
    modes.loggerInProgress = true;
    modes.listening = false;
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    state_.bytesReceived = 0;
    mainTimers_.start(link::main_timers::kLoggerRequest, link::main_timers::kRequestDelayMs);
    return true;
}

bool DownloadStart::startMemory()
{
    if (!mayStart()) return false;
    link::ModeFlags& modes = link_.modes();
    modes.memoryInProgress = true;
    state_.fillRequest = true;
    modes.listening = false;
    modes.loggerInProgress = false;
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    state_.bytesReceived = 0;
    mainTimers_.start(link::main_timers::kProgress, link::main_timers::kProgressDelayMs);
    mainTimers_.start(link::main_timers::kMemoryRequest, link::main_timers::kRequestDelayMs);
    state_.downloadTotal = kMemoryProgressScale;
    state_.panelStatusText = kDownloadStatus;
    return true;
}

void DownloadStart::requestTimerExpired(int id)
{
    mainTimers_.stop(id);
    if (id == link::main_timers::kLoggerRequest) {
        link_.commands().requestDump(link::DumpKind::DataLogger);
        mainTimers_.start(link::main_timers::kLoggerHeaderWait, link::main_timers::kLoggerHeaderWaitMs);
    }
    // A memory transfer cancelled in its progress dialog before its request went out asks for nothing.
    if (id == link::main_timers::kMemoryRequest && link_.modes().memoryInProgress)
        link_.commands().requestDump(link::DumpKind::Memory);
}

}  // namespace brivon::download
