#include "core/link/PortMap.h"

#include <charconv>

namespace brivon::link {

namespace {

constexpr std::array<const char*, PortMap::kPortCount> kDefaultPaths {
    "/dev/ttyUSB0",
    "/dev/ttyUSB1",
    "/dev/ttyACM0",
    "/dev/ttyACM1",
    "/dev/ttyS0",
    "/dev/ttyS1",
    "/dev/ttyS2",
    "/dev/ttyS3",
    "/dev/ttyUSB2",
    "/dev/ttyUSB3",
    "/dev/ttyACM2",
    "/dev/ttyACM3",
    "/dev/ttyUSB4",
    "/dev/ttyUSB5",
    "/dev/ttyUSB6",
    "/dev/ttyUSB7",
};

bool inRange(int portNumber)
{
    return portNumber >= 1 && portNumber <= PortMap::kPortCount;
}

}  // namespace

PortMap::PortMap()
{
    for (std::size_t i = 0; i < paths_.size(); ++i)
        paths_[i] = kDefaultPaths[i];
}

std::string PortMap::pathFor(int portNumber) const
{
    return inRange(portNumber) ? paths_[static_cast<std::size_t>(portNumber - 1)] : std::string();
}

void PortMap::setPath(int portNumber, std::string path)
{
    if (inRange(portNumber)) paths_[static_cast<std::size_t>(portNumber - 1)] = std::move(path);
}

std::optional<std::pair<int, std::string>> parsePortAssignment(const std::string& assignment)
{
    const auto equals = assignment.find('=');
    if (equals == std::string::npos || equals + 1 == assignment.size()) return std::nullopt;
    int number = 0;
    const char* first = assignment.data();
    const char* last = first + equals;
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc() || end != last || !inRange(number)) return std::nullopt;
    return std::make_pair(number, assignment.substr(equals + 1));
}

}  // namespace brivon::link
