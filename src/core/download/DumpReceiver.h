#pragma once
// Takes the blocks of a stored-data transfer from the receive handler: a
// memory dump is read into the memory block at once; a
// data-logger header and dump are collected over as many blocks as the port
// delivers, each receive threshold asking for what is still missing, and
// read into the transfer block when complete.

#include "core/download/DownloadState.h"
#include "core/download/LoggerDumpCollector.h"
#include "core/download/TransferEnd.h"
#include "core/download/TransferTargets.h"
#include "core/link/MeterLink.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"
#include "core/platform/Timers.h"

#include <functional>

namespace brivon::download {

class DumpReceiver {
public:
    DumpReceiver(link::MeterLink& link, DownloadState& state, const TransferTargets& targets,
        platform::Timers& mainTimers, const platform::Clock& clock, platform::Prompts& prompts);

    // Called after every change that the panel's status line or the progress dialog shows.
    void setChangeHandler(std::function<void()> handler) { end_.setChangeHandler(std::move(handler)); }

    // A Data Logger command: the next header starts a new collection.
    void expectLoggerDump() { collector_.reset(); }
    // The receive handler's blocks.
    void memoryDumpReceived(const platform::Bytes& block);
    void loggerBlockReceived(const platform::Bytes& block);
    // Main timer kLoggerHeaderWait: the meter never answered the data-logger request.
    void headerWaitExpired();

private:
    void headerTaken(LoggerDumpCollector::Step step);
    void askForMore();
    void parseLoggerDump();

    link::MeterLink& link_;
    DownloadState& state_;
    TransferTargets targets_;
    platform::Timers& mainTimers_;
    const platform::Clock& clock_;
    TransferEnd end_;
    LoggerDumpCollector collector_;
};

}  // namespace brivon::download
