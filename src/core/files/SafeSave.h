#pragma once
// Saving without losing data: every file is written in full to a temporary
// file of the save's own beside its target and flushed to the disk; only when
// all of them are complete are they renamed into place, each target's old
// content kept aside until every new one is in place. On any error every
// target holds what it held before, no temporary file is left, and the caller
// gets a message to show. A file replaced keeps its permission bits, and its
// owner where the system allows. A target that is a symbolic link is written
// through to the file it names, keeping the link, when the link is the user's
// own or root's; another user's link is refused, as are a folder, FIFO or
// device. Temporary files that a killed save left are removed by the next save
// into their folder once they are a minute old.

#include <filesystem>
#include <span>
#include <string>

#include "core/files/FileOutcome.h"

namespace brivon::files {

struct PendingFile {
    std::filesystem::path path;
    std::string bytes;
};

FileOutcome saveFilesSafely(std::span<const PendingFile> files);

}  // namespace brivon::files
