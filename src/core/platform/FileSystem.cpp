#include "core/platform/FileSystem.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace brivon::platform {
namespace {

constexpr mode_t kNewFileMode = 0666;

std::optional<FileInfo> infoOf(int status, const struct stat& found)
{
    if (status != 0) return std::nullopt;
    FileInfo info;
    info.regular = S_ISREG(found.st_mode);
    info.symbolicLink = S_ISLNK(found.st_mode);
    info.owner = found.st_uid;
    info.group = found.st_gid;
    info.permissions = static_cast<std::filesystem::perms>(found.st_mode) & std::filesystem::perms::mask;
    info.modified = found.st_mtime;
    return info;
}

}  // namespace

std::optional<FileInfo> fileInfo(const std::filesystem::path& path)
{
    struct stat found { };
    return infoOf(::stat(path.c_str(), &found), found);
}

std::optional<FileInfo> linkInfo(const std::filesystem::path& path)
{
    struct stat found { };
    return infoOf(::lstat(path.c_str(), &found), found);
}

UserId currentUser()
{
    return ::geteuid();
}

std::filesystem::perms newFilePermissions()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return kNewFileMode & ~mask;
    }();
    return static_cast<std::filesystem::perms>(mode);
}

std::error_code hardLink(const std::filesystem::path& existing, const std::filesystem::path& link)
{
    if (::link(existing.c_str(), link.c_str()) == 0) return {};
    return { errno, std::generic_category() };
}

std::error_code replaceAtomically(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return error;
}

std::error_code syncFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    File opened = File::openFolder(folder.empty() ? "." : folder, error);
    return error ? error : opened.sync();
}

}  // namespace brivon::platform
