#include "core/platform/File.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brivon::platform {
namespace {

std::error_code lastError()
{
    return { errno, std::generic_category() };
}

std::error_code resultOf(int status)
{
    return status == 0 ? std::error_code() : lastError();
}

}  // namespace

File File::opened(int fd, std::error_code& error)
{
    error = fd < 0 ? lastError() : std::error_code();
    return File(fd);
}

File::~File()
{
    close();
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

File File::createUnique(std::string& name, std::error_code& error)
{
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    return opened(fd, error);
}

File File::openForAppend(const std::filesystem::path& path, bool emptyFirst,
    std::filesystem::perms permissions, std::error_code& error)
{
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_APPEND | (emptyFirst ? O_TRUNC : 0);
    const int fd = ::open(path.c_str(), flags, static_cast<mode_t>(permissions));
    return opened(fd, error);
}

File File::openForReading(const std::filesystem::path& path, std::error_code& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return opened(fd, error);
}

File File::openFolder(const std::filesystem::path& path, std::error_code& error)
{
    return opened(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC), error);
}

std::error_code File::writeAll(std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return lastError();
        // Nothing taken of a write of something: the disk has no room.
        if (written == 0) return std::make_error_code(std::errc::no_space_on_device);
        done += static_cast<std::size_t>(written);
    }
    return {};
}

std::error_code File::readUpTo(std::size_t most, std::string& bytes)
{
    bytes.assign(most, '\0');
    std::size_t filled = 0;
    while (filled < most) {
        const ssize_t got = ::read(fd_, bytes.data() + filled, most - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return lastError();
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return {};
}

std::error_code File::sync()
{
    return resultOf(::fsync(fd_));
}

std::error_code File::syncData()
{
    return resultOf(::fdatasync(fd_));
}

bool File::tryLock(Lock kind)
{
    return ::flock(fd_, (kind == Lock::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0;
}

std::error_code File::truncate(std::uint64_t size)
{
    return resultOf(::ftruncate(fd_, static_cast<off_t>(size)));
}

std::error_code File::info(OpenFileInfo& info) const
{
    struct stat status { };
    if (::fstat(fd_, &status) != 0) return lastError();
    info.regular = S_ISREG(status.st_mode);
    info.size = static_cast<std::uint64_t>(status.st_size);
    return {};
}

std::error_code File::changeOwner(UserId user, GroupId group)
{
    return resultOf(::fchown(fd_, user, group));
}

std::error_code File::changeGroup(GroupId group)
{
    return resultOf(::fchown(fd_, static_cast<uid_t>(-1), group));
}

std::error_code File::setPermissions(std::filesystem::perms permissions)
{
    return resultOf(::fchmod(fd_, static_cast<mode_t>(permissions)));
}

std::error_code File::close()
{
    if (fd_ < 0) return {};
    return resultOf(::close(std::exchange(fd_, -1)));
}

}  // namespace brivon::platform
