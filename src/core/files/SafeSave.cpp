#include "core/files/SafeSave.h"

#include "core/files/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brivon::files {
namespace {

// A temporary file of a save is named ".NAME.brivon-save-XXXXXX" beside NAME,
// so that one left by a save that was killed is known for what it is.
constexpr std::string_view kTemporaryPrefix = ".";
constexpr std::string_view kTemporaryMarker = ".brivon-save-";
constexpr std::string_view kTemporaryUnique = "XXXXXX";
// A temporary file unchanged for this long belongs to no save still running.
constexpr std::time_t kStaleTemporarySeconds = 60;
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
constexpr uid_t kRootUser = 0;
constexpr uid_t kOwnerUnchanged = static_cast<uid_t>(-1);
// Links deeper than this are taken as a loop, as the system's own lookup does.
constexpr int kMostLinksFollowed = 40;

// New files get the permissions an ordinary create would give them.
mode_t newFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return kNewFileMode & ~mask;
    }();
    return mode;
}

// A new empty file of this save's own beside `target`; its path, or nothing with errno set.
// Readable by its owner only until giveAttributes() says otherwise.
std::optional<std::filesystem::path> createBeside(const std::filesystem::path& target, int& fd)
{
    const std::string temporaryName = std::string(kTemporaryPrefix) + target.filename().string()
        + std::string(kTemporaryMarker) + std::string(kTemporaryUnique);
    std::string name = (target.parent_path() / temporaryName).string();
    fd = ::mkstemp(name.data());
    if (fd < 0) return std::nullopt;
    return std::filesystem::path(name);
}

bool isSaveTemporary(std::string_view name)
{
    if (name.size() <= kTemporaryPrefix.size() + kTemporaryMarker.size() + kTemporaryUnique.size())
        return false;
    const std::string_view marker = name.substr(
        name.size() - kTemporaryUnique.size() - kTemporaryMarker.size(), kTemporaryMarker.size());
    return name.starts_with(kTemporaryPrefix) && marker == kTemporaryMarker;
}

void removeQuietly(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// Removes the temporary files that saves into `folder` which were killed left
// behind: only regular files of the save's own name pattern, of the user's,
// and unchanged for a minute, so that a save still running keeps its own.
void removeStaleTemporaries(const std::filesystem::path& folder)
{
    const std::time_t staleBefore = std::time(nullptr) - kStaleTemporarySeconds;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error), end;
         !error && entry != end; entry.increment(error)) {
        struct stat found { };
        const std::filesystem::path& path = entry->path();
        if (!isSaveTemporary(path.filename().string()) || ::lstat(path.c_str(), &found) != 0) continue;
        if (S_ISREG(found.st_mode) && found.st_uid == ::geteuid() && found.st_mtime < staleBefore)
            removeQuietly(path);
    }
}

// The owner and group of the replaced file where the system allows it, else
// its group alone; false when the new file stays the user's own.
bool keepOwner(int fd, const struct stat& old)
{
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, kOwnerUnchanged, old.st_gid) == 0;
}

// The new content of an existing file keeps what the user gave that file: its
// permission bits (a private file stays private) and its owner where allowed.
// A new file gets what an ordinary create would give it.
void giveAttributes(int fd, const std::filesystem::path& target)
{
    struct stat old { };
    if (::stat(target.c_str(), &old) != 0) {
        ::fchmod(fd, newFileMode());
        return;
    }
    keepOwner(fd, old);  // before the mode: a change of owner clears the set-id bits
    ::fchmod(fd, old.st_mode & kPermissionBits);
}

// Writes all of `bytes` and flushes them to the disk; false with errno kept.
bool writeAndSync(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

// Links of the user's own or root's only, the kernel's protected-symlink rule
// applied in every folder: a link that another user planted could aim the
// save at any file the user may write.
bool mayFollow(const struct stat& link)
{
    return link.st_uid == ::geteuid() || link.st_uid == kRootUser;
}

// The file a save to `path` writes: through symbolic links to the file they
// name, so that a link stays a link. Nothing, with why, when a link is not
// followed or cannot be read.
std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path, FileOutcome& refusal)
{
    std::filesystem::path resolved = path;
    for (int followed = 0;; ++followed) {
        struct stat link { };
        if (::lstat(resolved.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return resolved;
        if (followed == kMostLinksFollowed) {
            refusal = file_outcome::cannotWrite(path.string(), ELOOP);
            return std::nullopt;
        }
        if (!mayFollow(link)) {
            refusal = file_outcome::cannotWrite(path.string(),
                resolved.string() + " is a symbolic link of another user, which a save does not follow");
            return std::nullopt;
        }
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
        if (error) {
            refusal = file_outcome::cannotWrite(path.string(), error.value());
            return std::nullopt;
        }
        resolved = resolved.parent_path() / target;  // an absolute target replaces the whole path
    }
}

// The folder's entries reach the disk with the folder.
void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// One target of the save: its new content waiting in `written`, and a second
// name for its old content, kept until every target is in place.
struct Replacement {
    std::filesystem::path target;
    std::filesystem::path written;
    std::optional<std::filesystem::path> kept;
    bool placed = false;
};

// A second name for the target's old content: a hard link, or a copy where the
// file system has no links. The target itself never goes missing.
std::error_code keepOld(Replacement& r)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(r.target, error)) return {};
    int fd = -1;
    const auto keep = createBeside(r.target, fd);
    if (!keep) return { errno, std::generic_category() };
    ::close(fd);
    ::unlink(keep->c_str());
    if (::link(r.target.c_str(), keep->c_str()) != 0
        && !std::filesystem::copy_file(
            r.target, *keep, std::filesystem::copy_options::overwrite_existing, error)) {
        removeQuietly(*keep);
        return error;
    }
    r.kept = keep;
    return {};
}

// Renames the new content over the target in one step.
std::error_code place(Replacement& r)
{
    if (const std::error_code error = keepOld(r)) return error;
    std::error_code error;
    std::filesystem::rename(r.written, r.target, error);
    if (!error) r.placed = true;
    return error;
}

// Puts every target back as it was before the save and removes what the save wrote.
void undo(std::vector<Replacement>& replacements)
{
    for (Replacement& r : replacements) {
        std::error_code ignored;
        if (r.placed && r.kept)
            std::filesystem::rename(*r.kept, r.target, ignored);
        else if (r.placed)
            removeQuietly(r.target);
        else {
            if (r.kept) removeQuietly(*r.kept);
            removeQuietly(r.written);
        }
    }
}

// Writes the file's new content beside the file a save to it replaces and adds
// it to `replacements`; why it cannot, when it cannot. The first save into a
// folder clears it of temporary files that killed saves left; `folders` holds
// the folders written into.
FileOutcome writeBeside(
    const PendingFile& file, std::vector<Replacement>& replacements, std::set<std::filesystem::path>& folders)
{
    FileOutcome refusal;
    const std::optional<std::filesystem::path> target = resolveLinks(file.path, refusal);
    if (!target) return refusal;
    if (const std::optional<std::string> what = notARegularFile(*target))
        return file_outcome::cannotWriteNotAFile(*what);
    if (folders.insert(target->parent_path()).second) removeStaleTemporaries(target->parent_path());
    int fd = -1;
    const auto written = createBeside(*target, fd);
    if (!written) return file_outcome::cannotWrite(file.path.string(), errno);
    giveAttributes(fd, *target);
    const bool complete = writeAndSync(fd, file.bytes);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    replacements.push_back({ *target, *written, std::nullopt, false });
    if (!complete || !closed)
        return file_outcome::cannotWrite(file.path.string(), complete ? errno : writeError);
    return file_outcome::success();
}

}  // namespace

FileOutcome saveFilesSafely(std::span<const PendingFile> files)
{
    std::vector<Replacement> replacements;
    std::set<std::filesystem::path> folders;
    for (const PendingFile& file : files) {
        if (FileOutcome written = writeBeside(file, replacements, folders); !written.ok()) {
            undo(replacements);
            return written;
        }
    }
    for (Replacement& r : replacements) {
        if (const std::error_code error = place(r)) {
            undo(replacements);
            return file_outcome::cannotWrite(r.target.string(), error.value());
        }
    }
    for (const Replacement& r : replacements)
        if (r.kept) removeQuietly(*r.kept);
    for (const std::filesystem::path& folder : folders)
        syncFolder(folder);
    return file_outcome::success();
}

}  // namespace brivon::files
