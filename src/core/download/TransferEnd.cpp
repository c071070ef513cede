#include "core/download/TransferEnd.h"

#include "core/link/MeterProtocol.h"

namespace brivon::download {

TransferEnd::TransferEnd(link::SerialLink& link, DownloadState& state, std::function<void()> transferEnded,
    platform::Prompts& prompts)
    : link_(link)
    , state_(state)
    , transferEnded_(std::move(transferEnded))
    , prompts_(prompts)
{
}

void TransferEnd::memoryDone()
{
    state_.memoryComplete = true;
    state_.downloadTotal = 0;
    listenAgain();
}

void TransferEnd::loggerDone()
{
    state_.loggerComplete = true;
    listenAgain();
}

void TransferEnd::loggerEmpty()
{
    link_.restartLink();
    loggerDone();
    prompts_.message(kNoLoggerDataMessage);
}

void TransferEnd::loggerAbandoned()
{
    link_.restartLink();
    loggerDone();
}

void TransferEnd::notifyChange() const
{
    if (changed_) changed_();
}

// Measurement frames are taken again; the watchdog restarts the polls.
void TransferEnd::listenAgain()
{
    link_.listenAgain();
    state_.panelStatusText = kIdleStatus;
    notifyChange();
    if (transferEnded_) transferEnded_();
    try {
        platform::SerialPort& port = link_.port();
        port.setRThreshold(link::protocol::kMeasurementFrameLength);
        port.discardInput();
    } catch (const platform::SerialError&) {
    }
}

}  // namespace brivon::download
