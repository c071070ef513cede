#include "core/files/SafeSave.h"

#include "core/files/RegularFile.h"

#include <cerrno>
#include <cstdio>
#include <optional>
#include <set>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brivon::files {
namespace {

constexpr const char* kTemporaryPrefix = ".";
constexpr const char* kTemporarySuffix = ".XXXXXX";
constexpr mode_t kNewFileMode = 0666;
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
std::optional<std::filesystem::path> createBeside(const std::filesystem::path& target, int& fd)
{
    std::string name
        = (target.parent_path() / (kTemporaryPrefix + target.filename().string() + kTemporarySuffix))
              .string();
    fd = ::mkstemp(name.data());
    if (fd < 0) return std::nullopt;
    ::fchmod(fd, newFileMode());
    return std::filesystem::path(name);
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

// The file a save to `path` writes: through symbolic links to the file they
// name, so that a link stays a link. Nothing with the error when a link cannot be read.
std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path, std::error_code& error)
{
    std::filesystem::path resolved = path;
    for (int followed = 0; std::filesystem::is_symlink(std::filesystem::symlink_status(resolved, error));
         ++followed) {
        if (followed == kMostLinksFollowed) {
            error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
            return std::nullopt;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(resolved, error);
        if (error) return std::nullopt;
        resolved = resolved.parent_path() / target;  // an absolute target replaces the whole path
    }
    return resolved;
}

void removeQuietly(const std::filesystem::path& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
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
// it to `replacements`; why it cannot, when it cannot.
FileOutcome writeBeside(const PendingFile& file, std::vector<Replacement>& replacements)
{
    std::error_code linkError;
    const std::optional<std::filesystem::path> target = resolveLinks(file.path, linkError);
    if (!target) return file_outcome::cannotWrite(file.path.string(), linkError.value());
    if (const std::optional<std::string> what = notARegularFile(*target))
        return file_outcome::cannotWriteNotAFile(*what);
    int fd = -1;
    const auto written = createBeside(*target, fd);
    if (!written) return file_outcome::cannotWrite(file.path.string(), errno);
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
    for (const PendingFile& file : files) {
        if (FileOutcome written = writeBeside(file, replacements); !written.ok()) {
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
    std::set<std::filesystem::path> folders;
    for (const Replacement& r : replacements) {
        if (r.kept) removeQuietly(*r.kept);
        folders.insert(r.target.parent_path());
    }
    for (const std::filesystem::path& folder : folders)
        syncFolder(folder);
    return file_outcome::success();
}

}  // namespace brivon::files
