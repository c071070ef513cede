#include "DeviceCheck.h"

#include <filesystem>

namespace brivon::cli {

namespace {

// What a file of this type is called in the refusal, or nothing to let the open decide.
const char* kindName(std::filesystem::file_type type)
{
    using std::filesystem::file_type;
    switch (type) {
    case file_type::regular:
        return "a regular file";
    case file_type::directory:
        return "a folder";
    case file_type::fifo:
        return "a FIFO";
    case file_type::socket:
        return "a socket";
    case file_type::block:
        return "a block device";
    default:
        return nullptr;
    }
}

}  // namespace

std::optional<std::string> notSerialDeviceReason(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);  // follows symbolic links
    const char* kind = kindName(status.type());
    if (!kind) return std::nullopt;
    return path + " is " + kind + ", not a serial device";
}

}  // namespace brivon::cli
