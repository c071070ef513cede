#pragma once
// The data-logger window's sets: the downloaded sets of the transfer block,
// the sets read from graph files, which of them is the current set, and the
// list of sets the window shows. The window calls these operations; the
// flags it shares with the other windows live in the view state.

#include "core/files/FileOutcome.h"
#include "core/graph/YAxisSetting.h"
#include "core/logger/FileSetTable.h"
#include "core/logger/SetRows.h"
#include "core/realtime/RealTimeViewState.h"
#include "core/store/CurrentSet.h"
#include "core/store/TransferBlock.h"

#include <filesystem>
#include <string>
#include <vector>

namespace brivon::logger {

// The value axis a set is first shown with.
inline constexpr graph::YAxisSetting kInitialValueAxis { 10, 0 };

class DataLoggerSets {
public:
    DataLoggerSets(store::CurrentSet& current, realtime::RealTimeViewState& flags,
        store::TransferBlock& transfer, const platform::Clock& clock);

    const std::vector<SetRow>& rows() const { return rows_; }
    // Counts every change of the rows, so a list can tell when to refill.
    int rowsVersion() const { return rowsVersion_; }
    const store::CurrentSet& currentSet() const { return current_; }
    // The chosen downloaded set as its row names it ("Set 2 (15/01/26 08:30:00)").
    std::string currentSetName() const;
    int selectedDownloadSet() const { return selectedDownloadSet_; }
    bool fileBrowse() const { return flags_.fileBrowse; }
    // A set is shown: one read from a file, or a chosen downloaded set.
    bool hasData() const { return flags_.fileSet || selectedDownloadSet_ >= 0; }

    // Gain per division and offset in divisions of the graph.
    graph::YAxisSetting valueAxis() const { return valueAxis_; }
    void setValueAxis(graph::YAxisSetting axis) { valueAxis_ = axis; }

    // Before each paint: lists a new download and appends a file just read.
    void preparePaint();
    // The list's row `row` was chosen (-1: none): it becomes the current set.
    void selectRow(int row);
    // Reads a graph file into the current set (file-browse mode). A file that
    // cannot be read changes nothing and says why.
    files::FileOutcome readFile(const std::filesystem::path& path);
    // The window closes: no set is chosen, the table and the list are empty,
    // the download is freed. True when the download's arrays were freed.
    bool close();

private:
    void listDownloadedSets();
    void appendFileSet();
    void selectDownloadedSet(int row);
    void mirrorSelectedDownloadSet();
    void selectFileSet(int row);
    void changeRows();

    store::CurrentSet& current_;
    realtime::RealTimeViewState& flags_;
    store::TransferBlock& transfer_;
    const platform::Clock& clock_;
    FileSetTable fileSets_;
    std::vector<SetRow> rows_;
    int rowsVersion_ = 0;
    int selectedDownloadSet_ = -1;
    graph::YAxisSetting valueAxis_ = kInitialValueAxis;
};

}  // namespace brivon::logger
