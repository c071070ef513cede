#include "core/journal/RunJournal.h"

#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"

#include <cstring>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace brivon::journal {
namespace {

constexpr std::filesystem::perms kPrivateFile
    = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;

SampleRecord recordOf(const store::RealTimeRun& run, int index, bool newReading)
{
    SampleRecord record;
    record.index = index;
    record.value = run.samples[static_cast<std::size_t>(index)];
    record.newReading = newReading;
    record.footCandle = run.unitFlag != 0;
    record.gain = run.currentGain;
    record.samplePeriodMs = run.samplePeriodMs;
    return record;
}

// Which samples were committed with a reading, from the reading-to-sample table.
std::vector<bool> readingSamples(const store::RealTimeRun& run)
{
    std::vector<bool> reading(static_cast<std::size_t>(run.sampleCount), false);
    for (int k = 0; k < run.readingCount; ++k) {
        const auto sample = static_cast<std::size_t>(run.readingToSample[static_cast<std::size_t>(k)]);
        if (sample < reading.size()) reading[sample] = true;
    }
    return reading;
}

// The bytes of a journal holding `records` whole records.
std::uint64_t journalSize(int records)
{
    return kHeaderSize + kRecordSize * static_cast<std::uint64_t>(records);
}

// Records `first` up to the run's last sample.
std::string encodeRecords(const store::RealTimeRun& run, int first)
{
    const std::vector<bool> reading = readingSamples(run);
    std::string bytes;
    for (int s = first; s < run.sampleCount; ++s)
        bytes += encodeRecord(recordOf(run, s, reading[static_cast<std::size_t>(s)]));
    return bytes;
}

}  // namespace

RunJournal::RunJournal(std::filesystem::path folder, const platform::Clock& clock)
    : folder_(std::move(folder))
    , clock_(clock)
{
}

void RunJournal::sampleCommitted(const store::RealTimeRun& run)
{
    if (run.sampleCount < 1) return;
    if (!openJournal_.isOpen() || run.runStart != runStart_ || records_ >= run.sampleCount) {
        rewrite(run);
    } else {
        appendMissing(run);
    }
    syncIfDue();
}

void RunJournal::rewrite(const store::RealTimeRun& run)
{
    close();
    removeFile();
    const std::filesystem::path next = folder_ / journalFileName(run.runStart, static_cast<int>(::getpid()));
    if (!openFile(next, true)) return;
    runStart_ = run.runStart;
    records_ = 0;
    if (!writeAll(encodeHeader({ run.runStart }) + encodeRecords(run, 0))) {
        // A journal without its header holds nothing: none is left behind on a full disk.
        close();
        removeFile();
        return;
    }
    records_ = run.sampleCount;
}

// The new sample, and those a failed write left out while the disk was full.
void RunJournal::appendMissing(const store::RealTimeRun& run)
{
    if (writeAll(encodeRecords(run, records_))) {
        records_ = run.sampleCount;
        return;
    }
    // The part of a record that did get written is cut off, so that the next
    // write follows the last whole record; where that fails, the whole run is
    // written anew at the next sample.
    if (const std::error_code error = openJournal_.truncate(journalSize(records_))) {
        fail(*file_, error.value());
        close();
    }
}

void RunJournal::adopt(const std::filesystem::path& file, const store::RealTimeRun& run)
{
    discard();
    if (!openFile(file, false)) return;
    runStart_ = run.runStart;
    records_ = run.sampleCount;
    // A damaged tail is cut off, so the next record follows the last good one;
    // where it cannot be, the next sample writes the whole run anew.
    if (const std::error_code error = openJournal_.truncate(journalSize(records_))) {
        fail(file, error.value());
        close();
    }
}

bool RunJournal::openFile(const std::filesystem::path& file, bool truncate)
{
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) {
        fail(folder_, error.value());
        return false;
    }
    // Appending: after a cut record the next write lands at the new end.
    openJournal_ = platform::File::openForAppend(file, truncate, kPrivateFile, error);
    if (error) {
        fail(file, error.value());
        return false;
    }
    // Held until the file is closed; a second instance sees the run as this one's.
    openJournal_.tryLock(platform::File::Lock::Exclusive);
    file_ = file;
    return true;
}

bool RunJournal::writeAll(const std::string& bytes)
{
    // One write per sample: what the kernel has accepted survives the
    // program being killed; the failure that stopped a write is the one reported.
    if (const std::error_code error = openJournal_.writeAll(bytes)) {
        fail(*file_, error.value());
        return false;
    }
    problem_.reset();
    if (!unsyncedSince_) unsyncedSince_ = clock_.now();
    return true;
}

void RunJournal::syncIfDue()
{
    if (unsyncedSince_ && clock_.now() - *unsyncedSince_ >= kSyncAfterSeconds) sync();
}

void RunJournal::sync()
{
    if (!openJournal_.isOpen() || !unsyncedSince_) return;
    if (const std::error_code error = openJournal_.syncData()) fail(*file_, error.value());
    unsyncedSince_.reset();
}

void RunJournal::discard()
{
    close();
    removeFile();
    records_ = 0;
}

void RunJournal::removeFile()
{
    if (!file_) return;
    std::error_code ignored;
    std::filesystem::remove(*file_, ignored);
    file_.reset();
}

void RunJournal::close()
{
    if (!openJournal_.isOpen()) return;
    openJournal_.close();
    unsyncedSince_.reset();
}

void RunJournal::fail(const std::filesystem::path& where, int errorNumber)
{
    problem_ = std::string(kProblemText) + where.string() + ": " + std::strerror(errorNumber);
}

}  // namespace brivon::journal
