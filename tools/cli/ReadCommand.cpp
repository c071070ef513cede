// brivon-cli read: polls the meter through the program's own link and prints
// one CSV line per accepted measurement frame.

#include "CliCommands.h"
#include "MeasurementCsv.h"

#include "core/link/MainTimers.h"
#include "core/link/MeterLink.h"
#include "ui/link/CMSComm.h"
#include "ui/link/QtTimers.h"

#include <QCoreApplication>
#include <QTimer>

#include <iostream>
#include <optional>

namespace brivon::cli {

namespace {

constexpr int kCliPort = 1;
constexpr const char* kReadUsage = "usage: brivon-cli read --device PATH [--count N] [--seconds S]\n";

struct ReadOptions {
    std::string device;
    long count = 0;  // 0 = no limit
    double seconds = 0;  // 0 = no limit
};

std::optional<ReadOptions> parseReadOptions(const Arguments& args)
{
    ReadOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& value = args[++i];
        try {
            if (name == "--device")
                options.device = value;
            else if (name == "--count")
                options.count = std::stol(value);
            else if (name == "--seconds")
                options.seconds = std::stod(value);
            else
                return std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (options.device.empty() || options.count < 0 || options.seconds < 0) return std::nullopt;
    return options;
}

// Prints every accepted frame and stops the event loop after the requested count.
class CsvSink : public link::ReceiveSink {
public:
    CsvSink(const platform::Clock& clock, long count)
        : clock_(clock)
        , remaining_(count)
    {
    }

    void measurementReceived(const link::MeasurementUpdate& update) override
    {
        std::cout << measurementCsvLine(clock_.toLocal(update.now), update.frame.reading) << '\n'
                  << std::flush;
        if (remaining_ > 0 && --remaining_ == 0) QCoreApplication::quit();
    }

private:
    const platform::Clock& clock_;
    long remaining_;
};

}  // namespace

int runRead(int argc, char** argv, const Arguments& args)
{
    const auto options = parseReadOptions(args);
    if (!options) {
        std::cerr << kReadUsage;
        return kExitUsage;
    }
    QCoreApplication app(argc, argv);
    link::PortMap portMap;
    portMap.setPath(kCliPort, options->device);
    ui::CMSComm port(portMap);
    ui::QtTimers mainTimers;
    QTimer watchdog;
    platform::SystemClock clock;
    CsvSink sink(clock, options->count);
    link::MeterLink link(port, mainTimers, clock, sink);

    mainTimers.setHandler([&](int id) {
        if (id != link::main_timers::kPoll) return;
        mainTimers.stop(id);
        link.pollTimerExpired();
    });
    QObject::connect(&watchdog, &QTimer::timeout, [&] { link.watchdogTick(); });

    link.create(kCliPort);
    if (link.link().lastError() == platform::kInvalidPortNumber) {
        std::cerr << platform::kInvalidPortNumber << '\n';
        return kExitFailure;
    }
    if (!link.link().lastError().empty()) std::cerr << link.link().lastError() << '\n';
    std::cout << kMeasurementCsvHeader << '\n' << std::flush;
    watchdog.start(link::SerialLink::kWatchdogPeriodMs);
    if (options->seconds > 0)
        QTimer::singleShot(static_cast<int>(options->seconds * 1000), &app, &QCoreApplication::quit);
    return app.exec() == 0 ? kExitOk : kExitFailure;
}

}  // namespace brivon::cli
