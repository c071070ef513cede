#include "core/app/CommandLine.h"

#include "core/link/PortMap.h"

namespace brivon::app {

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
