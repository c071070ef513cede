#include "core/app/DownloadStart.h"

#include "core/link/MainTimers.h"

namespace brivon {

bool DownloadStart::mayStart()
{
    if (view_.batteryText == kBatteryLow) prompts_.message(kLowBatteryMessage);
    return view_.batteryText == kBatteryNormal && !view_.offline && link_.link().reopen();
}

bool DownloadStart::startDataLogger()
{
    if (!mayStart()) return false;
    view_.listRefill = true;
    view_.fileBrowse = false;
    ModeFlags& modes = link_.modes();
    modes.loggerInProgress = true;
    modes.listening = false;
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    mainTimers_.start(main_timers::kLoggerRequest, main_timers::kRequestDelayMs);
    return true;
}

bool DownloadStart::startMemory()
{
    if (!mayStart()) return false;
    ModeFlags& modes = link_.modes();
    modes.memoryInProgress = true;
    state_.fillRequest = true;
    modes.listening = false;
    modes.loggerInProgress = false;
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    mainTimers_.start(main_timers::kProgress, main_timers::kProgressDelayMs);
    mainTimers_.start(main_timers::kMemoryRequest, main_timers::kRequestDelayMs);
    state_.downloadTotal = kMemoryProgressScale;
    state_.panelStatusText = kDownloadStatus;
    return true;
}

void DownloadStart::requestTimerExpired(int id)
{
    mainTimers_.stop(id);
    if (id == main_timers::kLoggerRequest) link_.commands().requestDump(DumpKind::DataLogger);
    if (id == main_timers::kMemoryRequest) link_.commands().requestDump(DumpKind::Memory);
}

}  // namespace brivon
