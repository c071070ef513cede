#include "core/journal/JournalFolder.h"

#include "core/journal/JournalReader.h"
#include "core/platform/File.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

namespace brivon::journal {

bool beingWritten(const std::filesystem::path& journal)
{
    std::error_code error;
    platform::File file = platform::File::openForReading(journal, error);
    return !error && !file.tryLock(platform::File::Lock::Shared);
}

std::filesystem::path journalFolder(const char* xdgStateHome, const char* home)
{
    std::filesystem::path base;
    if (xdgStateHome && std::filesystem::path(xdgStateHome).is_absolute()) {
        base = xdgStateHome;
    } else {
        base = std::filesystem::path(home ? home : "") / ".local" / "state";
    }
    return base / kFolderName;
}

std::filesystem::path journalFolderFromEnvironment()
{
    return journalFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::string journalFileName(platform::TimeValue runStart, int processId)
{
    return "run-" + std::to_string(runStart) + "-" + std::to_string(processId) + kJournalExtension;
}

std::vector<JournalSummary> listJournals(const std::filesystem::path& folder)
{
    std::vector<JournalSummary> found;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || entry.path().extension() != kJournalExtension) continue;
        const JournalContents contents = readJournal(entry.path());
        if (!contents.run) continue;
        found.push_back({ entry.path(), contents.run->runStart, contents.run->sampleCount(),
            beingWritten(entry.path()) });
    }
    std::sort(found.begin(), found.end(), [](const JournalSummary& a, const JournalSummary& b) {
        return a.runStart != b.runStart ? a.runStart > b.runStart : a.file > b.file;
    });
    return found;
}

}  // namespace brivon::journal
