#pragma once
// Saving without losing data: every file is written in full to a temporary
// file beside its target, and only when all of them are complete are they
// renamed over their targets. On any error the temporary files are removed,
// the targets keep what they held, and the caller gets a message to show.

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

// The temporary file a save writes before it replaces `target`.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

}  // namespace brivon::files
