#include "core/app/RunControl.h"

#include "core/realtime/GraphSetup.h"
#include "core/realtime/ViewTimers.h"

namespace brivon::app {

void RunControl::run(platform::Prompts& prompts, bool lastRunUnsaved, const std::function<bool()>& save)
{
    // The dialog starts at the current period, at least 1 s.
    const int startSeconds = realtime::initialSampleRateSeconds(document_.run().samplePeriodMs());
    if (lastRunUnsaved) {
        const platform::Answer answer = prompts.askYesNoCancel(kSaveBeforeRunQuestion);
        if (answer == platform::Answer::Cancel) return;
        if (answer == platform::Answer::Yes && !save()) return;
    }
    if (const auto entered = prompts.sampleRate(startSeconds)) {
        runWithPeriod(*entered);
        unattended_ = false;
    }
    runChosen_ = true;
}

void RunControl::runAtLaunch(int seconds)
{
    runWithPeriod(seconds);
    unattended_ = true;
    // Stop works before the meter's first frame, as after any Run.
    runFlag_ = true;
}

void RunControl::runWithPeriod(int enteredSeconds)
{
    // The dialog takes any integer; the period is at least one second (and
    // fits the millisecond count), and the strip shows the period actually used.
    const int periodMs = realtime::samplePeriodMsFromSeconds(enteredSeconds);
    document_.run().setSamplePeriodMs(periodMs);
    if (idleFrame_) {
        idleFrame_ = false;
        runFlag_ = true;
    }
    viewTimers_.start(realtime::view_timers::kSample, periodMs);
    requested_ = true;
    running_ = true;
    if (awaitingFirstFrame()) {
        document_.startBeforeFirstFrame(clock_.now());
    } else {
        document_.updateAllViews();
    }
    runChosen_ = true;
}

void RunControl::stop()
{
    running_ = false;
    stopped_ = true;
    runFlag_ = false;
}

void RunControl::frameArrived(platform::TimeValue now)
{
    if (awaitingFirstFrame()) {
        requested_ = false;
        stopped_ = false;
        document_.resetForNewRun(now);
    }
    if (!running_) idleFrame_ = true;
}

void RunControl::sampleTick()
{
    if (!running_) return;
    // A requested run that no frame has started yet keeps the last run's full
    // counters untouched: the first frame resets them.
    if (document_.run().isFull()) {
        if (!awaitingFirstFrame()) stop();
        return;
    }
    document_.commitSample();
    // The run ends at the tick that reaches a limit, so that no later tick
    // writes past the tables, whether frames still come or not.
    if (document_.run().isFull()) stop();
}

void RunControl::endRunIfFull()
{
    if (document_.run().isFull() && !awaitingFirstFrame()) stop();
}

void RunControl::meterLost()
{
    idleFrame_ = false;
    stop();
}

}  // namespace brivon::app
