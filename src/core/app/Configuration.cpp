#include "core/app/Configuration.h"

#include "core/graph/YAxisSetting.h"
#include "core/link/SerialLink.h"
#include "core/store/MemoryBlock.h"
#include "core/util/Printf.h"

#include <algorithm>
#include <array>
#include <charconv>
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

constexpr std::size_t kMaxPortDigits = 2;
constexpr const char* kDigits = "0123456789";
constexpr const char* kUnreadableText = "The settings in %s cannot be read, so they will not be saved: %s";
constexpr const char* kUnwritableText = "The settings could not be saved: %s";

// A value the dialog offers, or the default.
template <std::size_t N> int offered(int value, const std::array<graph::AxisChoice, N>& choices, int fallback)
{
    const bool known = std::any_of(
        choices.begin(), choices.end(), [value](const graph::AxisChoice& c) { return c.value == value; });
    return known ? value : fallback;
}

// A [Ports] key as a port number: decimal digits, leading zeros allowed.
std::optional<int> portKey(const std::string& key)
{
    if (key.empty() || key.find_first_not_of(kDigits) != std::string::npos) return std::nullopt;
    const auto first = std::min(key.find_first_not_of('0'), key.size());
    const std::string digits = key.substr(first);
    if (digits.size() > kMaxPortDigits) return std::nullopt;
    return digits.empty() ? 0 : std::stoi(digits);
}

// A [Survey] value as a number, all of it; nothing for anything else.
std::optional<double> wholeNumber(const std::optional<std::string>& value)
{
    if (!value || value->empty()) return std::nullopt;
    double number = 0;
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    if (error != std::errc() || stop != end) return std::nullopt;
    return number;
}

// The requirement part as written: all its digits, none as empty.
std::string requirementText(const std::optional<double>& part)
{
    return part ? util::printfString("%.15g", *part) : std::string();
}

bool isGridSide(int n)
{
    return n >= 1 && n <= store::MemoryBlock::kCapacity;
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

std::optional<std::string> Configuration::readProblem() const
{
    const auto problem = file_.readProblem();
    if (!problem) return std::nullopt;
    return util::printfString(kUnreadableText, kFileName, problem->c_str());
}

int Configuration::yGain() const
{
    return offered(file_.readInt(kGainSection, kGainKey, kDefaultGain), graph::kGainChoices, kDefaultGain);
}

int Configuration::yOffset() const
{
    return offered(
        file_.readInt(kOffsetSection, kOffsetKey, kDefaultOffset), graph::kOffsetChoices, kDefaultOffset);
}

std::map<int, std::string> Configuration::devicePaths() const
{
    std::map<int, std::string> paths;
    for (const auto& [key, value] : file_.readSection(kDevicePathSection)) {
        const auto port = portKey(key);
        if (port && isPortNumber(*port) && !value.empty()) paths.insert_or_assign(*port, value);
    }
    return paths;
}

std::optional<std::string> Configuration::prepareFolder() const
{
    std::error_code error;
    const auto folder = std::filesystem::path(file_.path()).parent_path();
    if (folder.empty()) return std::nullopt;
    std::filesystem::create_directories(folder, error);
    if (!error) return std::nullopt;
    return folder.string() + ": " + error.message();
}

std::optional<std::string> Configuration::writeAtClose(int portNumber, int yGain, int yOffset) const
{
    auto problem = prepareFolder();
    if (!problem) {
        const std::array<ProfileEntry, 3> entries { { { kPortSection, kPortKey, number(portNumber) },
            { kGainSection, kGainKey, number(yGain) }, { kOffsetSection, kOffsetKey, number(yOffset) } } };
        problem = file_.writeEntries(entries);
    }
    if (!problem) return std::nullopt;
    return util::printfString(kUnwritableText, problem->c_str());
}

std::optional<survey::GridSize> Configuration::surveyGrid() const
{
    const survey::GridSize grid { file_.readInt(kSurveySection, kSurveyRowsKey, 0),
        file_.readInt(kSurveySection, kSurveyColumnsKey, 0) };
    if (!isGridSide(grid.rows) || !isGridSide(grid.columns)) return std::nullopt;
    return grid;
}

survey::Requirement Configuration::surveyRequirement() const
{
    survey::Requirement average { wholeNumber(file_.readString(kSurveySection, kSurveyAverageKey)), {} };
    survey::Requirement uniformity { {},
        wholeNumber(file_.readString(kSurveySection, kSurveyUniformityKey)) };
    return { survey::requirementProblem(average) ? std::nullopt : average.average,
        survey::requirementProblem(uniformity) ? std::nullopt : uniformity.uniformity };
}

std::optional<std::string> Configuration::writeSurvey(
    survey::GridSize grid, const survey::Requirement& requirement) const
{
    auto problem = prepareFolder();
    if (!problem) {
        const std::array<ProfileEntry, 4> entries { { { kSurveySection, kSurveyRowsKey, number(grid.rows) },
            { kSurveySection, kSurveyColumnsKey, number(grid.columns) },
            { kSurveySection, kSurveyAverageKey, requirementText(requirement.average) },
            { kSurveySection, kSurveyUniformityKey, requirementText(requirement.uniformity) } } };
        problem = file_.writeEntries(entries);
    }
    if (!problem) return std::nullopt;
    return util::printfString(kUnwritableText, problem->c_str());
}

std::optional<std::string> Configuration::lastFolder(const std::string& kind) const
{
    std::optional<std::string> folder = file_.readString(kFolderSection, kind);
    std::error_code error;
    if (!folder || folder->empty() || !std::filesystem::is_directory(*folder, error)) return std::nullopt;
    return folder;
}

std::optional<std::string> Configuration::writeDevicePath(int portNumber, const std::string& path) const
{
    auto problem = prepareFolder();
    if (!problem) {
        const std::array<ProfileEntry, 1> entries { { { kDevicePathSection, number(portNumber), path } } };
        problem = file_.writeEntries(entries);
    }
    if (!problem) return std::nullopt;
    return util::printfString(kUnwritableText, problem->c_str());
}

std::optional<std::string> Configuration::keepFolder(const std::string& kind, const std::string& folder) const
{
    if (auto problem = prepareFolder()) return problem;
    const std::array<ProfileEntry, 1> entries { { { kFolderSection, kind, folder } } };
    return file_.writeEntries(entries);
}

}  // namespace brivon::app
