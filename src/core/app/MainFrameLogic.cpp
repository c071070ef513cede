#include "core/app/MainFrameLogic.h"

#include "core/app/RunRecovery.h"
#include "core/app/StatusBarTexts.h"
#include "core/link/MainTimers.h"
#include "core/realtime/ViewTimers.h"

namespace brivon::app {

MainFrameLogic::MainFrameLogic(
    app::CDTDoc& document, const MainFrameSeams& seams, Configuration configuration)
    : document_(document)
    , seams_(seams)
    , configuration_(std::move(configuration))
    , meterLink_(seams.port, seams.mainTimers, seams.clock, *this)
    , serialLink_(meterLink_.serialLink())
    , runControl_(document, seams.viewTimers, seams.clock)
    , runKeeper_(document, seams.journalFolder, seams.clock)
    , runSave_(document, seams.clock, seams.prompts)
    , downloadStart_(meterLink_, seams.mainTimers)
    , dumpReceiver_(meterLink_, downloadStart_.state(),
          { document.memoryBlock(), document.transferBlock(), [this] { document_.updateAllViews(); } },
          seams.mainTimers, seams.clock, seams.prompts)
{
    meterLink_.setOfflineHandler([this] { goOffline(); });
    runKeeper_.setProblemHandler([this](const std::string& problem) { journalProblem(problem); });
    dumpReceiver_.setChangeHandler([this] {
        notifyPanel();
        if (events_) events_->downloadChanged();
    });
}

void MainFrameLogic::create()
{
    document_.yAxis() = { configuration_.yGain(), configuration_.yOffset() };
    meterLink_.create(configuration_.portNumber());
    seams_.viewTimers.start(realtime::view_timers::kWatchdog, link::SerialLink::kWatchdogPeriodMs);
}

void MainFrameLogic::offerUnsavedRuns()
{
    app::offerUnsavedRuns(document_, runKeeper_, seams_.prompts, seams_.clock, [this] { return save(); });
}

void MainFrameLogic::run()
{
    runControl_.run(seams_.prompts, runNeedsSaving(), [this] { return save(); });
}

bool MainFrameLogic::save()
{
    if (!runSave_.save()) return false;
    runKeeper_.saved();
    return true;
}

void MainFrameLogic::selectMenuPort(int n)
{
    meterLink_.serialLink().selectMenuPort(n);
    document_.updateAllViews();
}

void MainFrameLogic::selectOtherPort(int n)
{
    if (meterLink_.serialLink().selectOtherPort(n)) document_.updateAllViews();
}

download::StartResult MainFrameLogic::startDataLogger()
{
    const download::StartResult result = downloadStart_.startDataLogger();
    if (result.started()) {
        document_.loggerSets().downloadStarted();
        dumpReceiver_.expectLoggerDump();
    }
    tellRefusal(result);
    return result;
}

download::StartResult MainFrameLogic::startMemory()
{
    const download::StartResult result = downloadStart_.startMemory();
    if (result.started()) notifyPanel();
    tellRefusal(result);
    return result;
}

void MainFrameLogic::tellRefusal(const download::StartResult& result)
{
    if (result.refusal == download::StartRefusal::LowBattery)
        seams_.prompts.message(download::DownloadStart::kLowBatteryMessage);
}

bool MainFrameLogic::close(CloseMode mode)
{
    if (closed_) return true;
    // A close the user cancels leaves everything as it was: the meter is told nothing.
    if (mode == CloseMode::AskToSave && !settleRunBeforeClose()) return false;
    const graph::YAxisSetting& yAxis = document_.yAxis();
    // A file that could not be read was reported at start and is left as it is.
    if (!configuration_.readProblem()) {
        const auto problem
            = configuration_.writeAtClose(meterLink_.serialLink().portNumber(), yAxis.gain, yAxis.offset);
        if (problem && mode == CloseMode::AskToSave) seams_.prompts.message(*problem);
    }
    meterLink_.commands().sendExit();
    // The run ends with the program: no tick before the exit may bring back a
    // journal the user gave up. A journal still kept goes to the disk now.
    runControl_.stop();
    runKeeper_.keepForNextStart();
    closed_ = true;
    return true;
}

bool MainFrameLogic::runNeedsSaving() const
{
    // A run of one sample or none is not worth a question.
    return document_.run().sampleCount() > 1 && runKeeper_.unsaved();
}

bool MainFrameLogic::settleRunBeforeClose()
{
    if (!runNeedsSaving()) {
        if (document_.run().sampleCount() <= 1) runKeeper_.givenUp();  // nor its journal
        return true;
    }
    switch (seams_.prompts.askYesNoCancel(kSaveBeforeCloseQuestion)) {
    case platform::Answer::Yes:
        return save();
    case platform::Answer::No:
        runKeeper_.givenUp();
        return true;
    case platform::Answer::Cancel:
        break;
    }
    return false;
}

std::optional<CommandState> MainFrameLogic::commandState(int id) const
{
    return commandUpdate(id,
        { runControl_, document_.run(), serialLink_, document_.loggerSets().windowOpen(),
            meterLink_.offline() });
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
    if (id == realtime::view_timers::kWatchdog) {
        meterLink_.watchdogTick();
        runKeeper_.tick();
    }
}

std::string MainFrameLogic::linkStatusText() const
{
    status_bar::LinkState state;
    state.portNumber = serialLink_.portNumber();
    state.devicePath = seams_.port.devicePath();
    state.lastError = serialLink_.lastError();
    if (const auto since = serialLink_.noAnswerSince()) state.noAnswerSince = seams_.clock.toLocal(*since);
    state.offline = meterLink_.offline();
    return status_bar::linkPaneText(state);
}

std::string MainFrameLogic::warningStatusText() const
{
    return status_bar::warningPaneText(configuration_.readProblem(), runKeeper_.journal().problem());
}

realtime::RunStripTexts MainFrameLogic::stripTexts() const
{
    return realtime::runStripTexts(document_.run(), meterLink_.batteryState(), seams_.clock);
}

void MainFrameLogic::measurementReceived(const link::MeasurementUpdate& update)
{
    realtime::RunBookkeeping& run = document_.run();
    const link::Reading& reading = update.frame.reading;

    runControl_.frameArrived(update.now);
    run.append(reading.graphValue, reading.footCandle != 0);
    if (update.frame.scaleChanged) {
        document_.yAxis() = { update.frame.yGain, 0 };
        run.setCurrentGain(update.frame.yGain);
        document_.updateAllViews();
    }
    if (events_) events_->measurementShown(update);
}

// An unattended run (--run) goes on with the reason in the status bar alone.
void MainFrameLogic::journalProblem(const std::string& problem)
{
    if (journalProblemTold_ || runControl_.unattended()) return;
    journalProblemTold_ = true;
    if (events_) events_->journalProblem(problem);
}

void MainFrameLogic::goOffline()
{
    runControl_.meterLost();
    notifyPanel();
}

void MainFrameLogic::notifyPanel()
{
    if (events_) events_->panelChanged();
}

}  // namespace brivon::app
