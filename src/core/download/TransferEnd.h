#pragma once
// The end of a stored-data transfer, however it ends: the program listens
// for measurement frames again, the complete flag tells the progress dialog,
// the panel's status line clears and the port takes frames again.

#include "core/download/DownloadState.h"
#include "core/link/SerialLink.h"
#include "core/platform/Prompts.h"

#include <functional>

namespace brivon::download {

class TransferEnd {
public:
    static constexpr const char* kNoLoggerDataMessage = "There is no data on the RAM!";

    TransferEnd(link::SerialLink& link, DownloadState& state, std::function<void()> transferEnded,
        platform::Prompts& prompts);

    // Called after every change of the download state that the panel or the progress dialog shows.
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    // A memory dump was read into the memory block.
    void memoryDone();
    // A data-logger dump was read into the transfer block.
    void loggerDone();
    // The meter announced an empty data logger: polling restarts at once and the user is told.
    void loggerEmpty();
    // A data-logger request that got no header in time: polling restarts.
    void loggerAbandoned();

    void notifyChange() const;

private:
    void listenAgain();

    link::SerialLink& link_;
    DownloadState& state_;
    std::function<void()> transferEnded_;
    platform::Prompts& prompts_;
    std::function<void()> changed_;
};

}  // namespace brivon::download
