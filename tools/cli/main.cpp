// brivon-cli: the program's link and files from a terminal, without a display.

#include "CliCommands.h"
#include "UsageRefusal.h"

#include "core/app/ProgramVersion.h"

#include <csignal>
#include <iostream>
#include <string_view>

namespace {

constexpr const char* kUsage
    = "usage: brivon-cli read --device PATH [--count N] [--seconds S]\n"
      "       brivon-cli export FILE [--csv] [-o OUT]\n"
      "       brivon-cli info FILE\n"
      "       brivon-cli report FILE -o OUT.pdf [--page A4|Letter]\n"
      "       brivon-cli download memory|logger --device PATH -o OUT\n"
      "       brivon-cli recover [--list | [-o FILE.AsmDat] [--journal PATH]]\n"
      "       brivon-cli survey FILE.MemDat --grid ROWSxCOLUMNS [--records FIRST-LAST]\n"
      "           [--required LUX] [--uniformity U0] [--area LENGTHxWIDTH] [--csv POINTS.csv]\n"
      "           [-o REPORT.pdf [--title TEXT] [--page A4|Letter]]\n"
      "       brivon-cli --help | --version\n";

bool asksForHelp(std::string_view argument)
{
    return argument == "--help" || argument == "-h";
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace brivon::cli;
    // Past a file-size limit a write fails and is reported instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2) {
        std::cerr << kUsage;
        return kExitUsage;
    }
    const std::string command = argv[1];
    // Help is an answer, not an error.
    if (asksForHelp(command)) {
        std::cout << kUsage;
        return kExitOk;
    }
    if (command == "--version") {
        std::cout << brivon::app::kVersionText << '\n';
        return kExitOk;
    }
    const Arguments args(argv + 2, argv + argc);
    if (command == "read") return runRead(argc, argv, args);
    if (command == "export") return runExport(args);
    if (command == "info") return runInfo(args);
    if (command == "report") return runReport(argc, argv, args);
    if (command == "download") return runDownload(argc, argv, args);
    if (command == "recover") return runRecover(args);
    if (command == "survey") return runSurvey(argc, argv, args);
    return refuseCommandLine(
        {}, isOption(command) ? unknownOptionText(command) : "unknown command \"" + command + "\"", kUsage);
}
