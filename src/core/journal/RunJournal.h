#pragma once
// The crash-safe copy of the real-time run: while a run goes on, every
// committed sample is appended to a journal file with one write, so a killed
// program loses nothing; the file is flushed to the disk every few seconds,
// so a power loss costs at most the last five. The file is locked while this
// program writes it, so that another instance does not offer it for recovery.
// A write the disk refuses is said with the system's reason and tried again
// at the next sample with every record still missing.

#include "core/platform/Clock.h"
#include "core/platform/File.h"
#include "core/store/RealTimeRun.h"

#include <filesystem>
#include <optional>
#include <string>

namespace brivon::journal {

class RunJournal {
public:
    // Sync when the oldest unflushed record is this old: checked at every
    // sample and every watchdog tick (2 s), so no record waits more than 5 s.
    static constexpr platform::TimeValue kSyncAfterSeconds = 3;
    static constexpr const char* kProblemText = "The run journal cannot be written: ";

    RunJournal(std::filesystem::path folder, const platform::Clock& clock);
    RunJournal(const RunJournal&) = delete;
    RunJournal& operator=(const RunJournal&) = delete;

    // The folder the journal is kept in.
    const std::filesystem::path& folder() const { return folder_; }

    // The run committed a sample: it is appended with any earlier ones a
    // failed write left out, or the journal is written anew for a new run.
    void sampleCommitted(const store::RealTimeRun& run);
    // Takes over an existing journal of `run` (a recovered run) as this program's own.
    void adopt(const std::filesystem::path& file, const store::RealTimeRun& run);
    // Flushes to the disk when the oldest unflushed record is due.
    void syncIfDue();
    // Flushes to the disk now.
    void sync();
    // The run was saved or its user gave it up: the journal goes.
    void discard();

    // Records written that may not be on the disk yet.
    bool hasUnflushedRecords() const { return unsyncedSince_.has_value(); }
    // The journal file while there is one.
    const std::optional<std::filesystem::path>& file() const { return file_; }
    // Why the journal could not be written, until a write succeeds again.
    const std::optional<std::string>& problem() const { return problem_; }

private:
    void rewrite(const store::RealTimeRun& run);
    void appendMissing(const store::RealTimeRun& run);
    bool openFile(const std::filesystem::path& file, bool truncate);
    bool writeAll(const std::string& bytes);
    void close();
    void removeFile();
    void fail(const std::filesystem::path& where, int errorNumber);

    std::filesystem::path folder_;
    const platform::Clock& clock_;
    std::optional<std::filesystem::path> file_;
    platform::File openJournal_;
    platform::TimeValue runStart_ = 0;
    int records_ = 0;
    std::optional<platform::TimeValue> unsyncedSince_;
    std::optional<std::string> problem_;
};

}  // namespace brivon::journal
