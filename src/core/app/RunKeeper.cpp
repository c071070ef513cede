#include "core/app/RunKeeper.h"

namespace brivon::app {

RunKeeper::RunKeeper(app::CDTDoc& document, std::filesystem::path journalFolder, const platform::Clock& clock)
    : document_(document)
    , journal_(std::move(journalFolder), clock)
{
    document_.addObserver(*this);
}

RunKeeper::~RunKeeper()
{
    document_.removeObserver(*this);
}

bool RunKeeper::unsaved() const
{
    const realtime::RunBookkeeping& run = document_.run();
    return !saved_ || saved_->runStart != run.startTime() || saved_->sampleCount != run.sampleCount();
}

void RunKeeper::saved()
{
    const realtime::RunBookkeeping& run = document_.run();
    saved_ = SavedMark { run.startTime(), run.sampleCount() };
    journal_.discard();
}

void RunKeeper::adopt(const std::filesystem::path& journalFile)
{
    journal_.adopt(journalFile, document_.run().realTimeRun());
}

void RunKeeper::sampleCommitted()
{
    journal_.sampleCommitted(document_.run().realTimeRun());
    if (journal_.problem() && problemHandler_) problemHandler_(*journal_.problem());
}

}  // namespace brivon::app
