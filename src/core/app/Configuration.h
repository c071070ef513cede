#pragma once
// The program's settings file "Brivonconfig.ini": the serial port, the real-time
// graph's Y gain and Y offset, and the device path of each port number. It
// lives in $XDG_CONFIG_HOME/brivon/ (~/.config/brivon/ when that is not set).
// A missing or unreadable file gives the defaults; the port is read at start,
// gain and offset when the view is created, and all three are written at close
// (never over a file that could not be read).

#include "core/app/ProfileFile.h"
#include "core/survey/SurveyGrid.h"
#include "core/survey/SurveyRequirement.h"

#include <map>
#include <optional>
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

    // What the user is told when the file exists but cannot be read.
    std::optional<std::string> readProblem() const;

    // "COM num"; a number outside the ports 1-16 gives port 1.
    int portNumber() const;
    // Gain and offset as the Y axis dialog offers them; any other value gives the default.
    int yGain() const;
    int yOffset() const;
    // [Ports]: "1=/dev/ttyUSB0" lines; keys that are not a port number 1-16 are
    // skipped. "03" and "3" name the same port; a later line wins.
    std::map<int, std::string> devicePaths() const;
    // Points port `portNumber` at `path` in [Ports]; nothing on success, else what to tell the user.
    std::optional<std::string> writeDevicePath(int portNumber, const std::string& path) const;

    // Close: port, gain and offset as "%d", in one write. Creates the folder,
    // the file and the sections when missing; nothing on success, else what
    // to tell the user.
    std::optional<std::string> writeAtClose(int portNumber, int yGain, int yOffset) const;

    // [Survey]: the grid and requirement of the last survey window.
    static constexpr const char* kSurveySection = "Survey";
    static constexpr const char* kSurveyRowsKey = "Rows";
    static constexpr const char* kSurveyColumnsKey = "Columns";
    static constexpr const char* kSurveyAverageKey = "Required average";
    static constexpr const char* kSurveyUniformityKey = "Required U0";

    // The last grid; nothing when a number is missing or not one of 1 to the memory's capacity.
    std::optional<survey::GridSize> surveyGrid() const;
    // The last requirement; a part that is missing, empty, no number or one
    // that cannot be judged against is none.
    survey::Requirement surveyRequirement() const;
    // Writes the grid and the requirement, a part not required as an empty
    // value; nothing on success, else what to tell the user.
    std::optional<std::string> writeSurvey(
        survey::GridSize grid, const survey::Requirement& requirement) const;

    // [Folders]: the folder each kind of file dialog was last used in, under
    // the kind's key.
    static constexpr const char* kFolderSection = "Folders";
    // Nothing when none was kept or the folder no longer exists.
    std::optional<std::string> lastFolder(const std::string& kind) const;
    // Nothing on success, else what went wrong.
    std::optional<std::string> keepFolder(const std::string& kind, const std::string& folder) const;

private:
    std::optional<std::string> prepareFolder() const;

    ProfileFile file_;
};

// $XDG_CONFIG_HOME/brivon/Brivonconfig.ini, or $HOME/.config/brivon/... when
// XDG_CONFIG_HOME is unset, empty or not an absolute path. Null arguments
// stand for unset variables.
std::string configurationPath(const char* xdgConfigHome, const char* home);

}  // namespace brivon::app
