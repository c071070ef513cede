#include "core/journal/RunJournal.h"

#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace brivon::journal {
namespace {

constexpr mode_t kPrivateFile = 0600;

SampleRecord recordOf(const files::RealTimeRun& run, int index, bool newReading)
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
std::vector<bool> readingSamples(const files::RealTimeRun& run)
{
    std::vector<bool> reading(static_cast<std::size_t>(run.sampleCount), false);
    for (int k = 0; k < run.readingCount; ++k) {
        const auto sample = static_cast<std::size_t>(run.readingToSample[static_cast<std::size_t>(k)]);
        if (sample < reading.size()) reading[sample] = true;
    }
    return reading;
}

}  // namespace

RunJournal::RunJournal(std::filesystem::path folder, const platform::Clock& clock)
    : folder_(std::move(folder))
    , clock_(clock)
{
}

RunJournal::~RunJournal()
{
    close();
}

void RunJournal::sampleCommitted(const files::RealTimeRun& run)
{
    if (run.sampleCount < 1) return;
    const int last = run.sampleCount - 1;
    if (fd_ < 0 || run.runStart != runStart_ || records_ != last) {
        rewrite(run);
    } else {
        const bool newReading = run.readingCount > 0
            && run.readingToSample[static_cast<std::size_t>(run.readingCount - 1)] == last;
        append(encodeRecord(recordOf(run, last, newReading)));
        ++records_;
    }
    syncIfDue();
}

void RunJournal::rewrite(const files::RealTimeRun& run)
{
    const std::filesystem::path previous = file_.value_or(std::filesystem::path());
    const std::filesystem::path next = folder_ / journalFileName(run.runStart, static_cast<int>(::getpid()));
    close();
    if (!previous.empty() && previous != next) {
        std::error_code ignored;
        std::filesystem::remove(previous, ignored);
    }
    file_.reset();
    if (!openFile(next, true)) return;
    runStart_ = run.runStart;
    std::string bytes = encodeHeader({ run.runStart });
    const std::vector<bool> reading = readingSamples(run);
    for (int s = 0; s < run.sampleCount; ++s)
        bytes += encodeRecord(recordOf(run, s, reading[static_cast<std::size_t>(s)]));
    append(bytes);
    records_ = run.sampleCount;
}

void RunJournal::adopt(const std::filesystem::path& file, const files::RealTimeRun& run)
{
    discard();
    if (!openFile(file, false)) return;
    runStart_ = run.runStart;
    records_ = run.sampleCount;
    // A damaged tail is cut off, so the next record follows the last good one.
    if (::ftruncate(fd_, static_cast<off_t>(kHeaderSize + kRecordSize * static_cast<std::size_t>(records_)))
        != 0)
        fail("cannot cut the damaged end of " + file.string());
}

bool RunJournal::openFile(const std::filesystem::path& file, bool truncate)
{
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (truncate ? O_TRUNC : O_APPEND);
    fd_ = ::open(file.c_str(), flags, kPrivateFile);
    if (fd_ < 0) {
        fail(file.string());
        return false;
    }
    // Held until the file is closed; a second instance sees the run as this one's.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    file_ = file;
    return true;
}

void RunJournal::append(const std::string& bytes)
{
    if (fd_ < 0) return;
    // One write per sample: what the kernel has accepted survives the
    // program being killed.
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written != static_cast<ssize_t>(bytes.size())) {
        // Written anew at the next sample, in case the disk has room again.
        fail(file_->string());
        close();
        return;
    }
    if (!unsyncedSince_) unsyncedSince_ = clock_.now();
}

void RunJournal::syncIfDue()
{
    if (unsyncedSince_ && clock_.now() - *unsyncedSince_ >= kSyncAfterSeconds) sync();
}

void RunJournal::sync()
{
    if (fd_ < 0 || !unsyncedSince_) return;
    if (::fdatasync(fd_) != 0) fail(file_->string());
    unsyncedSince_.reset();
}

void RunJournal::discard()
{
    close();
    if (file_) {
        std::error_code ignored;
        std::filesystem::remove(*file_, ignored);
        file_.reset();
    }
    records_ = 0;
}

void RunJournal::close()
{
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    unsyncedSince_.reset();
}

void RunJournal::fail(const std::string& what)
{
    if (!problem_) problem_ = "The run journal cannot be written: " + what + ": " + std::strerror(errno);
}

}  // namespace brivon::journal
