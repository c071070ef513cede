#pragma once
// Reads a run journal back into the run it kept: the samples up to the last
// intact record, the reading bookkeeping, and the gain, unit and sample period
// the run had at its last committed sample, which is what Save would write.

#include "core/journal/JournalFormat.h"
#include "core/platform/Clock.h"
#include "core/store/RealTimeRun.h"
#include "core/store/RunLimits.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivon::journal {

struct RecoveredRun {
    platform::TimeValue runStart = 0;
    std::vector<float> samples;
    std::vector<std::int32_t> readingToSample;
    std::int32_t currentGain = 0;
    std::uint8_t unitFlag = 0;
    std::int32_t samplePeriodMs = 0;

    int sampleCount() const { return static_cast<int>(samples.size()); }
    int readingCount() const { return static_cast<int>(readingToSample.size()); }
    // The run as the file writers read it.
    store::RealTimeRun realTimeRun() const;
};

// No run journal is longer than its header and the records of a full run.
inline constexpr std::size_t kLongestJournal = kHeaderSize + kRecordSize * store::run_limits::kMaxSamples;

struct JournalContents {
    std::optional<RecoveredRun> run;  // nothing without an intact header
    std::size_t ignoredBytes = 0;  // the end left out: damaged, half-written, or after leftOut's record
    // Why an intact record and those after it were left out: it holds what a
    // graph file cannot ("invalid sample 13 nan"); empty when the end was damage.
    std::string leftOut;
    std::string problem;  // why there is no run
};

// The run ends at the first record that is damaged, out of order, beyond the
// run's limits, or holds a value that is not finite or a negative period.
JournalContents decodeJournal(std::string_view bytes);
// Only a regular file of at most kLongestJournal bytes is read; anything else
// (a folder, a FIFO, a device, a huge file) is refused at once with the reason.
JournalContents readJournal(const std::filesystem::path& file);

}  // namespace brivon::journal
