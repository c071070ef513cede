#include "sim/PathLink.h"

#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace brivon::sim {
namespace {

constexpr std::size_t kPathCapacity = 4096;

[[noreturn]] void fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

std::string readLink(const std::string& path)
{
    std::array<char, kPathCapacity> buffer {};
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    if (length <= 0) return {};
    return { buffer.data(), static_cast<std::size_t>(length) };
}

bool isSymlink(const std::string& path)
{
    struct stat info { };
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

PathLink::PathLink(std::string linkPath, std::string target)
    : path_(std::move(linkPath))
    , target_(std::move(target))
{
    if (isSymlink(path_) && unlink(path_.c_str()) != 0) fail("unlink");
    if (symlink(target_.c_str(), path_.c_str()) != 0) fail("symlink");
}

PathLink::~PathLink()
{
    if (readLink(path_) == target_) unlink(path_.c_str());
}

}  // namespace brivon::sim
