#include "core/app/CommandLine.h"

#include "core/link/PortMap.h"
#include "core/realtime/GraphSetup.h"

#include <charconv>

namespace brivon::app {
namespace {

// A whole number of seconds from 1 up to the longest period, nothing else.
std::optional<int> runSeconds(const std::string& text)
{
    int seconds = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (seconds < 1 || seconds > realtime::kMaxSampleRateSeconds) return std::nullopt;
    return seconds;
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments)
{
    ParsedCommandLine parsed;
    CommandLine& line = parsed.line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--simulate") {
            line.simulate = true;
        } else if (argument == "--simulate-with") {
            if (i + 1 >= arguments.size()) {
                parsed.error = "--simulate-with needs the simulated meter's options";
                return parsed;
            }
            line.simulate = true;
            line.simulatorOptions = arguments[++i];
        } else if (argument == "--help" || argument == "-h") {
            line.help = true;
        } else if (argument == "--port") {
            const auto assignment
                = i + 1 < arguments.size() ? link::parsePortAssignment(arguments[++i]) : std::nullopt;
            if (!assignment) {
                parsed.error = "--port needs N=PATH with N from 1 to 16";
                return parsed;
            }
            line.ports.push_back(*assignment);
        } else if (argument == "--run") {
            const auto seconds = i + 1 < arguments.size() ? runSeconds(arguments[++i]) : std::nullopt;
            if (!seconds || line.runSeconds) {
                parsed.error = "--run needs SECONDS, a whole number from 1 to "
                    + std::to_string(realtime::kMaxSampleRateSeconds) + ", once";
                return parsed;
            }
            line.runSeconds = seconds;
        } else if (argument.starts_with("-")) {
            parsed.error = "unknown option " + argument;
            return parsed;
        } else if (line.fileToOpen.empty()) {
            line.fileToOpen = argument;
        } else {
            parsed.error = "only one file can be opened";
            return parsed;
        }
    }
    return parsed;
}

}  // namespace brivon::app
