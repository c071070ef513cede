#pragma once
// What the main window does, without the window: it owns the meter link and
// receives its frames, keeps the run state, handles the
// menu and toolbar commands and their update rules, runs the main window's
// timers and the view's sample and watchdog timers, and closes the program.
// The Qt class CMainFrame forwards its commands, timers and events here and
// shows what MainFrameEvents and the document's observers report.

#include "core/app/CDTDoc.h"
#include "core/app/CommandUpdates.h"
#include "core/app/Configuration.h"
#include "core/app/RunControl.h"
#include "core/app/RunKeeper.h"
#include "core/app/RunSave.h"
#include "core/download/DownloadStart.h"
#include "core/download/DumpReceiver.h"
#include "core/link/MeterLink.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"
#include "core/platform/SerialPort.h"
#include "core/platform/Timers.h"
#include "core/realtime/RunStripTexts.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brivon::app {

// The seams the main window lives on: its serial port, its timers, the view's
// timers, the clock and the dialogs; and the folder of the run journal.
struct MainFrameSeams {
    platform::SerialPort& port;
    platform::Timers& mainTimers;
    platform::Timers& viewTimers;
    const platform::Clock& clock;
    platform::Prompts& prompts;
    std::filesystem::path journalFolder;
};

// What the window shows in answer to the link and the timers.
class MainFrameEvents {
public:
    virtual ~MainFrameEvents() = default;
    // A measurement frame was decoded: the meter panel takes its texts and bar
    // count, the statistics strip its statistics, the real-time strip the battery text.
    virtual void measurementShown(const link::MeasurementUpdate& /*update*/) { }
    // The panel's off-line state or status text changed.
    virtual void panelChanged() { }
    // The progress timer after a dump request expired: the download progress dialog is due (shown modally).
    virtual void downloadProgressDue() { }
    // A transfer moved on or ended: the progress dialog repaints (the panel gets panelChanged).
    virtual void downloadChanged() { }
    // The journal of a run a person started cannot be written: said once, in a
    // message box shown after the sample timer's tick, never during it.
    virtual void journalProblem(const std::string& /*problem*/) { }
};

enum class CloseMode {
    AskToSave,  // the user closes the window
    Unattended,  // a signal ends the program: no questions
};

class MainFrameLogic : private link::ReceiveSink {
public:
    static constexpr const char* kSaveBeforeCloseQuestion = "Do you want to save the data before closing?";

    MainFrameLogic(app::CDTDoc& document, const MainFrameSeams& seams, Configuration configuration);
    MainFrameLogic(const MainFrameLogic&) = delete;
    MainFrameLogic& operator=(const MainFrameLogic&) = delete;

    void setEvents(MainFrameEvents* events) { events_ = events; }

    // Window creation: the Y scale and the port from the configuration, the
    // link started with its first poll, the watchdog running.
    void create();

    // At start: the runs a crash left unsaved are offered for saving.
    void offerUnsavedRuns();
    // The program's --run: a run with this sample period starts now.
    void runAtLaunch(int seconds) { runControl_.runAtLaunch(seconds); }

    // Commands.
    void run();
    void stop() { runControl_.stop(); }
    void selectMenuPort(int n);  // COM1-COM4
    int otherComStartNumber() const { return serialLink_.otherComStartNumber(); }
    void selectOtherPort(int n);  // the "COM Port Setup" dialog's number on OK
    void powerOff() { meterLink_.commands().powerOff(); }
    // True when the run was written.
    bool save();
    // A low battery is told; the other refusals pass in silence.
    download::StartResult startDataLogger();
    download::StartResult startMemory();
    // When asked to and the run has more than one sample not yet saved,
    // offers to save it; then writes the configuration and sends the exit
    // command. True when the program may end; false when the user cancelled
    // the question or the save after Yes did not happen: nothing is written or
    // sent and the program goes on. Once it returned true, later calls do
    // nothing and return true, so the exit command goes out once.
    bool close(CloseMode mode);
    bool closed() const { return closed_; }

    // The update rule of a command; nothing for commands decided elsewhere.
    std::optional<CommandState> commandState(int id) const;

    // Timers: each window's timers call these with the id that fired.
    void mainTimerExpired(int id);
    void viewTimerExpired(int id);

    app::CDTDoc& document() { return document_; }
    const RunControl& runControl() const { return runControl_; }
    const RunKeeper& runKeeper() const { return runKeeper_; }
    link::MeterLink& link() { return meterLink_; }
    // The graph file the run was last saved to; empty before a save.
    std::filesystem::path runFile() const { return runSave_.savedFile(); }
    const link::SerialLink& serialLink() const { return serialLink_; }
    const download::DownloadState& downloads() const { return downloadStart_.state(); }
    download::DownloadState& downloads() { return downloadStart_.state(); }
    const Configuration& configuration() const { return configuration_; }
    // Status bar pane 0.
    std::string linkStatusText() const;
    // The status bar's warnings pane.
    std::string warningStatusText() const;
    // The real-time strip: the run's texts and, while a meter is on line, its battery.
    realtime::RunStripTexts stripTexts() const;

private:
    void measurementReceived(const link::MeasurementUpdate& update) override;
    void memoryDumpReceived(const platform::Bytes& block) override
    {
        dumpReceiver_.memoryDumpReceived(block);
    }
    void loggerBlockReceived(const platform::Bytes& block) override
    {
        dumpReceiver_.loggerBlockReceived(block);
    }
    void eventFinished() override { runControl_.endRunIfFull(); }
    // The run has samples no save has written since its last one: Run and the
    // close offer to save it.
    bool runNeedsSaving() const;
    // The close question; true when the program may end.
    bool settleRunBeforeClose();
    void journalProblem(const std::string& problem);
    void tellRefusal(const download::StartResult& result);
    void goOffline();
    void notifyPanel();

    app::CDTDoc& document_;
    MainFrameSeams seams_;
    Configuration configuration_;
    link::MeterLink meterLink_;
    const link::SerialLink& serialLink_;  // the link's port state, for the const queries
    RunControl runControl_;
    RunKeeper runKeeper_;
    RunSave runSave_;
    download::DownloadStart downloadStart_;
    download::DumpReceiver dumpReceiver_;
    MainFrameEvents* events_ = nullptr;
    bool closed_ = false;
    bool journalProblemTold_ = false;
};

}  // namespace brivon::app
