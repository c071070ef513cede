#pragma once
// The data-logger window's sets: the downloaded sets of the transfer block,
// the sets read from graph files, which of them is the current set, and the
// list of sets the window shows, with the window's state. The window and the
// main window call these operations; a list is told of every change of the rows.

#include "core/files/FileOutcome.h"
#include "core/graph/YAxisSetting.h"
#include "core/logger/FileSetTable.h"
#include "core/logger/LoggerWindowState.h"
#include "core/logger/SetRows.h"
#include "core/store/CurrentSet.h"
#include "core/store/TransferBlock.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace brivon::logger {

// The value axis a set is first shown with.
inline constexpr graph::YAxisSetting kInitialValueAxis { 10, 0 };

class DataLoggerSets {
public:
    DataLoggerSets(store::CurrentSet& current, store::TransferBlock& transfer, const platform::Clock& clock);

    const std::vector<SetRow>& rows() const { return rows_; }
    // Called after every change of the rows (one list at a time; empty: none).
    void setRowsHandler(std::function<void()> handler) { rowsChanged_ = std::move(handler); }
    const LoggerWindowState& state() const { return state_; }
    const store::CurrentSet& currentSet() const { return current_; }
    // The chosen downloaded set as its row names it ("Set 2 (15/01/26 08:30:00)").
    std::string currentSetName() const;
    int selectedDownloadSet() const { return selectedDownloadSet_; }
    bool fileBrowse() const { return state_.fileBrowse; }
    bool windowOpen() const { return state_.windowOpen; }
    // A set is shown: one read from a file, or a chosen downloaded set.
    bool hasData() const { return state_.fileSet || selectedDownloadSet_ >= 0; }
    // The graph file the shown set was read from; empty for a downloaded set or one of unknown origin.
    const std::filesystem::path& shownFile() const { return shownFile_; }

    // Gain per division and offset in divisions of the graph.
    graph::YAxisSetting valueAxis() const { return valueAxis_; }
    void setValueAxis(graph::YAxisSetting axis) { valueAxis_ = axis; }

    // A data-logger download started: the window shows it, not graph files.
    void downloadStarted();
    // The window is to work from graph files (file-browse mode).
    void browseFiles() { state_.fileBrowse = true; }
    // A graph file was loaded into the current set outside the window.
    void fileLoaded();
    // The window opens: it lists a download that started since it was last
    // closed, and a graph file loaded meanwhile.
    void windowOpened();
    // The list's row `row` was chosen (-1: none): it becomes the current set.
    void selectRow(int row);
    // Reads a graph file into the current set and lists it (file-browse mode).
    // A file that cannot be read changes nothing and says why.
    files::FileOutcome readFile(const std::filesystem::path& path);
    // The window closes: no set is chosen, the table and the list are empty,
    // the download is freed. True when the download's arrays were freed.
    bool close();

private:
    void listDownloadedSets();
    void appendFileSet(const std::filesystem::path& file = {});
    void selectDownloadedSet(int row);
    void mirrorSelectedDownloadSet();
    void selectFileSet(int row);
    void changeRows();

    store::CurrentSet& current_;
    store::TransferBlock& transfer_;
    const platform::Clock& clock_;
    FileSetTable fileSets_;
    std::vector<SetRow> rows_;
    std::function<void()> rowsChanged_;
    LoggerWindowState state_;
    int selectedDownloadSet_ = -1;
    std::filesystem::path shownFile_;
    graph::YAxisSetting valueAxis_ = kInitialValueAxis;
};

}  // namespace brivon::logger
