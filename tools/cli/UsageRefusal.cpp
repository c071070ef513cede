#include "UsageRefusal.h"

#include "CliCommands.h"

#include <iostream>

namespace brivon::cli {

std::string unknownOptionText(std::string_view option)
{
    return "unknown option \"" + std::string(option) + "\"";
}

int refuseCommandLine(std::string_view command, const std::string& problem, std::string_view usage)
{
    if (!problem.empty()) {
        std::cerr << "brivon-cli";
        if (!command.empty()) std::cerr << ' ' << command;
        std::cerr << ": " << problem << '\n';
    }
    std::cerr << usage;
    return kExitUsage;
}

}  // namespace brivon::cli
