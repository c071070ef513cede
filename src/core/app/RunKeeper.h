#pragma once
// Keeps the real-time run from being lost: every committed sample goes into
// the run journal, and the keeper knows whether the run still needs saving.
// A save or a user's No removes the journal; a close without questions (a
// stop signal) flushes it and leaves it for the next start. A journal that
// cannot be written is reported after the sample it could not take; the
// sample timer goes on meanwhile.

#include "core/app/CDTDoc.h"
#include "core/app/DocumentObserver.h"
#include "core/journal/RunJournal.h"
#include "core/platform/Clock.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace brivon::app {

class RunKeeper : private app::DocumentObserver {
public:
    RunKeeper(app::CDTDoc& document, std::filesystem::path journalFolder, const platform::Clock& clock);
    ~RunKeeper() override;
    RunKeeper(const RunKeeper&) = delete;
    RunKeeper& operator=(const RunKeeper&) = delete;

    // True while the run holds samples that no save has written.
    bool unsaved() const;
    // The run was written: its journal goes, and it needs no saving until its next sample.
    void saved();
    // The user gave the run up (No to saving it at close).
    void givenUp() { journal_.discard(); }
    // A recovered run, now the document's, keeps its journal as this program's own.
    void adopt(const std::filesystem::path& journalFile);
    // The watchdog's tick: a journal with records older than a few seconds goes to the disk.
    void tick() { journal_.syncIfDue(); }
    // The program ends: what a kept journal holds goes to the disk.
    void keepForNextStart() { journal_.sync(); }

    // Called with the journal's problem after every sample it could not take.
    void setProblemHandler(std::function<void(const std::string&)> handler)
    {
        problemHandler_ = std::move(handler);
    }

    const journal::RunJournal& journal() const { return journal_; }
    const std::filesystem::path& journalFolder() const { return journal_.folder(); }

private:
    struct SavedMark {
        platform::TimeValue runStart = 0;
        int sampleCount = 0;
    };

    void sampleCommitted() override;

    app::CDTDoc& document_;
    journal::RunJournal journal_;
    std::optional<SavedMark> saved_;
    std::function<void(const std::string&)> problemHandler_;
};

}  // namespace brivon::app
