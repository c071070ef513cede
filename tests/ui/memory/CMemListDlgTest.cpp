#include "ui/memory/CMemListDlg.h"

#include "core/app/ScratchFolder.h"
#include "core/files/MemoryFile.h"
#include "core/measure/Units.h"
#include "support/RecordingCanvas.h"
#include "support/ScriptedPrompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace brivon {
namespace {

enum Column { kNumber, kData, kUnit, kStatus, kTime };

store::MemoryRecord record(float value, std::uint8_t footCandle = 0, std::uint8_t negative = 0)
{
    return { value, "07/12/10 14:05:09", "Pmin", negative, footCandle };
}

// Runs the report layout on a recording canvas instead of a printer.
class RecordingPrinter : public ui::ReportPrinter {
public:
    void print(const ui::ReportLayout& layout) override { layout(canvas); }
    support::RecordingCanvas canvas;
};

class MemoryListWindow : public ::testing::Test {
protected:
    void store(const std::vector<store::MemoryRecord>& records)
    {
        block->recordCount = 0;
        for (const store::MemoryRecord& r : records)
            block->records[static_cast<std::size_t>(block->recordCount++)] = r;
    }

    std::unique_ptr<ui::CMemListDlg> open()
    {
        auto dialog = std::make_unique<ui::CMemListDlg>(
            ui::MemoryListSources { *block, { memoryEmpty, fillRequest }, memory::ListSource::Download,
                "10-12-07 14.05.09", configuration },
            prompts, nullptr, &printer);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        QCoreApplication::processEvents();
        return dialog;
    }

    static QString cell(ui::CMemListDlg& dialog, int row, Column column)
    {
        const QAbstractItemModel& model = *dialog.list().model();
        return model.data(model.index(row, column)).toString();
    }

    static std::vector<QString> dataColumn(ui::CMemListDlg& dialog)
    {
        std::vector<QString> texts;
        for (int row = 0; row < dialog.list().model()->rowCount(); ++row)
            texts.push_back(cell(dialog, row, kData));
        return texts;
    }

    std::unique_ptr<store::MemoryBlock> block = std::make_unique<store::MemoryBlock>();
    bool memoryEmpty = false;
    bool fillRequest = true;
    support::ScriptedPrompts prompts;
    support::ScratchFolder scratch;
    app::Configuration configuration { (scratch / "Brivonconfig.ini").string() };
    RecordingPrinter printer;
};

struct CellCase {
    std::string name;
    store::MemoryRecord record;
    QString data;
    QString unit;
};

class MemoryListCells : public MemoryListWindow, public ::testing::WithParamInterface<CellCase> { };

TEST_P(MemoryListCells, ShowTheRecordsTexts)
{
    store({ record(1.0f), GetParam().record });
    auto dialog = open();
    ASSERT_EQ(dialog->list().model()->rowCount(), 2);
    EXPECT_EQ(cell(*dialog, 1, kNumber), QStringLiteral("2"));
    EXPECT_EQ(cell(*dialog, 1, kData), GetParam().data);
    EXPECT_EQ(cell(*dialog, 1, kUnit), GetParam().unit);
    EXPECT_EQ(cell(*dialog, 1, kStatus), QStringLiteral("Pmin"));
    EXPECT_EQ(cell(*dialog, 1, kTime), QStringLiteral("07/12/10 14:05:09"));
}

INSTANTIATE_TEST_SUITE_P(Values, MemoryListCells,
    ::testing::Values(CellCase { "LuxBelowKilo", record(999.99f), "999.99", "Lux" },
        CellCase { "LuxAtKilo", record(1000.0f), "1.00K", "Lux" },
        CellCase { "FootCandlesAtKilo", record(10760.0f, 1), "1.00K", "FC" },
        CellCase { "NegativeOverRange", record(measure::kOverRange, 1, 1), "-OL", "FC" }),
    [](const auto& param) { return param.param.name; });

TEST_F(MemoryListWindow, HasTheCaptionColumnsAndToolBar)
{
    auto dialog = open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Light Data List"));
    const QStringList titles { "NO.", "DATA", "UNIT", "STATUS", "TIME" };
    const std::vector<int> widths { 110, 110, 110, 110, 170 };
    for (int c = 0; c < titles.size(); ++c) {
        EXPECT_EQ(dialog->list().model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
        EXPECT_EQ(dialog->list().columnWidth(c), widths[static_cast<std::size_t>(c)]);
    }
    EXPECT_EQ(dialog->action(ui::CMemListDlg::kSave)->toolTip(), QStringLiteral("save"));
}

TEST_F(MemoryListWindow, ListsADownloadOnceAndAnEmptyMemoryWithOneMessage)
{
    store({ record(1.0f) });
    memoryEmpty = true;
    auto dialog = open();
    dialog->hide();
    dialog->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { "There is no Data in the MEM!" });
    EXPECT_EQ(dialog->list().model()->rowCount(), 0);
}

TEST_F(MemoryListWindow, CtrlOReplacesTheRowsWithAValidFileAndKeepsThemForAnInvalidOne)
{
    store({ record(1.0f), record(2.0f) });
    auto dialog = open();
    store::MemoryBlock other;
    other.records[0] = record(30.0f);
    other.recordCount = 1;
    support::ScratchFolder::write(scratch / "one.MemDat", files::memoryFileBytes(other));
    support::ScratchFolder::write(scratch / "bad.MemDat", "QV7310000");
    prompts.openPaths = { (scratch / "bad.MemDat").string(), (scratch / "one.MemDat").string() };

    QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { "Invalid Format!" });
    EXPECT_EQ(prompts.informativeTexts(), std::vector<std::string> { "bad.MemDat: Invalid Format!" });
    EXPECT_EQ(dataColumn(*dialog), (std::vector<QString> { "1.00", "2.00" }));

    QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dataColumn(*dialog), std::vector<QString> { "30.00" });
    EXPECT_EQ(prompts.fileChoices().at(0).filter, "Memery Files (*.MemDat)|*.MemDat|");
}

TEST_F(MemoryListWindow, CtrlSWritesTheListFileAndItsTextExport)
{
    store({ record(1.0f) });
    auto dialog = open();
    prompts.savePaths.push_back((scratch / "list.MemDat").string());
    QTest::keyClick(dialog.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompts.fileChoices().at(0).defaultName, "10-12-07 14.05.09");
    EXPECT_EQ(support::ScratchFolder::read(scratch / "list.MemDat"), files::memoryFileBytes(*block));
    EXPECT_NE(support::ScratchFolder::read(scratch / "list.txt").find("Pmin"), std::string::npos);
}

TEST_F(MemoryListWindow, CtrlPPrintsTheMemoryReport)
{
    store({ record(1234.0f) });
    auto dialog = open();
    QTest::keyClick(dialog.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_NE(printer.canvas.findText("1.23K"), nullptr);
    EXPECT_NE(printer.canvas.findText("STATUS"), nullptr);
}

TEST_F(MemoryListWindow, EscapeCloses)
{
    auto dialog = open();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace brivon
