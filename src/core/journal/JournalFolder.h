#pragma once
// Where the run journals live and which unsaved runs they hold:
// $XDG_STATE_HOME/brivon/ (~/.local/state/brivon/ when that is not set).

#include "core/platform/Clock.h"

#include <filesystem>
#include <string>
#include <vector>

namespace brivon::journal {

inline constexpr const char* kFolderName = "brivon";
inline constexpr const char* kJournalExtension = ".journal";

// $XDG_STATE_HOME/brivon, or $HOME/.local/state/brivon when XDG_STATE_HOME is
// unset, empty or not an absolute path. Null arguments count as unset.
std::filesystem::path journalFolder(const char* xdgStateHome, const char* home);
std::filesystem::path journalFolderFromEnvironment();

// The journal of a run started at `runStart` by process `processId`.
std::string journalFileName(platform::TimeValue runStart, int processId);

struct JournalSummary {
    std::filesystem::path file;
    platform::TimeValue runStart = 0;
    int sampleCount = 0;  // intact samples
    bool inUse = false;  // a running program is still writing it
};

// True while a program holds the journal open for writing (another
// instance's run still going, or this program's own journal).
bool beingWritten(const std::filesystem::path& journal);

// Every journal in `folder` with an intact header, the newest run first.
std::vector<JournalSummary> listJournals(const std::filesystem::path& folder);

}  // namespace brivon::journal
