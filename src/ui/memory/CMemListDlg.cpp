#include "ui/memory/CMemListDlg.h"

#include "core/memory/MemoryListColumns.h"
#include "core/report/MemoryReport.h"
#include "ui/app/WindowTitle.h"
#include "ui/memory/MemoryListModel.h"
#include "ui/survey/SurveyDialog.h"

#include <QAction>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace brivon::ui {
namespace {

constexpr const char* kCaption = "Light Data List";
// 268 dialog units in the classic dialog font (1.625 pixels a unit). Its 304
// units across are narrower than the five columns: the window is as wide as they are.
constexpr int kDialogHeight = 436;
constexpr QSize kToolButtonSize { 48, 20 };
constexpr int kRowPadding = 4;  // pixels above and below a row's text, as a report list keeps them

}  // namespace

CMemListDlg::CMemListDlg(
    MemoryListSources sources, platform::Prompts& prompts, QWidget* parent, ReportPrinter* printer)
    : QDialog(parent)
    , logic_(sources.block, sources.flags, sources.source, prompts)
    , defaultSaveName_(std::move(sources.defaultSaveName))
    , configuration_(sources.configuration)
    , prompts_(prompts)
    , dialogPrinter_(printer ? nullptr : std::make_unique<DialogReportPrinter>(this, prompts))
    , printer_(printer ? *printer : *dialogPrinter_)
    , toolBar_(new QToolBar(this))
    , list_(new QTableView(this))
    , model_(new MemoryListModel(this))
{
    setWindowTitle(kCaption);
    setModal(true);
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    buildToolBar();
    buildList();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(list_);
    resize(columnsWidth(), kDialogHeight);
}

CMemListDlg::~CMemListDlg() = default;

QAction* CMemListDlg::action(int commandId) const
{
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* CMemListDlg::addCommand(
    int id, const char* icon, const QString& toolTip, const QKeySequence& shortcut)
{
    QAction* action = toolBar_->addAction(QIcon(QString(":/icons/%1.svg").arg(icon)), toolTip);
    action->setToolTip(toolTip);
    action->setShortcut(shortcut);
    actions_[id] = action;
    return action;
}

void CMemListDlg::buildToolBar()
{
    toolBar_->setObjectName(QStringLiteral("memoryListToolBar"));
    toolBar_->setIconSize(kToolButtonSize);
    connect(
        addCommand(kSave, "save", "save", QKeySequence::Save), &QAction::triggered, this, &CMemListDlg::save);
    connect(
        addCommand(kOpen, "open", "open", QKeySequence::Open), &QAction::triggered, this, &CMemListDlg::open);
    connect(addCommand(kPrint, "print", "print", QKeySequence::Print), &QAction::triggered, this,
        &CMemListDlg::print);
    connect(addCommand(kSurvey, "survey", "Survey...", QKeySequence()), &QAction::triggered, this,
        &CMemListDlg::openSurvey);
}

void CMemListDlg::buildList()
{
    list_->setObjectName(QStringLiteral("memoryList"));
    list_->setModel(model_);
    for (std::size_t c = 0; c < memory::kMemoryListColumns.size(); ++c)
        list_->setColumnWidth(static_cast<int>(c), memory::kMemoryListColumns[c].width);
    list_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 2 * kRowPadding);
    list_->setShowGrid(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int CMemListDlg::columnsWidth() const
{
    int width = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (const memory::MemoryListColumn& column : memory::kMemoryListColumns)
        width += column.width;
    return width;
}

void CMemListDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // After the window is on screen, so that a message about it stands in front of it.
    QTimer::singleShot(0, this, &CMemListDlg::refreshList);
}

void CMemListDlg::refreshList()
{
    if (auto rows = logic_.refresh()) model_->setRows(std::move(*rows));
}

void CMemListDlg::save()
{
    logic_.save(defaultSaveName_);
    setWindowTitle(titleWithFile(kCaption, logic_.shownFile()));
}

void CMemListDlg::open()
{
    logic_.open();
    refreshList();
    setWindowTitle(titleWithFile(kCaption, logic_.shownFile()));
}

bool CMemListDlg::readListFile(const std::string& path)
{
    const bool read = logic_.openFile(path);
    refreshList();
    return read;
}

void CMemListDlg::print()
{
    printer_.print([this](draw::Canvas& canvas) { report::drawMemoryReport(canvas, logic_.block()); });
}

// Modal over the list, so that Open cannot change the records under a survey
// that is shown; open() rather than exec() keeps the list's event loop the one that runs.
void CMemListDlg::openSurvey()
{
    auto* survey = new SurveyDialog(logic_.block(), configuration_, prompts_, printer_, this);
    survey->setAttribute(Qt::WA_DeleteOnClose);
    survey->open();
}

}  // namespace brivon::ui
