#include "core/app/MainFrameLogic.h"

#include "core/app/StatusBarTexts.h"
#include "core/link/MainTimers.h"
#include "core/realtime/ViewTimers.h"

namespace brivon::app {

MainFrameLogic::MainFrameLogic(
    realtime::CDTDoc& document, const MainFrameSeams& seams, Configuration configuration)
    : document_(document)
    , seams_(seams)
    , configuration_(std::move(configuration))
    , meterLink_(seams.port, seams.mainTimers, seams.clock, *this)
    , serialLink_(meterLink_.link())
    , runControl_(document, seams.viewTimers)
    , runSave_(document, seams.clock, seams.prompts)
    , downloadStart_(meterLink_, document.view(), seams.mainTimers, seams.prompts)
    , dumpReceiver_(
          meterLink_, downloadStart_.state(), document, seams.mainTimers, seams.clock, seams.prompts)
{
    meterLink_.setOfflineHandler([this] { goOffline(); });
    dumpReceiver_.setChangeHandler([this] {
        notifyPanel();
        if (events_) events_->downloadChanged();
    });
}

void MainFrameLogic::create()
{
    realtime::RealTimeViewState& view = document_.view();
    view.yGain = configuration_.yGain();
    view.yOffset = configuration_.yOffset();
    meterLink_.create(configuration_.portNumber());
    seams_.viewTimers.start(realtime::view_timers::kWatchdog, link::SerialLink::kWatchdogPeriodMs);
}

void MainFrameLogic::run()
{
    runControl_.run(seams_.prompts, [this] { save(); });
}

void MainFrameLogic::selectMenuPort(int n)
{
    meterLink_.link().selectMenuPort(n);
    document_.updateAllViews();
}

void MainFrameLogic::selectOtherPort(int n)
{
    if (meterLink_.link().selectOtherPort(n)) document_.updateAllViews();
}

bool MainFrameLogic::startDataLogger()
{
    const bool started = downloadStart_.startDataLogger();
    if (started) dumpReceiver_.expectLoggerDump();
    return started;
}

bool MainFrameLogic::startMemory()
{
    const bool started = downloadStart_.startMemory();
    if (started) notifyPanel();
    return started;
}

void MainFrameLogic::close(CloseMode mode)
{
    if (closed_) return;
    closed_ = true;
    const realtime::RealTimeViewState& view = document_.view();
    // A file that could not be read was reported at start and is left as it is.
    if (!configuration_.readProblem()) {
        const auto problem
            = configuration_.writeAtClose(meterLink_.link().portNumber(), view.yGain, view.yOffset);
        if (problem && mode == CloseMode::AskToSave) seams_.prompts.message(*problem);
    }
    meterLink_.commands().sendExit();
    if (mode == CloseMode::AskToSave && document_.run().sampleCount() > 1
        && seams_.prompts.askYesNo(kSaveBeforeCloseQuestion)) {
        save();
    }
}

std::optional<CommandState> MainFrameLogic::commandState(int id) const
{
    return commandUpdate(id, { document_.view(), document_.run(), serialLink_ });
}

void MainFrameLogic::mainTimerExpired(int id)
{
    switch (id) {
    case link::main_timers::kProgress:
        seams_.mainTimers.stop(id);
        if (events_) events_->downloadProgressDue();
        break;
    case link::main_timers::kLoggerRequest:
    case link::main_timers::kMemoryRequest:
        downloadStart_.requestTimerExpired(id);
        break;
    case link::main_timers::kLoggerHeaderWait:
        dumpReceiver_.headerWaitExpired();
        break;
    case link::main_timers::kPoll:
        seams_.mainTimers.stop(id);
        meterLink_.pollTimerExpired();
        break;
    default:
        break;
    }
}

void MainFrameLogic::viewTimerExpired(int id)
{
    if (id == realtime::view_timers::kSample) runControl_.sampleTick();
    if (id == realtime::view_timers::kWatchdog) meterLink_.watchdogTick();
}

std::string MainFrameLogic::linkStatusText() const
{
    return status_bar::linkPaneText(serialLink_, document_.view().offline);
}

void MainFrameLogic::measurementReceived(const link::MeasurementUpdate& update)
{
    realtime::RealTimeViewState& view = document_.view();
    realtime::RunBookkeeping& run = document_.run();
    const link::Reading& reading = update.frame.reading;

    view.offline = false;
    runControl_.frameArrived(update.now);
    run.append(reading.graphValue, reading.footCandle != 0);
    if (update.frame.scaleChanged) {
        view.yOffset = 0;
        view.yGain = update.frame.yGain;
        run.setCurrentGain(update.frame.yGain);
        document_.updateAllViews();
    }
    view.batteryText = update.batteryText;
    if (events_) events_->measurementShown(update);
}

void MainFrameLogic::goOffline()
{
    realtime::RealTimeViewState& view = document_.view();
    view.offline = true;
    view.idleFrame = false;
    runControl_.stop();
    notifyPanel();
}

void MainFrameLogic::notifyPanel()
{
    if (events_) events_->panelChanged();
}

}  // namespace brivon::app
