#include "ui/app/CMainFrame.h"

#include "core/app/CommandIds.h"
#include "core/app/ProgramVersion.h"
#include "core/app/RunCsvExport.h"
#include "core/files/DataFileNames.h"
#include "core/journal/JournalFolder.h"
#include "core/link/PortChoice.h"
#include "core/report/GraphReport.h"
#include "ui/app/CLoggingDlg.h"
#include "ui/app/COpenFileDlg.h"
#include "ui/app/ComPortDialog.h"
#include "ui/app/WindowTitle.h"
#include "ui/help/HelpWindow.h"
#include "ui/logger/CDataLoggerDlg.h"
#include "ui/memory/CMemListDlg.h"
#include "ui/panel/CMeterPanel.h"
#include "ui/realtime/CDTView.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/StatisticsStrip.h"
#include "ui/realtime/YAxisDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace brivon::ui {

namespace {

using namespace app::command_ids;

constexpr const char* kTitle = "Brivon";
constexpr const char* kAboutTitle = "About Brivon";
// The command states follow the run as the framework's idle updates did.
constexpr int kCommandRefreshMs = 200;

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

CMainFrame::CMainFrame(
    link::PortMap portMap, app::Configuration configuration, platform::Prompts* prompts, QWidget* parent)
    : QMainWindow(parent)
    , document_(clock_)
    , qtPrompts_(this)
    , folderPrompts_(prompts ? *prompts : qtPrompts_, configuration)
    , prompts_(folderPrompts_)
    , port_(std::move(portMap))
    , logic_(document_,
          app::MainFrameSeams {
              port_, mainTimers_, viewTimers_, clock_, prompts_, journal::journalFolderFromEnvironment() },
          std::move(configuration))
    , reportPrinter_(this, prompts_)
{
    setWindowTitle(kTitle);
    mainTimers_.setHandler([this](int id) { logic_.mainTimerExpired(id); });
    viewTimers_.setHandler([this](int id) { logic_.viewTimerExpired(id); });

    view_ = new ui::CDTView(clock_, this);
    view_->setSeriesSource([this] { return document_.graphSeries(); });
    view_->setStripSource([this] { return logic_.stripTexts(); });
    view_->statisticsStrip().setStatistics(logic_.link().statistics().texts());
    setCentralWidget(view_);
    panel_ = new CMeterPanel(logic_.link().serialLink(), view_);
    view_->setMeterPanel(panel_);

    buildActions();
    buildMenus();
    buildToolBar();
    statusPanes_ = std::make_unique<MainStatusBar>(*statusBar());

    connect(
        view_, &ui::CDTView::readoutChanged, this, [this](const QString& timeText, const QString& dataText) {
            statusPanes_->setReadout(timeText, dataText);
        });
    connect(&view_->realTimeStrip(), &ui::RealTimeStrip::yAxisClicked, this, [this] {
        if (const auto chosen = ui::YAxisDialog::ask(this, document_.yAxis())) {
            document_.yAxis() = *chosen;
            document_.updateAllViews();
        }
    });
    connect(panel_, &CMeterPanel::powerOffClicked, this, [this] { logic_.powerOff(); });

    document_.addObserver(*this);
    logic_.setEvents(this);
    logic_.create();
    viewsChanged();

    auto* refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, [this] {
        refreshCommandStates();
        refreshStatusPanes();
    });
    refresh->start(kCommandRefreshMs);
    refreshCommandStates();
    refreshStatusPanes();
}

CMainFrame::~CMainFrame()
{
    logic_.setEvents(nullptr);
    document_.removeObserver(*this);
}

QAction* CMainFrame::addCommand(int id, const QString& label, const char* icon, const QKeySequence& shortcut)
{
    auto* action = new QAction(label, this);
    if (icon) action->setIcon(QIcon(QString(":/icons/%1.svg").arg(icon)));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, id] { onCommand(id); });
    actions_[id] = action;
    return action;
}

void CMainFrame::buildActions()
{
    addCommand(kSave, "&Save", "save", QKeySequence::Save);
    addCommand(kExportCsv, "&Export CSV...");
    addCommand(kOpen, "&Open...", "open", QKeySequence::Open);
    addCommand(kPrint, "&Print...", "print", QKeySequence::Print);
    addCommand(kPrintSetup, "P&rint Setup...");
    addCommand(kRun, "&Run", "run");
    addCommand(kStop, "S&top", "stop");
    addCommand(kUndoZoom, "&UndoZoom", "undozoom");
    addCommand(kFit, "&Fit", "fit")->setToolTip("Fit (F)");
    addCommand(kResetStatistics, "Reset &Statistics");
    for (int n = 1; n <= link::SerialLink::kMenuPorts; ++n)
        addCommand(kCom1 + n - 1, QString("COM%1").arg(n))->setCheckable(true);
    addCommand(kOtherCom, "&Other COM...");
    addCommand(kDataLogger, "&Data Logger");
    addCommand(kDataLoggerGraph, "Datalogger &Graph...");
    addCommand(kMem, "&Mem");
    addCommand(kAbout, "&About Brivon...");
    addCommand(kHelpContents, "&Contents", "help", QKeySequence::HelpContents);
}

void CMainFrame::buildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction(actions_[kSave]);
    file->addAction(actions_[kExportCsv]);
    file->addAction(actions_[kOpen]);
    file->addAction("Open &Graph File(*.AsmDat)...", this, [this] { showDataLogger(true); });
    file->addAction(actions_[kPrint]);
    file->addAction(actions_[kPrintSetup]);
    file->addSeparator();
    file->addAction("E&xit", QKeySequence::Quit, this, &QWidget::close);
    QMenu* realTime = menuBar()->addMenu("&RealTime");
    realTime->addActions({ actions_[kRun], actions_[kStop], actions_[kUndoZoom], actions_[kFit] });
    realTime->addSeparator();
    realTime->addAction(actions_[kResetStatistics]);
    QMenu* ports = menuBar()->addMenu("&COM Port");
    for (int n = 1; n <= link::SerialLink::kMenuPorts; ++n)
        ports->addAction(actions_[kCom1 + n - 1]);
    ports->addAction(actions_[kOtherCom]);
    connect(ports, &QMenu::aboutToShow, this, &CMainFrame::showPortDevices);
    showPortDevices();
    menuBar()->addAction(actions_[kDataLogger]);
    menuBar()->addAction(actions_[kDataLoggerGraph]);
    menuBar()->addAction(actions_[kMem]);
    QMenu* help = menuBar()->addMenu("&Help");
    help->addActions({ actions_[kAbout], actions_[kHelpContents] });
    for (QMenu* menu : { file, realTime, ports, help })
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::refreshCommandStates);
}

void CMainFrame::buildToolBar()
{
    QToolBar* bar = addToolBar("Standard");
    bar->setObjectName("standardToolBar");
    const int ids[] = { kSave, kOpen, kRun, kStop, kPrint, kUndoZoom, kFit, kHelpContents };
    for (int id : ids) {
        if (id != ids[0]) bar->addSeparator();
        bar->addAction(actions_[id]);
    }
}

void CMainFrame::refreshCommandStates()
{
    for (const auto& [id, action] : actions_) {
        if (const auto state = logic_.commandState(id)) {
            action->setEnabled(state->enabled);
            if (action->isCheckable()) action->setChecked(state->checked);
        }
    }
    actions_[kUndoZoom]->setEnabled(view_->isZoomed());
    actions_[kFit]->setEnabled(view_->canFit());
}

void CMainFrame::refreshStatusPanes()
{
    statusPanes_->setLinkText(text(logic_.linkStatusText()));
    statusPanes_->setWarningText(text(logic_.warningStatusText()));
}

QString CMainFrame::statusPaneText(int pane) const
{
    return statusPanes_->paneText(pane);
}

const QLabel* CMainFrame::visibleWarningPane() const
{
    return statusPanes_->visibleWarningPane();
}

QAction* CMainFrame::action(int commandId) const
{
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::onCommand(int id)
{
    refreshCommandStates();
    if (!actions_[id]->isEnabled()) return;
    switch (id) {
    case kSave:
        if (logic_.save()) showFileInTitle(logic_.runFile());
        break;
    case kExportCsv:
        app::RunCsvExport(document_, clock_, prompts_).exportCsv();
        break;
    case kOpen:
        openFromDialog();
        break;
    case kPrint:
        print();
        break;
    case kPrintSetup:
        printSetup();
        break;
    case kRun:
        logic_.run();
        // The new run is in no file yet.
        if (logic_.runControl().runRequested()) showFileInTitle({});
        break;
    case kStop:
        logic_.stop();
        break;
    case kUndoZoom:
        view_->undoZoom();
        break;
    case kFit:
        view_->fitToData();
        break;
    case kResetStatistics:
        logic_.link().resetStatistics();
        view_->statisticsStrip().setStatistics(logic_.link().statistics().texts());
        break;
    case kOtherCom:
        chooseOtherPort();
        break;
    case kDataLogger:
        logic_.startDataLogger();
        break;
    case kDataLoggerGraph:
        showDataLogger(document_.loggerSets().fileBrowse());
        break;
    case kMem:
        logic_.startMemory();
        break;
    case kAbout:
        showAbout();
        break;
    case kHelpContents:
        showHelp();
        break;
    default:
        if (id >= kCom1 && id <= kCom4) logic_.selectMenuPort(id - kCom1 + 1);
        break;
    }
    refreshCommandStates();
    refreshStatusPanes();
}

bool CMainFrame::openGraphFile(const std::string& path)
{
    // The document reports a file it cannot read.
    const files::FileOutcome outcome = document_.load(path, prompts_);
    document_.updateAllViews();
    if (outcome.status != files::FileStatus::Ok) return false;
    showFileInTitle(path);
    return true;
}

void CMainFrame::openFromDialog()
{
    switch (COpenFileDlg::ask(this)) {
    case COpenFileDlg::Choice::ListFile:
        showMemoryList(memory::ListSource::ListFiles);
        break;
    case COpenFileDlg::Choice::GraphFile:
        showDataLogger(true);
        break;
    case COpenFileDlg::Choice::Nothing:
        break;
    }
}

MemoryListSources CMainFrame::memoryListSources(memory::ListSource source)
{
    download::DownloadState& downloads = logic_.downloads();
    const std::string saveName
        = memory::proposedFileName(document_.currentSet().loadedStartTime, document_.memoryBlock(), clock_);
    return { document_.memoryBlock(), { downloads.memoryEmpty, downloads.fillRequest }, source, saveName,
        logic_.configuration() };
}

void CMainFrame::showMemoryList(memory::ListSource source)
{
    CMemListDlg dialog(memoryListSources(source), prompts_, this);
    dialog.exec();
}

void CMainFrame::showDataLogger(bool fileBrowse)
{
    if (fileBrowse) document_.loggerSets().browseFiles();
    CDataLoggerDlg dialog(document_.loggerSets(), prompts_, clock_, this);
    dialog.exec();
    refreshCommandStates();
}

bool CMainFrame::showGraphFile(const std::string& path)
{
    document_.loggerSets().browseFiles();
    CDataLoggerDlg dialog(document_.loggerSets(), prompts_, clock_, this);
    if (!dialog.readGraphFile(path)) {
        dialog.done(QDialog::Rejected);
        return false;
    }
    dialog.exec();
    refreshCommandStates();
    return true;
}

bool CMainFrame::showMemoryFile(const std::string& path)
{
    CMemListDlg dialog(memoryListSources(memory::ListSource::ListFiles), prompts_, this);
    if (!dialog.readListFile(path)) return false;
    dialog.exec();
    return true;
}

bool CMainFrame::showDataFile(const std::string& path)
{
    files::DataFileKind kind = files::DataFileKind::Graph;
    // A name of neither kind is read as a graph file, whose reader says why it is none.
    files::dataFileKindOf(path, kind);
    return kind == files::DataFileKind::Memory ? showMemoryFile(path) : showGraphFile(path);
}

void CMainFrame::showPortDevices()
{
    for (int n = 1; n <= link::SerialLink::kMenuPorts; ++n) {
        const std::string path = port_.portMap().pathFor(n);
        actions_[kCom1 + n - 1]->setText(
            QString::fromStdString(link::portMenuText(n, path, link::devicePresent(path))));
    }
}

void CMainFrame::chooseOtherPort()
{
    const auto choice = ComPortDialog::ask(this, logic_.otherComStartNumber(), ComPortDialog::presentPorts());
    if (!choice) return;
    if (!choice->device) {
        logic_.selectOtherPort(*choice->number);
        return;
    }
    // A picked device takes a number of its own, kept in the settings file for the next start.
    const std::string device = choice->device->toStdString();
    const auto number
        = link::numberForPickedDevice(port_.portMap(), device, choice->number, &link::devicePresent);
    if (!number) return;
    port_.portMap().setPath(*number, device);
    if (const auto problem = logic_.configuration().writeDevicePath(*number, device))
        prompts_.message(*problem);
    logic_.selectOtherPort(*number);
}

void CMainFrame::showAbout()
{
    QMessageBox about(QMessageBox::NoIcon, kAboutTitle, app::kVersionText, QMessageBox::Ok, this);
    about.setIconPixmap(QApplication::windowIcon().pixmap(48, 48));
    about.exec();
}

// The user's guide beside the executable, in the program's own help window.
void CMainFrame::showHelp()
{
    HelpWindow::showFor(this);
}

void CMainFrame::showFileInTitle(const std::filesystem::path& file)
{
    setWindowTitle(titleWithFile(kTitle, file));
}

void CMainFrame::printSetup()
{
    QPageSetupDialog(&reportPrinter_.printer(), this).exec();
}

// The real-time report of the run and the labels on screen.
void CMainFrame::print()
{
    report::GraphReportSource source = view_->reportSource();
    source.fileName = logic_.runFile().filename().string();
    reportPrinter_.print([&](draw::Canvas& canvas) { report::drawGraphReport(canvas, source, clock_); });
}

void CMainFrame::measurementShown(const link::MeasurementUpdate& update)
{
    panel_->setOffline(false);
    panel_->showReading(update.frame.reading);
    view_->refreshStrip();
    view_->statisticsStrip().setStatistics(update.statistics);
}

void CMainFrame::downloadProgressDue()
{
    CLoggingDlg dialog(logic_.downloads(), logic_.link().serialLink(), this);
    progressDialog_ = &dialog;
    const download::DownloadEnd end = dialog.runModal();
    progressDialog_ = nullptr;
    panelChanged();
    if (end == download::DownloadEnd::MemoryList) showMemoryList(memory::ListSource::Download);
    if (end == download::DownloadEnd::DataLogger) showDataLogger(false);
}

void CMainFrame::journalProblem(const std::string& problem)
{
    // Outside the sample timer's tick, which goes on while the box is shown.
    QTimer::singleShot(0, this, [this, problem] { prompts_.message(problem); });
}

void CMainFrame::downloadChanged()
{
    if (progressDialog_) progressDialog_->invalidate();
}

void CMainFrame::panelChanged()
{
    panel_->setOffline(logic_.link().offline());
    panel_->setStatusText(logic_.downloads().panelStatusText);
    view_->refreshStrip();
}

void CMainFrame::viewsChanged()
{
    view_->updateGraph();
}

void CMainFrame::samplePlotted()
{
    view_->plotNewSample();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Cancel at the save question, or a save that did not happen, keeps the program open.
    if (logic_.close(app::CloseMode::AskToSave)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::closeUnattended()
{
    logic_.close(app::CloseMode::Unattended);
    close();
}

}  // namespace brivon::ui
