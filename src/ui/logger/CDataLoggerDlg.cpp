#include "ui/logger/CDataLoggerDlg.h"

#include "core/files/CsvExport.h"
#include "core/files/CsvSaveAs.h"
#include "core/files/DataFileNames.h"
#include "core/files/DataFileSaves.h"
#include "core/files/RefusalMessage.h"
#include "core/files/SaveTarget.h"
#include "core/report/GraphReport.h"
#include "core/report/ReportSources.h"
#include "ui/app/WindowTitle.h"
#include "ui/logger/LoggerGraphView.h"
#include "ui/logger/SetListModel.h"
#include "ui/realtime/YAxisDialog.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSizeGrip>
#include <QTableView>
#include <QToolBar>

#include <algorithm>

namespace brivon::ui {
namespace {

constexpr const char* kCaption = "Light Datalogger Graph";
constexpr const char* kOpenFilter = "DataLogger Files (*.AsmDat)|*.AsmDat|*.CH4|*.CH4|";
constexpr const char* kSaveFilter = "DataLogger Files (*.AsmDat)|*.AsmDat|";
constexpr const char* kDefaultExtension = "AsmDat";

// The window's size when it opens, and where the toolbar and the list lie over the graph.
constexpr QSize kInitialSize { 1000, 640 };
constexpr int kToolBarHeight = 23;
constexpr int kListLeft = 5;
constexpr int kListTop = 25;
constexpr int kListBottomGap = 3;
// The graph keeps this much room for the list left of its labels; a wider
// list moves the graph right by the difference.
constexpr int kGraphListRoom = 200;
// The list's share of the window's width, once its columns fit.
constexpr double kListWidthShare = 0.3;

}  // namespace

CDataLoggerDlg::CDataLoggerDlg(
    logger::DataLoggerSets& sets, platform::Prompts& prompts, const platform::Clock& clock, QWidget* parent)
    : QDialog(parent)
    , sets_(sets)
    , prompts_(prompts)
    , clock_(clock)
    , printer_(this, prompts)
    , graph_(new LoggerGraphView(sets, clock, this))
    , toolBar_(new QToolBar(this))
    , list_(new QTableView(this))
    , model_(new SetListModel(this))
{
    setWindowTitle(kCaption);
    setModal(true);
    setSizeGripEnabled(true);
    if (const auto* grip = findChild<QSizeGrip*>()) graph_->setScrollBarRightGap(grip->sizeHint().width());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    buildToolBar();
    buildList();
    sets_.setRowsHandler([this] { model_->setRows(sets_.rows()); });
    model_->setRows(sets_.rows());
    sets_.windowOpened();
    connect(graph_, &ZoomableGraphView::zoomChanged, this, &CDataLoggerDlg::refreshCommands);
    resize(kInitialSize);
    refreshCommands();
}

CDataLoggerDlg::~CDataLoggerDlg()
{
    sets_.setRowsHandler({});
    // The list's header resizes its sections while the base class deletes it.
    disconnect(list_->horizontalHeader(), nullptr, this, nullptr);
}

QAction* CDataLoggerDlg::action(int commandId) const
{
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* CDataLoggerDlg::addCommand(int id, const char* icon, const QString& toolTip)
{
    QAction* action = toolBar_->addAction(QIcon(QString(":/icons/%1.svg").arg(icon)), toolTip);
    action->setToolTip(toolTip);
    actions_[id] = action;
    return action;
}

void CDataLoggerDlg::buildToolBar()
{
    toolBar_->setObjectName(QStringLiteral("loggerToolBar"));
    // The graph lies under the toolbar: the toolbar covers what the graph draws there.
    toolBar_->setAutoFillBackground(true);
    connect(addCommand(kSave, "save", "Save"), &QAction::triggered, this, &CDataLoggerDlg::save);
    connect(addCommand(kExportCsv, "csv", "Export CSV..."), &QAction::triggered, this,
        &CDataLoggerDlg::exportCsv);
    connect(addCommand(kDownload, "open", "Download"), &QAction::triggered, this,
        &CDataLoggerDlg::readFileFromDialog);
    connect(addCommand(kPrint, "print", "Print"), &QAction::triggered, this, &CDataLoggerDlg::print);
    connect(addCommand(kZoomOut, "undozoom", "ZoomOut"), &QAction::triggered, this, [this] {
        graph_->resetView();
        refreshCommands();
    });
    connect(addCommand(kFit, "fit", "Fit (F)"), &QAction::triggered, graph_, &LoggerGraphView::fitToData);
    connect(
        addCommand(kValueAxis, "yaxis", "Y axis"), &QAction::triggered, this, &CDataLoggerDlg::setValueAxis);
}

void CDataLoggerDlg::buildList()
{
    list_->setObjectName(QStringLiteral("setList"));
    list_->setModel(model_);
    // Each column as wide as its header and values; the last takes what the list has beyond.
    QHeaderView& header = *list_->horizontalHeader();
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    header.setSectionResizeMode(header.count() - 1, QHeaderView::Stretch);
    header.setDefaultAlignment(Qt::AlignLeft);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(&header, &QHeaderView::sectionResized, this, &CDataLoggerDlg::layOut);
    list_->verticalHeader()->hide();
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A double-click or Enter on a row chooses its set.
    connect(list_, &QTableView::activated, this, &CDataLoggerDlg::selectSet);
}

void CDataLoggerDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layOut();
}

int CDataLoggerDlg::listColumnsWidth() const
{
    const QHeaderView& header = *list_->horizontalHeader();
    const QAbstractItemView& view = *list_;  // the widest value's hint is public here
    int columns = 0;
    for (int c = 0; c < header.count(); ++c)
        columns += std::max(header.sectionSizeHint(c), view.sizeHintForColumn(c));
    return columns + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
}

void CDataLoggerDlg::layOut()
{
    const int listWidth
        = std::max({ kGraphListRoom, listColumnsWidth(), static_cast<int>(width() * kListWidthShare) });
    const int graphLeft = listWidth - kGraphListRoom;
    graph_->setGeometry(graphLeft, 0, width() - graphLeft, height());
    toolBar_->setGeometry(0, 0, width(), kToolBarHeight);
    list_->setGeometry(kListLeft, kListTop, listWidth, height() - kListTop - kListBottomGap);
    toolBar_->raise();
    list_->raise();
}

void CDataLoggerDlg::selectSet()
{
    const bool selected = list_->selectionModel()->hasSelection();
    sets_.selectRow(selected ? list_->currentIndex().row() : -1);
    graph_->showAnotherSet();
    refreshCommands();
    refreshTitle();
}

void CDataLoggerDlg::refreshTitle()
{
    setWindowTitle(titleWithFile(kCaption, sets_.shownFile()));
}

bool CDataLoggerDlg::readGraphFile(const std::string& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const files::FileOutcome outcome = sets_.readFile(path);
    QApplication::restoreOverrideCursor();
    if (outcome.ok()) graph_->showAnotherSet();
    files::tellRefusal(prompts_, path, outcome);
    refreshCommands();
    refreshTitle();
    return outcome.ok();
}

void CDataLoggerDlg::readFileFromDialog()
{
    if (!sets_.fileBrowse()) return;
    graph_->resetView();
    platform::FileChoice choice;
    choice.defaultExtension = kDefaultExtension;
    choice.filter = kOpenFilter;
    if (const auto path = prompts_.chooseOpenFile(choice)) readGraphFile(*path);
}

void CDataLoggerDlg::save()
{
    if (sets_.fileBrowse() || !sets_.hasData()) return;
    const store::CurrentSet& set = sets_.currentSet();
    platform::FileChoice choice;
    choice.defaultName = files::defaultFileName(clock_.toLocal(set.loadedStartTime));
    choice.defaultExtension = kDefaultExtension;
    choice.filter = kSaveFilter;
    const auto dataFile = files::chooseDataFile(prompts_, choice, files::DataFileKind::Graph);
    if (!dataFile) return;
    const files::FileOutcome outcome = files::saveCurrentSet(*dataFile, set, sets_.currentSetName(), clock_);
    if (!outcome.ok()) prompts_.message(outcome.message);
}

void CDataLoggerDlg::exportCsv()
{
    if (!sets_.hasData()) return;
    const store::CurrentSet& set = sets_.currentSet();
    files::saveCsvAs(
        prompts_, files::defaultFileName(clock_.toLocal(set.loadedStartTime)), files::graphCsv(set, clock_));
}

void CDataLoggerDlg::setValueAxis()
{
    if (const auto axis = YAxisDialog::ask(this, sets_.valueAxis())) {
        sets_.setValueAxis(*axis);
        graph_->refresh();
    }
}

void CDataLoggerDlg::print()
{
    if (!sets_.hasData()) return;
    const graph::YAxisSetting axis = sets_.valueAxis();
    report::GraphReportSource source
        = report::dataLoggerReportSource(sets_.currentSet(), axis.gain, axis.offset);
    source.fileName = sets_.shownFile().filename().string();
    printer_.print([&](draw::Canvas& canvas) { report::drawGraphReport(canvas, source, clock_); });
}

void CDataLoggerDlg::refreshCommands()
{
    actions_[kSave]->setEnabled(!sets_.fileBrowse() && sets_.hasData());
    actions_[kDownload]->setEnabled(sets_.fileBrowse());
    actions_[kPrint]->setEnabled(sets_.hasData());
    actions_[kExportCsv]->setEnabled(sets_.hasData());
    actions_[kZoomOut]->setEnabled(graph_->graph().zoomScroll().zoomed());
    actions_[kFit]->setEnabled(graph_->canFit());
}

void CDataLoggerDlg::done(int result)
{
    sets_.close();
    QDialog::done(result);
}

}  // namespace brivon::ui
