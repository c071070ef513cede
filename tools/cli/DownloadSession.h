#pragma once
// One stored-data download from a terminal: the program's own main-window
// logic on the Qt serial port and timers, without a window. It polls until the
// first measurement frame, starts the Mem or Data Logger command as the menu
// does, runs the "logging..." dialog's logic to its end and leaves what
// arrived in the document.

#include "DownloadOptions.h"
#include "SilentPrompts.h"

#include "core/app/CDTDoc.h"
#include "core/app/MainFrameLogic.h"
#include "core/download/DownloadProgress.h"
#include "core/memory/MemoryListLogic.h"
#include "ui/link/CMSComm.h"
#include "ui/link/QtTimers.h"

#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <string>

namespace brivon::cli {

enum class SessionEnd {
    Complete,  // the records or sets are in the document
    Refused,  // the meter reported a low battery
    Empty,  // the meter holds nothing of the kind asked for
    Incomplete,  // the transfer did not complete in time
    NoAnswer,  // no measurement frame before the time ran out
    PortError,  // the port could not be opened
};

struct SessionOutcome {
    SessionEnd end = SessionEnd::Incomplete;
    std::string message;  // what to tell the user; empty when complete
};

class DownloadSession : private app::MainFrameEvents {
public:
    static constexpr const char* kNoHeaderMessage = "the meter sent no data-logger header";
    // Polling gives up when no measurement frame came within this time.
    static constexpr int kFirstFrameTimeoutMs = 10000;

    DownloadSession(DownloadKind kind, const std::string& device);

    // Called with the data-logger bytes received so far and the total, as they arrive.
    void setProgressHandler(std::function<void(int received, int total)> handler)
    {
        progressHandler_ = std::move(handler);
    }

    // Runs the download in an event loop of its own until it ends.
    SessionOutcome run();

    app::CDTDoc& document() { return document_; }
    const platform::Clock& clock() const { return clock_; }

private:
    void measurementShown(const link::MeasurementUpdate& update) override;
    void downloadProgressDue() override;
    void downloadChanged() override;

    void mainTimerExpired(int id);
    void startDownload();
    void progressTimerExpired(int id);
    void progressEnded(download::DownloadEnd how);
    void finish(SessionEnd end, std::string message = {});
    // The bytes the meter has sent so far: those collected and those still waiting at the port.
    int bytesArrived() const;
    std::string incompleteMessage() const;

    DownloadKind kind_;
    std::string device_;
    platform::SystemClock clock_;
    app::CDTDoc document_;
    ui::CMSComm port_;
    ui::QtTimers mainTimers_;
    ui::QtTimers viewTimers_;
    ui::QtTimers progressTimers_;
    SilentPrompts prompts_;
    app::MainFrameLogic logic_;
    download::DownloadProgress progress_;
    QTimer firstFrameTimer_;
    QEventLoop loop_;
    std::function<void(int, int)> progressHandler_;
    bool startRequested_ = false;
    bool progressDue_ = false;
    int lastArrived_ = 0;
    bool finished_ = false;
    SessionOutcome outcome_;
};

}  // namespace brivon::cli
