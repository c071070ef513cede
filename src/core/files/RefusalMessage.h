#pragma once
// How a window tells a data file it could not read: the outcome's message,
// with the file's name and the reason below it.

#include "core/files/FileOutcome.h"
#include "core/platform/Prompts.h"

#include <filesystem>

namespace brivon::files {

// Nothing for a file that was read; the message alone for a read with no file name.
void tellRefusal(platform::Prompts& prompts, const std::filesystem::path& file, const FileOutcome& outcome);

}  // namespace brivon::files
