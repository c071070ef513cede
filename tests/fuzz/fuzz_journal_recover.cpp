// Recovery from a run journal: whatever the journal file holds, the run read
// from it stays within a run's limits, its text export is made, and the file
// that recovery would write reads back as written, or is refused for a start
// time outside the graph file's years.

#include "FuzzCheck.h"
#include "GraphReadBack.h"
#include "core/files/TextExport.h"
#include "core/journal/JournalReader.h"
#include "support/FixedClock.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    using fuzz::require;
    if (size > journal::kLongestJournal) return 0;
    const journal::JournalContents contents
        = journal::decodeJournal({ reinterpret_cast<const char*>(data), size });
    if (!contents.run) {
        require(!contents.problem.empty(), "a journal without a run says why");
        return 0;
    }
    const journal::RecoveredRun& run = *contents.run;
    require(run.sampleCount() <= store::run_limits::kMaxSamples, "no more samples than a run takes");
    require(run.readingCount() <= run.sampleCount(), "no more readings than samples");
    require(contents.ignoredBytes + journal::kHeaderSize + journal::kRecordSize * run.samples.size() == size,
        "every byte is the run's or left out");

    const support::FixedClock clock;
    const store::RealTimeRun view = run.realTimeRun();
    require(!files::realTimeExport(view, clock).empty(), "the run's text export");
    const auto refused = fuzz::requireReadBack(files::realTimeFileContents(view, clock), clock);
    require(
        !refused || fuzz::isStartField(refused->field), "only a start outside the file's years is refused");
    return 0;
}
