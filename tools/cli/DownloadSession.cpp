#include "DownloadSession.h"
#include "CliCommands.h"

#include "core/download/DownloadStart.h"
#include "core/download/TransferEnd.h"
#include "core/link/MainTimers.h"
#include "core/link/MeterProtocol.h"

namespace brivon::cli {

namespace {

constexpr int kCliPort = 1;

link::PortMap portMapFor(const std::string& device)
{
    link::PortMap map;
    map.setPath(kCliPort, device);
    return map;
}

// A configuration that names the command's port and is never written.
app::Configuration commandConfiguration()
{
    return app::Configuration(std::string {});
}

}  // namespace

DownloadSession::DownloadSession(DownloadKind kind, const std::string& device)
    : kind_(kind)
    , device_(device)
    , document_(clock_)
    , port_(portMapFor(device))
    // A download starts no run, so the session keeps no run journal.
    , logic_(document_, { port_, mainTimers_, viewTimers_, clock_, prompts_, {} }, commandConfiguration())
    , progress_(logic_.downloads(), logic_.link().serialLink(), progressTimers_)
{
    logic_.setEvents(this);
    mainTimers_.setHandler([this](int id) { mainTimerExpired(id); });
    viewTimers_.setHandler([this](int id) { logic_.viewTimerExpired(id); });
    progressTimers_.setHandler([this](int id) { progressTimerExpired(id); });
    progress_.setEndHandler([this](download::DownloadEnd how) { progressEnded(how); });
    firstFrameTimer_.setSingleShot(true);
    QObject::connect(
        &firstFrameTimer_, &QTimer::timeout, [this] { finish(SessionEnd::NoAnswer, noAnswerText(device_)); });
}

SessionOutcome DownloadSession::run()
{
    logic_.create();
    const std::string& portError = logic_.serialLink().lastError();
    if (!portError.empty()) return { SessionEnd::PortError, portError };
    firstFrameTimer_.start(kFirstFrameTimeoutMs);
    loop_.exec();
    return outcome_;
}

void DownloadSession::measurementShown(const link::MeasurementUpdate& /*update*/)
{
    if (startRequested_) return;
    startRequested_ = true;
    firstFrameTimer_.stop();
    // The command starts from the event loop, as the user's click would, not inside the receive event.
    QTimer::singleShot(0, &firstFrameTimer_, [this] { startDownload(); });
}

void DownloadSession::startDownload()
{
    const download::StartResult result
        = kind_ == DownloadKind::Memory ? logic_.startMemory() : logic_.startDataLogger();
    if (result.started()) return;
    if (result.refusal == download::StartRefusal::LowBattery) {
        finish(SessionEnd::Refused, download::DownloadStart::kLowBatteryMessage);
    } else {
        finish(SessionEnd::PortError, logic_.serialLink().lastError());
    }
}

void DownloadSession::downloadProgressDue()
{
    progressDue_ = true;
    progress_.update();
}

void DownloadSession::downloadChanged()
{
    if (kind_ == DownloadKind::Logger && progressHandler_ && logic_.downloads().downloadTotal > 0)
        progressHandler_(logic_.downloads().bytesReceived, logic_.downloads().downloadTotal);
    if (progressDue_) progress_.update();
}

void DownloadSession::mainTimerExpired(int id)
{
    logic_.mainTimerExpired(id);
    // The data-logger request got no header in time: the program listens again without a dialog.
    if (id == link::main_timers::kLoggerHeaderWait && logic_.downloads().loggerComplete && !progressDue_)
        finish(SessionEnd::Incomplete, kNoHeaderMessage);
}

void DownloadSession::progressTimerExpired(int id)
{
    // Counted before a time-out restarts the link and discards what is waiting.
    lastArrived_ = bytesArrived();
    progress_.timerExpired(id);
    if (!finished_) progress_.update();
}

void DownloadSession::progressEnded(download::DownloadEnd how)
{
    switch (how) {
    case download::DownloadEnd::TimedOut:
        finish(SessionEnd::Incomplete, incompleteMessage());
        break;
    case download::DownloadEnd::MemoryList:
        if (logic_.downloads().memoryEmpty) {
            finish(SessionEnd::Empty, memory::MemoryListLogic::kEmptyMessage);
        } else {
            finish(SessionEnd::Complete);
        }
        break;
    case download::DownloadEnd::DataLogger:
    case download::DownloadEnd::NothingToShow:
        if (document_.transferBlock().setCount() > 0 && how == download::DownloadEnd::DataLogger) {
            finish(SessionEnd::Complete);
        } else {
            finish(SessionEnd::Empty, download::TransferEnd::kNoLoggerDataMessage);
        }
        break;
    }
}

void DownloadSession::finish(SessionEnd end, std::string message)
{
    if (finished_) return;
    finished_ = true;
    outcome_ = { end, std::move(message) };
    loop_.quit();
}

int DownloadSession::bytesArrived() const
{
    const int collected = kind_ == DownloadKind::Logger ? logic_.downloads().bytesReceived : 0;
    return collected + port_.inBufferCount();
}

std::string DownloadSession::incompleteMessage() const
{
    if (kind_ == DownloadKind::Memory) {
        return "the memory dump did not complete: " + std::to_string(lastArrived_) + " of "
            + std::to_string(link::protocol::kMemoryDumpLength) + " bytes arrived";
    }
    return "the data-logger dump did not complete: " + std::to_string(lastArrived_) + " of "
        + std::to_string(logic_.downloads().downloadTotal) + " bytes arrived";
}

}  // namespace brivon::cli
