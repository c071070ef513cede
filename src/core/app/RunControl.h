#pragma once
// The run state of the real-time acquisition: Run, Stop, the first frame that
// starts a requested run, the sample timer's commit and the end of a full run.
//
// Three flags: run requested R, running G, stopped S; idle is (0, 0, 1).
// Run with OK sets R and G; the next measurement frame while R and S are set
// clears both and resets the run's counters; Stop, a full run and an invalid
// port clear G and set S. The sample timer commits whenever G is set.
// Besides, the flags that enable Run, PowerOff and Stop.

#include "core/app/CDTDoc.h"
#include "core/platform/Prompts.h"
#include "core/platform/Timers.h"

#include <functional>

namespace brivon::app {

class RunControl {
public:
    static constexpr const char* kSaveBeforeRunQuestion
        = "Do you want to save the existing graph data before continuing?";

    RunControl(app::CDTDoc& document, platform::Timers& viewTimers, const platform::Clock& clock)
        : document_(document)
        , viewTimers_(viewTimers)
        , clock_(clock)
    {
    }

    // The Run command. When `lastRunUnsaved`, the user is offered to save the
    // last run first: Yes calls `save`, and a save that did not happen (its
    // dialog cancelled, or failed) abandons the Run, as Cancel does. Then the
    // sample period is asked. A run that no frame has started yet is dated
    // from the moment Run was confirmed.
    void run(platform::Prompts& prompts, bool lastRunUnsaved, const std::function<bool()>& save);
    // Starts a run with `seconds` as the sample period, as Run with that value
    // confirmed in the dialog would.
    void runWithPeriod(int seconds);
    // The program's --run: the same, before the meter has said anything.
    void runAtLaunch(int seconds);
    // Stop, and every other end of a run.
    void stop();
    // Measurement frame acceptance, with the time it arrived.
    void frameArrived(platform::TimeValue now);
    // The view's sample timer.
    void sampleTick();
    // After every receive event: a full run ends.
    void endRunIfFull();
    // The port went missing: the run ends and Run waits for the next frame.
    void meterLost();

    // The run was started by --run, not by a person at the Run command.
    bool unattended() const { return unattended_; }
    bool runRequested() const { return requested_; }
    bool running() const { return running_; }
    bool stopped() const { return stopped_; }
    // A frame came while no run is active: Run and PowerOff are enabled.
    bool idleFrame() const { return idleFrame_; }
    // Set by Run, cleared when the run ends: Stop is enabled.
    bool runFlag() const { return runFlag_; }
    // Run was chosen at least once.
    bool runChosen() const { return runChosen_; }

private:
    // Requested but not yet started by a frame: the counters still belong to the last run.
    bool awaitingFirstFrame() const { return requested_ && stopped_; }

    app::CDTDoc& document_;
    platform::Timers& viewTimers_;
    const platform::Clock& clock_;
    bool requested_ = false;
    bool running_ = false;
    bool stopped_ = true;
    bool unattended_ = false;
    bool idleFrame_ = false;
    bool runFlag_ = false;
    bool runChosen_ = false;
};

}  // namespace brivon::app
