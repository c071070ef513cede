#pragma once
// What brivon-cli read refuses before it opens anything: a path that names a
// regular file, a folder, a FIFO, a socket or a block device. A character
// device is left to the serial port's open, which refuses one that is no
// terminal; a path that does not exist is left to the link's own message.

#include <optional>
#include <string>

namespace brivon::cli {

// "PATH is a folder, not a serial device" and the like; nothing when the path
// may be a serial device.
std::optional<std::string> notSerialDeviceReason(const std::string& path);

}  // namespace brivon::cli
