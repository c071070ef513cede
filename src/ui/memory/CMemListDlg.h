#pragma once
// "Light Data List": the meter's memory records as a table, with a toolbar to
// save them as a list file, open a list file, print the list and make a light
// survey of its records.

#include "core/app/Configuration.h"
#include "core/memory/MemoryListLogic.h"
#include "ui/report/ReportPrinter.h"

#include <QDialog>

#include <map>
#include <memory>
#include <string>

class QAction;
class QTableView;
class QToolBar;

namespace brivon::ui {

class MemoryListModel;

// What the window shows and where its commands write.
struct MemoryListSources {
    store::MemoryBlock& block;
    memory::MemoryListFlags flags;
    memory::ListSource source;
    std::string defaultSaveName;  // offered by Save
    const app::Configuration& configuration;  // keeps the last survey's grid
};

class CMemListDlg : public QDialog {
    Q_OBJECT
public:
    // Toolbar commands.
    static constexpr int kSave = 32834;
    static constexpr int kOpen = 32835;
    static constexpr int kPrint = 32836;
    static constexpr int kSurvey = 32837;

    // `printer` prints the report instead of the print dialog's printer (tests).
    CMemListDlg(MemoryListSources sources, platform::Prompts& prompts, QWidget* parent = nullptr,
        ReportPrinter* printer = nullptr);
    ~CMemListDlg() override;

    QAction* action(int commandId) const;
    QTableView& list() { return *list_; }
    // Reads a list file into the list, as Open does for a chosen one; false,
    // having said why, when it holds no records.
    bool readListFile(const std::string& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QAction* addCommand(int id, const char* icon, const QString& toolTip, const QKeySequence& shortcut);
    void buildToolBar();
    void buildList();
    int columnsWidth() const;
    void refreshList();
    void save();
    void open();
    void print();
    void openSurvey();

    memory::MemoryListLogic logic_;
    std::string defaultSaveName_;
    const app::Configuration& configuration_;
    platform::Prompts& prompts_;
    std::unique_ptr<DialogReportPrinter> dialogPrinter_;
    ReportPrinter& printer_;
    QToolBar* toolBar_;
    QTableView* list_;
    MemoryListModel* model_;
    std::map<int, QAction*> actions_;
};

}  // namespace brivon::ui
