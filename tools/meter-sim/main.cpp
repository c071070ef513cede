// brivon-meter-sim: the simulated meter on a pseudo-terminal, until SIGINT or SIGTERM.

#include "sim/HexText.h"
#include "sim/PtyMeter.h"
#include "sim/SimOptions.h"

#include <csignal>
#include <exception>
#include <fstream>
#include <iostream>

using namespace brivon::sim;

namespace {

constexpr int kUsageError = 2;

}  // namespace

int main(int argc, char** argv)
{
    const ParsedOptions parsed = parseOptions({ argv + 1, argv + argc });
    if (!parsed.error.empty()) {
        std::cerr << "brivon-meter-sim: " << parsed.error << "\n" << usageText();
        return kUsageError;
    }
    const SimOptions& options = parsed.options;
    if (options.help) {
        std::cout << usageText();
        return 0;
    }

    // Block the stop signals before the meter's thread starts, so that only sigwait sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        std::ofstream log;
        if (!options.logPath.empty()) {
            log.open(options.logPath);
            if (!log) {
                std::cerr << "brivon-meter-sim: cannot write " << options.logPath << "\n";
                return 1;
            }
        }
        PtyMeterOptions ptyOptions;
        ptyOptions.linkPath = options.linkPath;
        ptyOptions.pace = options.pace;
        if (log.is_open()) {
            ptyOptions.onReceived
                = [&log](std::span<const std::uint8_t> bytes) { log << hexText(bytes) << std::endl; };
        }
        PtyMeter meter(std::move(ptyOptions));
        meter.script([&options](MeterSimulator& simulator) { applyOptions(options, simulator); });
        std::cout << meter.slavePath() << std::endl;

        int signal = 0;
        sigwait(&stopSignals, &signal);
    } catch (const std::exception& error) {
        std::cerr << "brivon-meter-sim: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
