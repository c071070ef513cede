#pragma once
// The file seam: one open file of the system, closed when its owner goes.
// Every call says why it failed as the system's error, so that callers can
// report the reason as the system gives it.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace brivon::platform {

using UserId = std::uint32_t;
using GroupId = std::uint32_t;

// What an open file is, as the callers need it.
struct OpenFileInfo {
    bool regular = false;
    std::uint64_t size = 0;
};

class File {
public:
    File() = default;
    ~File();
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // A new empty file no other open made, readable and writable by its
    // owner only. `name` ends in "XXXXXX", which becomes unique; on return it
    // is the file's name.
    static File createUnique(std::string& name, std::error_code& error);
    // Opens for writing at the end, created with `permissions` when missing,
    // and emptied first when `emptyFirst`: after a cut the next write lands
    // at the new end.
    static File openForAppend(const std::filesystem::path& path, bool emptyFirst,
        std::filesystem::perms permissions, std::error_code& error);
    // Opens for reading without waiting for a writer, should it be a FIFO.
    static File openForReading(const std::filesystem::path& path, std::error_code& error);

    // Opens a folder for reading, to flush its entries with sync().
    static File openFolder(const std::filesystem::path& path, std::error_code& error);

    bool isOpen() const { return fd_ >= 0; }

    // Writes all of `bytes`, going on after a short write, so that the error
    // returned is the one that stopped it.
    std::error_code writeAll(std::string_view bytes);
    // Reads until the end of the file or `most` bytes into `bytes`.
    std::error_code readUpTo(std::size_t most, std::string& bytes);
    // Flushes content and attributes to the disk.
    std::error_code sync();
    // Flushes the content to the disk, and the attributes needed to read it.
    std::error_code syncData();
    enum class Lock { Exclusive, Shared };
    // A lock held until the file is closed; false when another file of the
    // same name holds one that excludes it.
    bool tryLock(Lock kind);
    std::error_code truncate(std::uint64_t size);
    std::error_code info(OpenFileInfo& info) const;
    std::error_code changeOwner(UserId user, GroupId group);
    std::error_code changeGroup(GroupId group);
    std::error_code setPermissions(std::filesystem::perms permissions);
    // Closes now, saying whether the system kept everything written.
    std::error_code close();

private:
    explicit File(int fd)
        : fd_(fd)
    {
    }
    // The file of an open's result, or none with the open's error.
    static File opened(int fd, std::error_code& error);

    int fd_ = -1;
};

}  // namespace brivon::platform
