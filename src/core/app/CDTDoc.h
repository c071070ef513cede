#pragma once
// The program's single document: the samples of the real-time run with their
// bookkeeping and the Y scale the graph shows them at, the current set that
// a graph data file is loaded into, and the data-logger sets shown from it.
// A file never overwrites the run.

#include "core/app/DocumentObserver.h"
#include "core/files/FileOutcome.h"
#include "core/graph/YAxisSetting.h"
#include "core/link/MeterStatistics.h"
#include "core/logger/DataLoggerSets.h"
#include "core/platform/Clock.h"
#include "core/platform/Prompts.h"
#include "core/realtime/GraphSeries.h"
#include "core/realtime/RunBookkeeping.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "core/store/TransferBlock.h"

#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace brivon::app {

class CDTDoc {
public:
    explicit CDTDoc(const platform::Clock& clock);

    realtime::RunBookkeeping& run() { return run_; }
    const realtime::RunBookkeeping& run() const { return run_; }
    // The real-time graph's Y scale: from the configuration, then from the
    // meter's range or the "Y Axis" dialog; written back at close.
    graph::YAxisSetting& yAxis() { return yAxis_; }
    const graph::YAxisSetting& yAxis() const { return yAxis_; }
    store::CurrentSet& currentSet() { return *currentSet_; }
    const store::CurrentSet& currentSet() const { return *currentSet_; }
    // The sets of the last data-logger download.
    store::TransferBlock& transferBlock() { return transferBlock_; }
    // The data-logger window's sets, over the current set and the transfer block.
    logger::DataLoggerSets& loggerSets() { return loggerSets_; }
    const logger::DataLoggerSets& loggerSets() const { return loggerSets_; }
    // The records of the last memory download or memory list file.
    store::MemoryBlock& memoryBlock() { return *memoryBlock_; }
    const store::MemoryBlock& memoryBlock() const { return *memoryBlock_; }

    // Observers stay registered until removed; the document does not own them.
    void addObserver(DocumentObserver& observer);
    void removeObserver(DocumentObserver& observer);
    void updateAllViews();

    // The first frame after Run: the run restarts at `now` and every view redraws it empty.
    void resetForNewRun(platform::TimeValue now);
    // Run was confirmed before any frame of the run came (see RunBookkeeping):
    // the views show the run's start at once, as Save would write it.
    void startBeforeFirstFrame(platform::TimeValue confirmed);
    // A recovered run becomes the current run.
    void restoreRun(const store::RealTimeRun& run);
    // One tick of the sample timer of an active, not yet full run. A new
    // reading is plotted.
    realtime::RunBookkeeping::Commit commitSample();

    // The run as the graph draws it.
    realtime::GraphSeries graphSeries() const;

    // Loads a graph data file into the current set. A wrong signature shows
    // "Invalid Format!" and changes nothing; any other failure shows its
    // message and keeps what was read before it; a file read by its path is
    // named below the message with the reason.
    files::FileOutcome load(std::istream& in, platform::Prompts& prompts);
    files::FileOutcome load(const std::filesystem::path& path, platform::Prompts& prompts);

private:
    files::FileOutcome loaded(
        files::FileOutcome outcome, platform::Prompts& prompts, const std::filesystem::path& file);

    const platform::Clock& clock_;
    realtime::RunBookkeeping run_;
    graph::YAxisSetting yAxis_;
    std::unique_ptr<store::CurrentSet> currentSet_;
    store::TransferBlock transferBlock_;
    logger::DataLoggerSets loggerSets_;
    std::unique_ptr<store::MemoryBlock> memoryBlock_;
    std::vector<DocumentObserver*> observers_;
};

}  // namespace brivon::app
