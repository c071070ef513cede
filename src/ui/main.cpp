// brivon: the meter's companion program.

#include "core/app/CommandLine.h"
#include "sim/PtyMeter.h"
#include "sim/SimOptions.h"
#include "ui/app/CMainFrame.h"
#include "ui/app/StopSignals.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QTimer>

#include <csignal>
#include <iostream>
#include <memory>

namespace {

constexpr int kUsageError = 1;
constexpr int kFileNotOpened = 2;
constexpr double kSimulatedLux = 520.0;
constexpr double kSimulatedSwing = 0.25;
constexpr int kSimulatedPeriodReadings = 1200;  // about a minute at the poll rate

// The simulated meter answers on a pseudo-terminal that the configured port points at; it holds
// sample memory records and data-logger sets unless its options choose others.
std::unique_ptr<brivon::sim::PtyMeter> startSimulatedMeter(const brivon::sim::SimOptions& options)
{
    brivon::sim::PtyMeterOptions ptyOptions;
    ptyOptions.linkPath = options.linkPath;
    ptyOptions.pace = options.pace;
    auto meter = std::make_unique<brivon::sim::PtyMeter>(std::move(ptyOptions));
    meter->script([&options](brivon::sim::MeterSimulator& simulator) {
        simulator.model().setPattern(
            brivon::sim::ValuePattern::wave(kSimulatedLux, kSimulatedSwing, kSimulatedPeriodReadings));
        brivon::sim::applyOptions(options, simulator);
    });
    return meter;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace brivon;
    // Past a file-size limit a write fails and is reported instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    const app::ParsedCommandLine parsed
        = app::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty() || parsed.line.help) {
        if (!parsed.error.empty()) std::cerr << "brivon: " << parsed.error << '\n';
        std::cerr << app::kCommandLineUsage;
        return parsed.line.help && parsed.error.empty() ? 0 : kUsageError;
    }

    sim::ParsedOptions simulator = sim::parseOptionText(parsed.line.simulatorOptions);
    if (simulator.error.empty() && (simulator.options.help || !simulator.options.logPath.empty()))
        simulator.error = "--help and --log belong to brivon-meter-sim alone";
    if (!simulator.error.empty()) {
        std::cerr << "brivon: --simulate-with: " << simulator.error << '\n' << sim::usageText();
        return kUsageError;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName("Brivon");
    QApplication::setWindowIcon(QIcon(":/icons/brivon.svg"));

    app::Configuration configuration = app::Configuration::fromEnvironment();
    link::PortMap portMap;
    for (const auto& [number, path] : configuration.devicePaths())
        portMap.setPath(number, path);
    for (const auto& [number, path] : parsed.line.ports)
        portMap.setPath(number, path);
    std::unique_ptr<sim::PtyMeter> simulatedMeter;
    if (parsed.line.simulate) {
        simulatedMeter = startSimulatedMeter(simulator.options);
        portMap.setPath(configuration.portNumber(), simulatedMeter->slavePath());
    }

    ui::CMainFrame frame(portMap, std::move(configuration));
    ui::StopSignals stopSignals;
    QObject::connect(&stopSignals, &ui::StopSignals::stopRequested, &frame, &ui::CMainFrame::closeUnattended);
    // Without a window manager (a bare X server) maximising is not honoured: fill the screen anyway.
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    // An unattended run starts at once; runs a crash left unsaved then wait
    // for an attended start (or brivon-cli recover).
    if (parsed.line.runSeconds) {
        frame.logic().runAtLaunch(*parsed.line.runSeconds);
    } else {
        QTimer::singleShot(0, &frame, [&frame] { frame.logic().offerUnsavedRuns(); });
    }
    // A file named on the command line is shown in its window once the main
    // window is up; one that cannot be opened ends the program after its message.
    if (!parsed.line.fileToOpen.empty())
        QTimer::singleShot(0, &frame, [&frame, &parsed] {
            if (!frame.showDataFile(parsed.line.fileToOpen)) QCoreApplication::exit(kFileNotOpened);
        });
    return QApplication::exec();
}
