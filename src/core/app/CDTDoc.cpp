#include "core/app/CDTDoc.h"

#include "core/files/GraphFile.h"
#include "core/files/RefusalMessage.h"

#include <algorithm>
#include <fstream>

namespace brivon::app {

CDTDoc::CDTDoc(const platform::Clock& clock)
    : clock_(clock)
    , currentSet_(std::make_unique<store::CurrentSet>())
    , loggerSets_(*currentSet_, transferBlock_, clock)
    , memoryBlock_(std::make_unique<store::MemoryBlock>())
{
}

void CDTDoc::addObserver(DocumentObserver& observer)
{
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
        observers_.push_back(&observer);
}

void CDTDoc::removeObserver(DocumentObserver& observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

void CDTDoc::updateAllViews()
{
    for (DocumentObserver* observer : observers_)
        observer->viewsChanged();
}

void CDTDoc::resetForNewRun(platform::TimeValue now)
{
    run_.resetForNewRun(now);
    updateAllViews();
}

void CDTDoc::startBeforeFirstFrame(platform::TimeValue confirmed)
{
    run_.startBeforeFirstFrame(confirmed);
    updateAllViews();
}

void CDTDoc::restoreRun(const store::RealTimeRun& run)
{
    run_.restore(run);
    updateAllViews();
}

realtime::RunBookkeeping::Commit CDTDoc::commitSample()
{
    const realtime::RunBookkeeping::Commit commit = run_.commit();
    if (commit == realtime::RunBookkeeping::Commit::NewReading) {
        for (DocumentObserver* observer : observers_)
            observer->samplePlotted();
    }
    for (DocumentObserver* observer : observers_)
        observer->sampleCommitted();
    return commit;
}

realtime::GraphSeries CDTDoc::graphSeries() const
{
    realtime::GraphSeries series;
    series.samples = run_.samples();
    series.sampleCount = run_.sampleCount();
    series.readingCount = run_.readingCount();
    series.startTime = run_.startTime();
    series.samplePeriodMs = run_.samplePeriodMs();
    series.footCandles = run_.unitFlag() != 0;
    series.yGain = yAxis_.gain;
    series.yOffset = yAxis_.offset;
    return series;
}

files::FileOutcome CDTDoc::loaded(
    files::FileOutcome outcome, platform::Prompts& prompts, const std::filesystem::path& file)
{
    if (outcome.signatureAccepted()) {
        loggerSets_.fileLoaded();
        updateAllViews();
    }
    files::tellRefusal(prompts, file, outcome);
    return outcome;
}

files::FileOutcome CDTDoc::load(std::istream& in, platform::Prompts& prompts)
{
    return loaded(files::readGraphFile(in, *currentSet_, clock_), prompts, {});
}

files::FileOutcome CDTDoc::load(const std::filesystem::path& path, platform::Prompts& prompts)
{
    return loaded(files::readGraphFile(path, *currentSet_, clock_), prompts, path);
}

}  // namespace brivon::app
