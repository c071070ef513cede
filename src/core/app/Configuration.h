#pragma once
// The program's settings file "Brivonconfig.ini": the serial port, the real-time
// graph's Y gain and Y offset, and the device path of each port number. It
// lives in $XDG_CONFIG_HOME/brivon/ (~/.config/brivon/ when that is not set).
// A missing or unreadable file gives the defaults; the port is read at start,
// gain and offset when the view is created, and all three are written at close.

#include "core/app/ProfileFile.h"

#include <map>
#include <string>

namespace brivon::app {

class Configuration {
public:
    static constexpr const char* kFileName = "Brivonconfig.ini";
    static constexpr const char* kFolderName = "brivon";

    static constexpr const char* kPortSection = "COMInfo";
    static constexpr const char* kPortKey = "COM num";
    static constexpr const char* kGainSection = "GainInfo";
    static constexpr const char* kGainKey = "Gain";
    static constexpr const char* kOffsetSection = "OffsetInfo";
    static constexpr const char* kOffsetKey = "Offset";
    static constexpr const char* kDevicePathSection = "Ports";

    static constexpr int kDefaultPort = 1;
    static constexpr int kDefaultGain = 40;
    static constexpr int kDefaultOffset = 0;

    explicit Configuration(std::string path)
        : file_(std::move(path))
    {
    }
    // The file at the place the environment names.
    static Configuration fromEnvironment();

    const std::string& path() const { return file_.path(); }

    // "COM num"; a number outside the ports 1-16 gives port 1.
    int portNumber() const;
    int yGain() const;
    int yOffset() const;
    // [Ports]: "1=/dev/ttyUSB0" lines; keys that are not a port number 1-16 are skipped.
    std::map<int, std::string> devicePaths() const;

    // Close: port, gain and offset, in this order, as "%d". Creates the folder,
    // the file and the sections when missing; false when any write failed.
    bool writeAtClose(int portNumber, int yGain, int yOffset) const;

private:
    bool prepareFolder() const;

    ProfileFile file_;
};

// $XDG_CONFIG_HOME/brivon/Brivonconfig.ini, or $HOME/.config/brivon/... when
// XDG_CONFIG_HOME is unset, empty or not an absolute path. Null arguments
// stand for unset variables.
std::string configurationPath(const char* xdgConfigHome, const char* home);

}  // namespace brivon::app
