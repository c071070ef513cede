#include "core/journal/JournalReader.h"

#include "core/files/GraphFileContents.h"
#include "core/files/RegularFile.h"
#include "core/platform/File.h"

#include <cstring>
#include <system_error>

namespace brivon::journal {
namespace {

JournalContents refused(std::string problem)
{
    JournalContents contents;
    contents.problem = std::move(problem);
    return contents;
}

// What in `record` a graph file cannot hold; nothing when it can be kept.
std::optional<files::FieldProblem> unkeepable(const SampleRecord& record)
{
    if (record.samplePeriodMs < 0)
        return files::FieldProblem { "sampling period", std::to_string(record.samplePeriodMs) + " ms" };
    return files::sampleProblem(static_cast<std::size_t>(record.index), record.value);
}

std::string tooLong(const std::filesystem::path& file, long long size)
{
    return file.filename().string() + " is " + std::to_string(size) + " bytes; no run journal is longer than "
        + std::to_string(kLongestJournal);
}

// Reads the whole of an open journal, or says why not.
JournalContents readOpened(const std::filesystem::path& file, platform::File& opened)
{
    platform::OpenFileInfo status;
    if (const std::error_code error = opened.info(status)) return refused(std::strerror(error.value()));
    if (!status.regular) return refused(file.filename().string() + " is not a file");
    if (status.size > kLongestJournal) return refused(tooLong(file, static_cast<long long>(status.size)));
    // One byte more than a journal holds tells a file that grew since.
    std::string bytes;
    if (const std::error_code error = opened.readUpTo(kLongestJournal + 1, bytes))
        return refused(std::strerror(error.value()));
    if (bytes.size() > kLongestJournal) return refused(tooLong(file, static_cast<long long>(bytes.size())));
    return decodeJournal(bytes);
}

}  // namespace

store::RealTimeRun RecoveredRun::realTimeRun() const
{
    store::RealTimeRun run;
    run.readingCount = readingCount();
    run.sampleCount = sampleCount();
    run.samples = samples;
    run.readingToSample = readingToSample;
    run.currentGain = currentGain;
    run.unitFlag = unitFlag;
    run.runStart = runStart;
    run.samplePeriodMs = samplePeriodMs;
    return run;
}

JournalContents decodeJournal(std::string_view bytes)
{
    JournalContents contents;
    const auto header = decodeHeader(bytes.substr(0, kHeaderSize));
    if (!header) return refused("not a run journal, or its beginning is damaged");
    RecoveredRun run;
    run.runStart = header->runStart;
    std::size_t offset = kHeaderSize;
    // A run never holds more than its limits; anything past them is not the run's.
    while (offset + kRecordSize <= bytes.size() && run.sampleCount() < store::run_limits::kMaxSamples) {
        const auto record = decodeRecord(bytes.substr(offset, kRecordSize));
        if (!record || record->index != run.sampleCount()) break;
        if (const auto problem = unkeepable(*record)) {
            contents.leftOut = problem->text();
            break;
        }
        if (record->newReading) {
            if (run.readingCount() >= store::run_limits::kMaxReadings) break;
            run.readingToSample.push_back(record->index);
        }
        run.samples.push_back(record->value);
        run.currentGain = record->gain;
        run.unitFlag = record->footCandle ? 1 : 0;
        run.samplePeriodMs = record->samplePeriodMs;
        offset += kRecordSize;
    }
    contents.ignoredBytes = bytes.size() - offset;
    contents.run = std::move(run);
    return contents;
}

JournalContents readJournal(const std::filesystem::path& file)
{
    // Looked at before opening: opening a FIFO for reading waits for a writer.
    if (const auto what = files::notARegularFile(file)) return refused(*what);
    // Not blocking either on one put there since the look.
    std::error_code error;
    platform::File opened = platform::File::openForReading(file, error);
    if (error) return refused(std::strerror(error.value()));
    return readOpened(file, opened);
}

}  // namespace brivon::journal
