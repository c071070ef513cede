#include "core/link/PortChoice.h"

#include "core/link/SerialLink.h"
#include "core/util/Printf.h"

#include <filesystem>

namespace brivon::link {

namespace {

constexpr const char* kPresentMark = " (present)";

bool otherPort(int portNumber)
{
    return portNumber >= SerialLink::kFirstOtherPort && portNumber <= PortMap::kPortCount;
}

}  // namespace

bool devicePresent(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_character_file(path, error);
}

std::string portMenuText(int portNumber, const std::string& path, bool present)
{
    return util::printfString("COM%d  %s%s", portNumber, path.c_str(), present ? kPresentMark : "");
}

std::optional<int> numberForPickedDevice(const PortMap& map, const std::string& device,
    std::optional<int> typedNumber, const std::function<bool(const std::string&)>& present)
{
    if (typedNumber && otherPort(*typedNumber)) return typedNumber;
    for (int n = SerialLink::kFirstOtherPort; n <= PortMap::kPortCount; ++n)
        if (map.pathFor(n) == device) return n;
    for (int n = SerialLink::kFirstOtherPort; n <= PortMap::kPortCount; ++n)
        if (!present(map.pathFor(n))) return n;
    return std::nullopt;
}

}  // namespace brivon::link
