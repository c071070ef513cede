#pragma once
// "Light Datalogger Graph": the list of data-logger sets, the graph of the
// chosen one with its read-out and zoom, and a toolbar to save it, read a
// graph file, zoom out and set the value axis. It shows the last download,
// or, in file-browse mode, the graph files read in it. The sets feed the
// list's model whenever their rows change; the graph only paints.

#include "core/logger/DataLoggerSets.h"
#include "core/platform/Prompts.h"
#include "ui/report/ReportPrinter.h"

#include <QDialog>

#include <map>
#include <string>

class QAction;
class QTableView;
class QToolBar;

namespace brivon::ui {

class LoggerGraphView;
class SetListModel;

class CDataLoggerDlg : public QDialog {
    Q_OBJECT
public:
    // Toolbar commands.
    static constexpr int kSave = 32825;
    static constexpr int kDownload = 32791;
    static constexpr int kPrint = 32833;
    static constexpr int kZoomOut = 32792;
    static constexpr int kFit = 32902;
    static constexpr int kValueAxis = 32824;
    static constexpr int kExportCsv = 32901;

    CDataLoggerDlg(logger::DataLoggerSets& sets, platform::Prompts& prompts, const platform::Clock& clock,
        QWidget* parent = nullptr);
    ~CDataLoggerDlg() override;

    // Reads a graph file into the window (file-browse mode); false when it could not be read.
    bool readGraphFile(const std::string& path);

    QAction* action(int commandId) const;
    QTableView& setList() { return *list_; }
    LoggerGraphView& graphView() { return *graph_; }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* addCommand(int id, const char* icon, const QString& toolTip);
    void buildToolBar();
    void buildList();
    // The list beside the graph: its columns whole, a share of the window's width.
    int listColumnsWidth() const;
    void layOut();
    void selectSet();
    void readFileFromDialog();
    void save();
    void exportCsv();
    void setValueAxis();
    void print();
    void refreshCommands();
    void refreshTitle();

    logger::DataLoggerSets& sets_;
    platform::Prompts& prompts_;
    const platform::Clock& clock_;
    DialogReportPrinter printer_;
    LoggerGraphView* graph_;
    QToolBar* toolBar_;
    QTableView* list_;
    SetListModel* model_;
    std::map<int, QAction*> actions_;
};

}  // namespace brivon::ui
