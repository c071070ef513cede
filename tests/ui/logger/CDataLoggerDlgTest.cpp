#include "ui/logger/CDataLoggerDlg.h"

#include "core/app/ScratchFolder.h"
#include "core/files/GraphFile.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"
#include "ui/logger/LoggerGraphView.h"
#include "ui/realtime/YAxisDialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSizeGrip>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;  // 07/12/10 14:05:09 UTC
constexpr int kReadings = 600;

void chooseRow(ui::CDataLoggerDlg& dialog, int row)
{
    QTableView& list = dialog.setList();
    const QRect cell = list.visualRect(list.model()->index(row, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    dialog.graphView().grab();
}

int listed(ui::CDataLoggerDlg& dialog)
{
    return dialog.setList().model()->rowCount();
}

QString cell(ui::CDataLoggerDlg& dialog, int row, int column)
{
    return dialog.setList().model()->index(row, column).data().toString();
}

void drag(QWidget& view, QPoint from, QPoint to)
{
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

// Drags over a tenth of the plot's width and its whole height.
void zoomIn(ui::LoggerGraphView& view)
{
    const auto& plot = view.graph().zoomScroll().geometry().plot;
    drag(view, { plot.left + 100, plot.top + 10 }, { plot.left + 200, plot.bottom });
}

std::string readout(ui::LoggerGraphView& view)
{
    return view.graph().readoutValue() + " @ " + view.graph().readoutTime();
}

class LoggerWindow : public ::testing::Test {
protected:
    LoggerWindow()
    {
        transfer.startIndexes = { 0 };
        for (int i = 0; i < kReadings; ++i)
            transfer.readings.push_back(static_cast<float>(100 + i % 300));
        transfer.startIndexes.push_back(kReadings);
        transfer.startTimes = { kStart };
        transfer.samplingRates = { 2 };
        transfer.unitFlags = { 0 };
        transfer.fullScales = { 400 };
        transfer.allocated = true;
        sets.downloadStarted();
    }

    std::unique_ptr<ui::CDataLoggerDlg> open()
    {
        auto dialog = std::make_unique<ui::CDataLoggerDlg>(sets, prompts, clock);
        dialog->resize(1000, 700);
        dialog->show();
        dialog->graphView().grab();  // the first paint
        return dialog;
    }

    // A real-time run's graph file, which counts its 7 readings apart from its 5 samples.
    std::string runFile()
    {
        const auto path = scratch / "run.AsmDat";
        support::ScratchFolder::write(path,
            files::graphFileBytes({ 7, std::vector<float>(5, 10.0f), 40, 0, { 2010, 12, 7, 14, 5, 9 }, 2 }));
        return path.string();
    }

    support::FixedClock clock { kStart };
    support::ScriptedPrompts prompts;
    support::ScratchFolder scratch;
    std::unique_ptr<store::CurrentSet> current = std::make_unique<store::CurrentSet>();
    store::TransferBlock transfer;
    logger::DataLoggerSets sets { *current, transfer, clock };
};

TEST_F(LoggerWindow, ListsTheDownloadAndPlotsADoubleClickedSet)
{
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Light Datalogger Graph"));
    ASSERT_EQ(listed(*dialog), 1);
    EXPECT_EQ(cell(*dialog, 0, 1), QStringLiteral("07/12/10 14:05:09"));
    EXPECT_EQ(cell(*dialog, 0, 3), QStringLiteral("2sec"));
    EXPECT_FALSE(sets.hasData());
    chooseRow(*dialog, 0);
    EXPECT_EQ(sets.selectedDownloadSet(), 0);
    EXPECT_EQ(current->loadedSampleCount, kReadings);
    EXPECT_EQ(sets.valueAxis().gain, 400);
    EXPECT_TRUE(dialog->action(ui::CDataLoggerDlg::kSave)->isEnabled());
    EXPECT_FALSE(dialog->action(ui::CDataLoggerDlg::kDownload)->isEnabled());
}

TEST_F(LoggerWindow, PrintAndExportCsvWaitForAChosenSet)
{
    auto dialog = open();
    EXPECT_FALSE(dialog->action(ui::CDataLoggerDlg::kPrint)->isEnabled());
    EXPECT_FALSE(dialog->action(ui::CDataLoggerDlg::kExportCsv)->isEnabled());
    chooseRow(*dialog, 0);
    EXPECT_TRUE(dialog->action(ui::CDataLoggerDlg::kPrint)->isEnabled());
    EXPECT_TRUE(dialog->action(ui::CDataLoggerDlg::kExportCsv)->isEnabled());
}

TEST_F(LoggerWindow, EnterOnARowChoosesItsSet)
{
    auto dialog = open();
    QTableView& list = dialog->setList();
    list.setFocus();
    list.selectRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(sets.selectedDownloadSet(), 0);
}

TEST_F(LoggerWindow, DragZoomsScrollsReadsOutAndZoomsOut)
{
    auto dialog = open();
    chooseRow(*dialog, 0);
    ui::LoggerGraphView& view = dialog->graphView();
    const auto& plot = view.graph().zoomScroll().geometry().plot;

    QTest::mouseMove(&view, { plot.left, plot.top + 50 });
    EXPECT_EQ(readout(view), "100.00 Lux @ 14:05:09");

    QTest::mouseClick(&view, Qt::LeftButton, {}, { plot.left + 100, plot.top + 100 });
    EXPECT_FALSE(view.graph().zoomScroll().zoomed());

    zoomIn(view);
    ASSERT_EQ(view.graph().zoomScroll().level(), 1);
    EXPECT_TRUE(view.scrollBar().isEnabled());
    EXPECT_EQ(view.scrollBar().maximum(), kReadings);
    EXPECT_TRUE(dialog->action(ui::CDataLoggerDlg::kZoomOut)->isEnabled());

    const int position = view.scrollBar().value();
    view.scrollBar().setValue(position - 10);
    EXPECT_EQ(view.graph().zoomScroll().scrollOffset(), 10);
    view.grab();

    dialog->action(ui::CDataLoggerDlg::kZoomOut)->trigger();
    EXPECT_FALSE(view.graph().zoomScroll().zoomed());
    EXPECT_EQ(view.graph().zoomScroll().scrollOffset(), 0);
    EXPECT_FALSE(view.scrollBar().isEnabled());
}

TEST_F(LoggerWindow, FitsWithFAndStepsTheReadOutWithTheArrows)
{
    auto dialog = open();
    QAction& fit = *dialog->action(ui::CDataLoggerDlg::kFit);
    EXPECT_FALSE(fit.isEnabled());
    chooseRow(*dialog, 0);
    EXPECT_TRUE(fit.isEnabled());
    ui::LoggerGraphView& view = dialog->graphView();
    QTest::keyClick(&view, Qt::Key_F);
    ASSERT_EQ(view.graph().zoomScroll().level(), 1);
    EXPECT_TRUE(dialog->action(ui::CDataLoggerDlg::kZoomOut)->isEnabled());
    // The readings run from 100 to 399, on an axis of about 9 lux a pixel.
    const auto& labels = view.graph().zoomScroll().currentMap().labels;
    EXPECT_GT(labels.front(), 60.0f);
    EXPECT_LT(labels.front(), 100.0f);
    EXPECT_GT(labels.back(), 399.0f);
    EXPECT_LT(labels.back(), 440.0f);
    dialog->action(ui::CDataLoggerDlg::kZoomOut)->trigger();
    EXPECT_EQ(view.graph().zoomScroll().level(), 0);

    const auto& plot = view.graph().zoomScroll().geometry().plot;
    QTest::mouseMove(&view, { plot.left + 9, plot.top + 60 });  // a real move, wherever the pointer was
    QTest::mouseMove(&view, { plot.left, plot.top + 60 });
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(readout(view), "101.00 Lux @ 14:05:11");
    // Past the right edge of a zoomed view, the view scrolls with the cursor.
    zoomIn(view);
    QTest::keyClick(&view, Qt::Key_End);
    QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(view.graph().zoomScroll().scrollOffset(), -1);
    EXPECT_EQ(view.scrollBar().value(), view.graph().zoomScroll().scrollPosition());
    const graph::ZoomScroll& zoom = view.graph().zoomScroll();
    EXPECT_EQ(view.cursorX(), zoom.columnOf(zoom.shownSamples(kReadings).last));
}

TEST_F(LoggerWindow, SavesTheSetAndReadsItBackInFileBrowseMode)
{
    const std::string path = (scratch / "logged.AsmDat").string();
    {
        auto dialog = open();
        chooseRow(*dialog, 0);
        prompts.savePaths.push_back(path);
        dialog->action(ui::CDataLoggerDlg::kSave)->trigger();
        ASSERT_EQ(prompts.fileChoices().size(), 1U);
        EXPECT_EQ(prompts.fileChoices()[0].defaultName, "10-12-07 14.05.09");
        dialog->done(QDialog::Rejected);
    }
    EXPECT_EQ(transfer.setCount(), 0);  // the download is gone with the window
    EXPECT_TRUE(std::filesystem::exists(scratch / "logged.txt"));

    sets.browseFiles();
    auto dialog = open();
    EXPECT_EQ(listed(*dialog), 0);
    prompts.openPaths.push_back(path);
    dialog->action(ui::CDataLoggerDlg::kDownload)->trigger();
    dialog->graphView().grab();
    ASSERT_EQ(listed(*dialog), 1);
    EXPECT_EQ(cell(*dialog, 0, 4), QStringLiteral("600"));
    EXPECT_EQ(current->loadedSampleCount, kReadings);
    EXPECT_EQ(current->loadedSamples[5], 105.0f);
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(LoggerWindow, ExportsTheChosenSetAsCsv)
{
    auto dialog = open();
    chooseRow(*dialog, 0);
    prompts.savePaths.push_back((scratch / "logged").string());
    dialog->action(ui::CDataLoggerDlg::kExportCsv)->trigger();
    ASSERT_EQ(prompts.fileChoices().size(), 1U);
    EXPECT_EQ(prompts.fileChoices()[0].defaultName, "10-12-07 14.05.09");
    std::ifstream csv(scratch / "logged.csv", std::ios::binary);
    std::string header;
    std::getline(csv, header);
    EXPECT_EQ(header, "no,time,lux,value,unit\r");
}

TEST_F(LoggerWindow, CloseAndReopenShowsAnEmptyWindow)
{
    {
        auto dialog = open();
        chooseRow(*dialog, 0);
        dialog->done(QDialog::Rejected);
        EXPECT_EQ(listed(*dialog), 0);
        EXPECT_FALSE(sets.windowOpen());
    }
    auto dialog = open();
    EXPECT_EQ(listed(*dialog), 0);
    EXPECT_FALSE(sets.hasData());
}

TEST_F(LoggerWindow, BesideThePlotTheCursorAndTheReadOutStay)
{
    auto dialog = open();
    chooseRow(*dialog, 0);
    ui::LoggerGraphView& view = dialog->graphView();
    const auto& plot = view.graph().zoomScroll().geometry().plot;
    const int x = plot.left + 100;
    QTest::mouseMove(&view, { x, plot.top + 50 });
    const std::string shown = readout(view);
    for (const int beside : { plot.left - 20, plot.left - 1, plot.right + 2 }) {
        QTest::mouseMove(&view, { beside, plot.top + 50 });
        EXPECT_EQ(view.cursorX(), x) << beside;
        EXPECT_EQ(readout(view), shown) << beside;
    }
    QTest::mouseMove(&view, { plot.right, plot.top + 50 });
    EXPECT_EQ(readout(view), "399.00 Lux @ 14:25:07");  // the last reading
    QTest::mouseMove(&view, { plot.right + 1, plot.top + 50 });
    EXPECT_EQ(view.cursorX(), plot.right + 1);
}

// What becomes of the cursor and the read-out when the graph is drawn again.
struct RedrawCase {
    const char* name;
    std::function<void(ui::CDataLoggerDlg&)> redraw;
    bool keepsCursor;
    bool keepsReadout;
};

void PrintTo(const RedrawCase& redrawCase, std::ostream* out)
{
    *out << redrawCase.name;
}

class LoggerRedraw : public LoggerWindow, public ::testing::WithParamInterface<RedrawCase> { };

TEST_P(LoggerRedraw, KeepsTheCursorUntilTheViewIsReset)
{
    auto dialog = open();
    chooseRow(*dialog, 0);
    ui::LoggerGraphView& view = dialog->graphView();
    const auto& plot = view.graph().zoomScroll().geometry().plot;
    QTest::mouseMove(&view, { plot.left + 150, plot.top + 50 });
    GetParam().redraw(*dialog);
    view.grab();
    EXPECT_EQ(view.cursorX().has_value(), GetParam().keepsCursor);
    EXPECT_EQ(readout(view) != " @ ", GetParam().keepsReadout);
}

void acceptValueAxis(ui::CDataLoggerDlg& dialog)
{
    QTimer::singleShot(0, [] {
        if (auto* axis = qobject_cast<ui::YAxisDialog*>(QApplication::activeModalWidget())) axis->accept();
    });
    dialog.action(ui::CDataLoggerDlg::kValueAxis)->trigger();
}

INSTANTIATE_TEST_SUITE_P(Redraws, LoggerRedraw,
    ::testing::Values(RedrawCase { "Zoom", [](auto& d) { zoomIn(d.graphView()); }, true, true },
        RedrawCase { "RefusedDrag",
            [](auto& d) {
                const auto& plot = d.graphView().graph().zoomScroll().geometry().plot;
                drag(d.graphView(), { plot.left + 100, plot.top + 10 }, { plot.left + 200, plot.top + 12 });
                EXPECT_FALSE(d.graphView().graph().zoomScroll().zoomed());
            },
            true, true },
        RedrawCase { "Scroll",
            [](auto& d) {
                zoomIn(d.graphView());
                QScrollBar& bar = d.graphView().scrollBar();
                bar.setValue(bar.value() - 10);
            },
            true, true },
        RedrawCase { "ValueAxis", acceptValueAxis, true, true },
        RedrawCase { "ZoomOut",
            [](auto& d) {
                zoomIn(d.graphView());
                d.action(ui::CDataLoggerDlg::kZoomOut)->trigger();
            },
            false, true },
        RedrawCase { "ChoosingASet", [](auto& d) { chooseRow(d, 0); }, false, false }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LoggerWindow, ChoosingASetStartsItsScrollBarAfresh)
{
    auto dialog = open();
    chooseRow(*dialog, 0);
    ui::LoggerGraphView& view = dialog->graphView();
    zoomIn(view);
    view.scrollBar().setValue(view.scrollBar().value() - 10);
    chooseRow(*dialog, 0);
    EXPECT_EQ(view.graph().zoomScroll().scrollOffset(), 0);
    EXPECT_EQ(view.scrollBar().value(), 0);
    EXPECT_FALSE(view.scrollBar().isEnabled());
}

TEST_F(LoggerWindow, NumsOfAFileSetIsTheFilesReadingCount)
{
    sets.browseFiles();
    auto dialog = open();
    ASSERT_TRUE(dialog->readGraphFile(runFile()));
    dialog->graphView().grab();
    ASSERT_EQ(listed(*dialog), 1);
    EXPECT_EQ(cell(*dialog, 0, 4), QStringLiteral("7"));
}

TEST_F(LoggerWindow, AChosenFileSetStaysChosenWhenAnotherFileIsRead)
{
    sets.browseFiles();
    auto dialog = open();
    ASSERT_TRUE(dialog->readGraphFile(runFile()));
    chooseRow(*dialog, 0);
    ASSERT_TRUE(dialog->readGraphFile(runFile()));
    ASSERT_EQ(listed(*dialog), 2);
    EXPECT_TRUE(dialog->setList().selectionModel()->isRowSelected(0, {}));
}

// The sets feed the list when the window opens after a download and when a
// file is read, with the graph never drawn; drawing it leaves the list alone.
TEST_F(LoggerWindow, TheListIsFilledWithoutTheGraphAndDrawingLeavesIt)
{
    {
        ui::CDataLoggerDlg dialog(sets, prompts, clock);  // never shown
        EXPECT_EQ(listed(dialog), 1);
        dialog.done(QDialog::Rejected);
    }
    sets.browseFiles();
    ui::CDataLoggerDlg dialog(sets, prompts, clock);
    ASSERT_TRUE(sets.readFile(runFile()).ok());
    ASSERT_EQ(listed(dialog), 1);
    EXPECT_EQ(cell(dialog, 0, 4), QStringLiteral("7"));

    QAbstractItemModel& model = *dialog.setList().model();
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    dialog.resize(1000, 700);
    dialog.show();
    dialog.graphView().grab();
    EXPECT_EQ(reset.count() + inserted.count() + removed.count() + changed.count(), 0);
    EXPECT_EQ(listed(dialog), 1);
}

TEST_F(LoggerWindow, TheSizeGripLeavesTheScrollBarWhole)
{
    auto dialog = open();
    const auto* grip = dialog->findChild<QSizeGrip*>();
    ASSERT_TRUE(grip && grip->isVisible());
    const QScrollBar& bar = dialog->graphView().scrollBar();
    const QRect barInWindow(bar.mapTo(dialog.get(), QPoint(0, 0)), bar.size());
    EXPECT_FALSE(barInWindow.intersects(grip->geometry()));
    EXPECT_EQ(barInWindow.right() + 1, grip->geometry().left());
}

// At the size it opens with, and larger, the list shows every column's header and value whole.
TEST_F(LoggerWindow, TheSetListShowsItsFiveColumnsWhole)
{
    auto dialog = std::make_unique<ui::CDataLoggerDlg>(sets, prompts, clock);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    for (const QSize larger : { QSize(), QSize(1400, 800) }) {
        if (larger.isValid()) dialog->resize(larger);
        QTest::qWait(50);  // the header lays its sections out after the list's resize
        const QTableView& list = dialog->setList();
        const QRect viewport = list.viewport()->rect();
        const QHeaderView& header = *list.horizontalHeader();
        for (int c = 0; c < list.model()->columnCount(); ++c) {
            SCOPED_TRACE(c);
            const QRect value = list.visualRect(list.model()->index(0, c));
            EXPECT_TRUE(viewport.contains(value))
                << value.x() << "+" << value.width() << " in " << viewport.width() << " header "
                << header.width() << " len " << header.length() << " dlg " << dialog->width();
            EXPECT_GE(header.sectionSize(c), header.sectionSizeHint(c));
            EXPECT_GE(
                header.sectionSize(c), static_cast<const QAbstractItemView&>(list).sizeHintForColumn(c));
        }
    }
}

}  // namespace
}  // namespace brivon
