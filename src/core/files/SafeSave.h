#pragma once
// Saving without losing data: every file is written in full to a temporary
// file of the save's own beside its target and flushed to the disk; only when
// all of them are complete are they renamed into place, each target's old
// content kept aside until every new one is in place. On any error every
// target holds what it held before, no temporary file is left, and the caller
// gets a message to show. A target that is a symbolic link is written through
// to the file it names, keeping the link; a folder, FIFO or device is refused.

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
