#include "core/app/Configuration.h"

#include "core/link/SerialLink.h"
#include "core/util/Printf.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace brivon::app {
namespace {

bool isPortNumber(int n)
{
    return n >= link::SerialLink::kFirstPort && n <= link::SerialLink::kLastPort;
}

std::string number(int value)
{
    return util::printfString("%d", value);
}

}  // namespace

std::string configurationPath(const char* xdgConfigHome, const char* home)
{
    std::filesystem::path base;
    if (xdgConfigHome && std::filesystem::path(xdgConfigHome).is_absolute()) {
        base = xdgConfigHome;
    } else {
        base = std::filesystem::path(home ? home : "") / ".config";
    }
    return (base / Configuration::kFolderName / Configuration::kFileName).string();
}

Configuration Configuration::fromEnvironment()
{
    return Configuration(configurationPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
}

int Configuration::portNumber() const
{
    const int port = file_.readInt(kPortSection, kPortKey, kDefaultPort);
    return isPortNumber(port) ? port : kDefaultPort;
}

int Configuration::yGain() const
{
    return file_.readInt(kGainSection, kGainKey, kDefaultGain);
}

int Configuration::yOffset() const
{
    return file_.readInt(kOffsetSection, kOffsetKey, kDefaultOffset);
}

std::map<int, std::string> Configuration::devicePaths() const
{
    std::map<int, std::string> paths;
    for (const auto& [key, value] : file_.readSection(kDevicePathSection)) {
        if (key.empty() || key.find_first_not_of("0123456789") != std::string::npos || key.size() > 2)
            continue;
        const int port = std::stoi(key);
        if (isPortNumber(port) && !value.empty()) paths.emplace(port, value);
    }
    return paths;
}

bool Configuration::prepareFolder() const
{
    std::error_code error;
    const auto folder = std::filesystem::path(file_.path()).parent_path();
    if (folder.empty()) return true;
    std::filesystem::create_directories(folder, error);
    return !error;
}

bool Configuration::writeAtClose(int portNumber, int yGain, int yOffset) const
{
    if (!prepareFolder()) return false;
    bool written = file_.writeString(kPortSection, kPortKey, number(portNumber));
    written = file_.writeString(kGainSection, kGainKey, number(yGain)) && written;
    written = file_.writeString(kOffsetSection, kOffsetKey, number(yOffset)) && written;
    return written;
}

}  // namespace brivon::app
