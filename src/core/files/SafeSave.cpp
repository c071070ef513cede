#include "core/files/SafeSave.h"

#include "core/files/RegularFile.h"
#include "core/platform/File.h"
#include "core/platform/FileSystem.h"

#include <cerrno>
#include <ctime>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

namespace brivon::files {
namespace {

// A temporary file of a save is named ".NAME.brivon-save-XXXXXX" beside NAME,
// so that one left by a save that was killed is known for what it is.
constexpr std::string_view kTemporaryPrefix = ".";
constexpr std::string_view kTemporaryMarker = ".brivon-save-";
constexpr std::string_view kTemporaryUnique = "XXXXXX";
// A temporary file unchanged for this long belongs to no save still running.
constexpr std::time_t kStaleTemporarySeconds = 60;
// Links deeper than this are taken as a loop, as the system's own lookup does.
constexpr int kMostLinksFollowed = 40;

// A new empty file of this save's own beside `target`, its name in `created`.
// Readable by its owner only until giveAttributes() says otherwise.
platform::File createBeside(
    const std::filesystem::path& target, std::filesystem::path& created, std::error_code& error)
{
    const std::string temporaryName = std::string(kTemporaryPrefix) + target.filename().string()
        + std::string(kTemporaryMarker) + std::string(kTemporaryUnique);
    std::string name = (target.parent_path() / temporaryName).string();
    platform::File file = platform::File::createUnique(name, error);
    created = name;
    return file;
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
        const std::filesystem::path& path = entry->path();
        if (!isSaveTemporary(path.filename().string())) continue;
        const std::optional<platform::FileInfo> found = platform::linkInfo(path);
        if (found && found->regular && found->owner == platform::currentUser()
            && found->modified < staleBefore)
            removeQuietly(path);
    }
}

// The owner and group of the replaced file where the system allows it, else
// its group alone; false when the new file stays the user's own.
bool keepOwner(platform::File& file, const platform::FileInfo& old)
{
    return !file.changeOwner(old.owner, old.group) || !file.changeGroup(old.group);
}

// The new content of an existing file keeps what the user gave that file: its
// permission bits (a private file stays private) and its owner where allowed.
// A new file gets what an ordinary create would give it.
void giveAttributes(platform::File& file, const std::filesystem::path& target)
{
    const std::optional<platform::FileInfo> old = platform::fileInfo(target);
    if (!old) {
        file.setPermissions(platform::newFilePermissions());
        return;
    }
    keepOwner(file, *old);  // before the mode: a change of owner clears the set-id bits
    file.setPermissions(old->permissions);
}

// Writes all of `bytes`, flushes them to the disk and closes the file; the
// first error on the way.
std::error_code writeAndSync(platform::File& file, const std::string& bytes)
{
    std::error_code error = file.writeAll(bytes);
    if (!error) error = file.sync();
    const std::error_code closed = file.close();
    return error ? error : closed;
}

// Links of the user's own or root's only, the kernel's protected-symlink rule
// applied in every folder: a link that another user planted could aim the
// save at any file the user may write.
bool mayFollow(const platform::FileInfo& link)
{
    return link.owner == platform::currentUser() || link.owner == platform::kRootUser;
}

// The file a save to `path` writes: through symbolic links to the file they
// name, so that a link stays a link. Nothing, with why, when a link is not
// followed or cannot be read.
std::optional<std::filesystem::path> resolveLinks(const std::filesystem::path& path, FileOutcome& refusal)
{
    std::filesystem::path resolved = path;
    for (int followed = 0;; ++followed) {
        const std::optional<platform::FileInfo> link = platform::linkInfo(resolved);
        if (!link || !link->symbolicLink) return resolved;
        if (followed == kMostLinksFollowed) {
            refusal = file_outcome::cannotWrite(path.string(), ELOOP);
            return std::nullopt;
        }
        if (!mayFollow(*link)) {
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
    std::filesystem::path keep;
    // A name of the save's own, freed again for the link to take.
    createBeside(r.target, keep, error).close();
    if (error) return error;
    removeQuietly(keep);
    if (platform::hardLink(r.target, keep)
        && !std::filesystem::copy_file(
            r.target, keep, std::filesystem::copy_options::overwrite_existing, error)) {
        removeQuietly(keep);
        return error;
    }
    r.kept = keep;
    return {};
}

// Renames the new content over the target in one step.
std::error_code place(Replacement& r)
{
    if (const std::error_code error = keepOld(r)) return error;
    const std::error_code error = platform::replaceAtomically(r.written, r.target);
    if (!error) r.placed = true;
    return error;
}

// Puts every target back as it was before the save and removes what the save wrote.
void undo(std::vector<Replacement>& replacements)
{
    for (Replacement& r : replacements) {
        if (r.placed && r.kept)
            platform::replaceAtomically(*r.kept, r.target);
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
    std::filesystem::path written;
    std::error_code error;
    platform::File created = createBeside(*target, written, error);
    if (error) return file_outcome::cannotWrite(file.path.string(), error.value());
    giveAttributes(created, *target);
    error = writeAndSync(created, file.bytes);
    replacements.push_back({ *target, written, std::nullopt, false });
    if (error) return file_outcome::cannotWrite(file.path.string(), error.value());
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
        platform::syncFolder(folder);
    return file_outcome::success();
}

}  // namespace brivon::files
