#include "core/download/DownloadStart.h"

#include "core/link/MainTimers.h"

namespace brivon::download {

std::optional<StartRefusal> DownloadStart::refusal()
{
    if (link_.lowBattery()) return StartRefusal::LowBattery;
    if (link_.offline()) return StartRefusal::Offline;
    if (!link_.serialLink().reopen()) return StartRefusal::PortUnavailable;
    return std::nullopt;
}

StartResult DownloadStart::startDataLogger()
{
    if (const auto refused = refusal()) return { refused };
    link_.serialLink().expectLoggerDump();
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    state_.bytesReceived = 0;
    state_.dumpKind = link::DumpKind::DataLogger;
    mainTimers_.start(link::main_timers::kLoggerRequest, link::main_timers::kRequestDelayMs);
    return {};
}

StartResult DownloadStart::startMemory()
{
    if (const auto refused = refusal()) return { refused };
    link_.serialLink().expectMemoryDump();
    state_.fillRequest = true;
    state_.loggerComplete = false;
    state_.memoryComplete = false;
    state_.bytesReceived = 0;
    state_.dumpKind = link::DumpKind::Memory;
    state_.recordsReceived.reset();
    mainTimers_.start(link::main_timers::kProgress, link::main_timers::kProgressDelayMs);
    mainTimers_.start(link::main_timers::kMemoryRequest, link::main_timers::kRequestDelayMs);
    state_.downloadTotal = kMemoryProgressScale;
    state_.panelStatusText = kDownloadStatus;
    return {};
}

void DownloadStart::requestTimerExpired(int id)
{
    mainTimers_.stop(id);
    if (id == link::main_timers::kLoggerRequest) {
        link_.commands().requestDump(link::DumpKind::DataLogger);
        mainTimers_.start(link::main_timers::kLoggerHeaderWait, link::main_timers::kLoggerHeaderWaitMs);
    }
    // A memory transfer cancelled in its progress dialog before its request went out asks for nothing.
    if (id == link::main_timers::kMemoryRequest
        && link_.serialLink().receiveMode() == link::ReceiveMode::Memory)
        link_.commands().requestDump(link::DumpKind::Memory);
}

}  // namespace brivon::download
