#include "core/download/DumpReceiver.h"

#include "core/download/LoggerDumpParser.h"
#include "core/download/MemoryDumpParser.h"
#include "core/link/MainTimers.h"

namespace brivon::download {

DumpReceiver::DumpReceiver(link::MeterLink& link, DownloadState& state, const TransferTargets& targets,
    platform::Timers& mainTimers, const platform::Clock& clock, platform::Prompts& prompts)
    : link_(link)
    , state_(state)
    , targets_(targets)
    , mainTimers_(mainTimers)
    , clock_(clock)
    , end_(link.serialLink(), state, targets.transferEnded, prompts)
{
}

void DumpReceiver::memoryDumpReceived(const platform::Bytes& block)
{
    const int records = parseMemoryDump(block, targets_.memoryBlock);
    state_.recordsReceived = records;
    state_.memoryEmpty = records == 0;
    end_.memoryDone();
}

void DumpReceiver::loggerBlockReceived(const platform::Bytes& block)
{
    const bool headerAwaited = collector_.awaitingHeader();
    const LoggerDumpCollector::Step step = collector_.take(block);
    if (step == LoggerDumpCollector::Step::Ignored) return;
    if (headerAwaited) headerTaken(step);
    state_.bytesReceived = collector_.received();
    switch (step) {
    case LoggerDumpCollector::Step::EmptyDump:
        end_.loggerEmpty();
        break;
    case LoggerDumpCollector::Step::Collecting:
        askForMore();
        end_.notifyChange();
        break;
    case LoggerDumpCollector::Step::Complete:
        parseLoggerDump();
        break;
    case LoggerDumpCollector::Step::Ignored:
        break;
    }
}

void DumpReceiver::headerWaitExpired()
{
    mainTimers_.stop(link::main_timers::kLoggerHeaderWait);
    if (link_.serialLink().receiveMode() == link::ReceiveMode::Logger && collector_.awaitingHeader())
        end_.loggerAbandoned();
}

// The header: the progress dialog is due and runs up to N.
void DumpReceiver::headerTaken(LoggerDumpCollector::Step step)
{
    mainTimers_.stop(link::main_timers::kLoggerHeaderWait);
    mainTimers_.start(link::main_timers::kProgress, link::main_timers::kProgressDelayMs);
    state_.downloadTotal = collector_.expectedLength();
    if (step != LoggerDumpCollector::Step::EmptyDump) state_.panelStatusText = kDownloadStatus;
}

void DumpReceiver::askForMore()
{
    try {
        link_.serialLink().port().setRThreshold(collector_.nextThreshold());
    } catch (const platform::SerialError&) {
    }
}

void DumpReceiver::parseLoggerDump()
{
    download::parseLoggerDump(collector_.dump(), clock_, targets_.transferBlock);
    end_.loggerDone();
}

}  // namespace brivon::download
