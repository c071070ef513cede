#pragma once
// The file-system operations of the seam that savers need beyond one open
// file: names, links, owners and the folder's own flush.

#include "core/platform/File.h"

#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

namespace brivon::platform {

inline constexpr UserId kRootUser = 0;

// What a name in a folder is, as the savers need it.
struct FileInfo {
    bool regular = false;
    bool symbolicLink = false;
    UserId owner = 0;
    GroupId group = 0;
    std::filesystem::perms permissions = std::filesystem::perms::none;
    std::time_t modified = 0;
};

// The file `path` names, through symbolic links; nothing when there is none.
std::optional<FileInfo> fileInfo(const std::filesystem::path& path);
// `path` itself, a symbolic link not followed; nothing when there is none.
std::optional<FileInfo> linkInfo(const std::filesystem::path& path);

// The user this program runs as, who owns what it creates.
UserId currentUser();
// The permissions an ordinary create gives a new file: read and write for
// all, less the process's file-creation mask.
std::filesystem::perms newFilePermissions();

// A second name `link` for the file `existing`.
std::error_code hardLink(const std::filesystem::path& existing, const std::filesystem::path& link);
// Puts `from` in the place of `to` in one step: `to` names either its old
// file or the new one at every moment.
std::error_code replaceAtomically(const std::filesystem::path& from, const std::filesystem::path& to);
// Flushes the folder's entries to the disk, so that names made or changed in it last.
std::error_code syncFolder(const std::filesystem::path& folder);

}  // namespace brivon::platform
