#pragma once
// The program's command line:
// brivon [--simulate | --simulate-with OPTIONS] [--port N=PATH]... [--run SECONDS] [FILE]

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brivon::app {

struct CommandLine {
    bool simulate = false;  // the simulated meter on a pseudo-terminal
    std::string simulatorOptions;  // brivon-meter-sim's options that set the simulated meter up
    std::vector<std::pair<int, std::string>> ports;  // port number -> device path
    std::string fileToOpen;  // a graph or memory list file to open at start
    std::optional<int> runSeconds;  // a run with this sample period starts at launch
    bool help = false;
};

inline constexpr const char* kCommandLineUsage
    = "usage: brivon [--simulate | --simulate-with OPTIONS] [--port N=PATH]... [--run SECONDS] "
      "[FILE.AsmDat | FILE.MemDat]\n"
      "  --simulate     talk to a simulated meter instead of a serial port\n"
      "  --simulate-with OPTIONS  the same, set up by brivon-meter-sim's OPTIONS\n"
      "                 (for example \"--empty-memory --logger-sets 600@2\")\n"
      "  --port N=PATH  use device PATH for port number N (1-16); may be repeated\n"
      "  --run SECONDS  start a run at once, one sample every SECONDS (a whole number, at least 1)\n";

// The parsed line, or the reason it could not be parsed.
struct ParsedCommandLine {
    CommandLine line;
    std::string error;
};

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace brivon::app
