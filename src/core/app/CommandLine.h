#pragma once
// The program's command line: brivon [--simulate | --simulate-with OPTIONS] [--port N=PATH]... [FILE]

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brivon::app {

struct CommandLine {
    bool simulate = false;  // the simulated meter on a pseudo-terminal
    std::string simulatorOptions;  // brivon-meter-sim's options that set the simulated meter up
    std::vector<std::pair<int, std::string>> ports;  // port number -> device path
    std::string fileToOpen;  // a graph file to open at start
    bool help = false;
};

inline constexpr const char* kCommandLineUsage
    = "usage: brivon [--simulate | --simulate-with OPTIONS] [--port N=PATH]... [FILE.AsmDat]\n"
      "  --simulate     talk to a simulated meter instead of a serial port\n"
      "  --simulate-with OPTIONS  the same, set up by brivon-meter-sim's OPTIONS\n"
      "                 (for example \"--empty-memory --logger-sets 600@2\")\n"
      "  --port N=PATH  use device PATH for port number N (1-16); may be repeated\n";

// The parsed line, or the reason it could not be parsed.
struct ParsedCommandLine {
    CommandLine line;
    std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace brivon::app
