#include "core/files/RegularFile.h"

#include <cerrno>
#include <system_error>

namespace brivon::files {
namespace {

const char* kindName(std::filesystem::file_type type)
{
    switch (type) {
    case std::filesystem::file_type::directory:
        return "a folder";
    case std::filesystem::file_type::fifo:
        return "a FIFO";
    case std::filesystem::file_type::character:
    case std::filesystem::file_type::block:
        return "a device";
    case std::filesystem::file_type::socket:
        return "a socket";
    default:
        return "something unknown";
    }
}

}  // namespace

std::optional<std::string> notARegularFile(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(path, error).type();
    if (type == std::filesystem::file_type::regular || type == std::filesystem::file_type::not_found
        || error) {
        return std::nullopt;
    }
    return path.filename().string() + " is " + kindName(type) + ", not a file";
}

FileOutcome openForReading(const std::filesystem::path& path, std::ifstream& in)
{
    if (const std::optional<std::string> what = notARegularFile(path)) return file_outcome::notAFile(*what);
    in.open(path, std::ios::binary);
    if (!in) return file_outcome::cannotOpen(errno);
    return file_outcome::success();
}

}  // namespace brivon::files
