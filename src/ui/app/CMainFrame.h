#pragma once
// The program's main window: menu, toolbar, status bar, the real-time view with
// its strips and the meter panel. Its commands, timers and the meter link are
// the core's MainFrameLogic; this class turns Qt events into calls on it and
// shows what it reports.

#include "core/app/CDTDoc.h"
#include "core/app/DocumentObserver.h"
#include "core/app/FolderPrompts.h"
#include "core/app/MainFrameLogic.h"
#include "core/memory/MemoryListLogic.h"
#include "ui/app/MainStatusBar.h"
#include "ui/app/QtPrompts.h"
#include "ui/link/CMSComm.h"
#include "ui/link/QtTimers.h"
#include "ui/report/ReportPrinter.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;

namespace brivon::ui {

class CMeterPanel;
class CDTView;
class CLoggingDlg;
struct MemoryListSources;

class CMainFrame final : public QMainWindow, private app::MainFrameEvents, private app::DocumentObserver {
    Q_OBJECT
public:
    // `prompts` answers the dialogs instead of real ones (tests); nothing shows Qt dialogs.
    CMainFrame(link::PortMap portMap, app::Configuration configuration, platform::Prompts* prompts = nullptr,
        QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Loads a graph file as the document's Open does; false when it was refused.
    bool openGraphFile(const std::string& path);
    // Opens the data-logger window: browsing graph files, or as the last
    // download or browse left it.
    void showDataLogger(bool fileBrowse);
    // Opens the data-logger window browsing graph files with `path` read and
    // shown; a file that cannot be read is reported, the window stays shut and
    // the result is false.
    bool showGraphFile(const std::string& path);
    // The memory list window with the list file at `path`; false when it
    // cannot be read (said in a message box) and no window was shown.
    bool showMemoryFile(const std::string& path);
    // showMemoryFile for a name ending in .MemDat, showGraphFile otherwise.
    bool showDataFile(const std::string& path);
    // Closes as the Close command does, without asking anything (a stop signal).
    void closeUnattended();

    // The command's action (menu entry and toolbar button share one), for tests.
    QAction* action(int commandId) const;
    app::MainFrameLogic& logic() { return logic_; }
    app::CDTDoc& document() { return document_; }
    ui::CDTView& view() { return *view_; }
    CMeterPanel& panel() { return *panel_; }
    QString statusPaneText(int pane) const;
    // The status bar's warnings pane while it shows a warning.
    const QLabel* visibleWarningPane() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void measurementShown(const link::MeasurementUpdate& update) override;
    void panelChanged() override;
    void downloadProgressDue() override;
    void downloadChanged() override;
    void journalProblem(const std::string& problem) override;
    void viewsChanged() override;
    void samplePlotted() override;

    void buildActions();
    void buildMenus();
    void buildToolBar();
    QAction* addCommand(
        int id, const QString& text, const char* icon = nullptr, const QKeySequence& shortcut = {});
    void refreshCommandStates();
    void refreshStatusPanes();
    void onCommand(int id);
    void openFromDialog();
    MemoryListSources memoryListSources(memory::ListSource source);
    void showMemoryList(memory::ListSource source);
    // COM1-COM4 with their devices, the present ones marked, as the menu opens.
    void showPortDevices();
    void chooseOtherPort();
    void showAbout();
    void showHelp();
    void print();
    void printSetup();
    void showFileInTitle(const std::filesystem::path& file);

    platform::SystemClock clock_;
    app::CDTDoc document_;
    QtPrompts qtPrompts_;
    app::FolderPrompts folderPrompts_;  // every file dialog starts in its kind's last folder
    platform::Prompts& prompts_;
    CMSComm port_;
    QtTimers mainTimers_;
    QtTimers viewTimers_;
    app::MainFrameLogic logic_;
    ui::CDTView* view_ = nullptr;
    CMeterPanel* panel_ = nullptr;
    std::map<int, QAction*> actions_;
    std::unique_ptr<MainStatusBar> statusPanes_;
    DialogReportPrinter reportPrinter_;
    bool closing_ = false;
    CLoggingDlg* progressDialog_ = nullptr;  // while a download's progress is shown
};

}  // namespace brivon::ui
