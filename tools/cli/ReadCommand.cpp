// brivon-cli read: polls the meter through the program's own link and prints
// one CSV line per accepted measurement frame.

#include "CliCommands.h"
#include "DeviceCheck.h"
#include "MeasurementCsv.h"
#include "ReadOptions.h"

#include "core/link/MainTimers.h"
#include "core/link/MeterLink.h"
#include "ui/link/CMSComm.h"
#include "ui/link/QtTimers.h"

#include <QCoreApplication>
#include <QTimer>

#include <iostream>

namespace brivon::cli {

namespace {

constexpr int kCliPort = 1;

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
        anyReading_ = true;
        std::cout << measurementCsvLine(clock_.toLocal(update.now), update.frame.reading) << '\n'
                  << std::flush;
        if (remaining_ > 0 && --remaining_ == 0) QCoreApplication::quit();
    }

    bool anyReading() const { return anyReading_; }

private:
    const platform::Clock& clock_;
    long remaining_;
    bool anyReading_ = false;
};

}  // namespace

int runRead(int argc, char** argv, const Arguments& args)
{
    const ParsedReadOptions parsed = parseReadOptions(args);
    const std::optional<ReadOptions>& options = parsed.options;
    if (!parsed.badNumber.empty()) {
        // A value refused, as a device or a file would be: exit 2.
        std::cerr << "brivon-cli read: " << parsed.badNumber << '\n' << kReadUsage;
        return kExitFailure;
    }
    if (!options) {
        std::cerr << kReadUsage;
        return kExitUsage;
    }
    if (const auto reason = notSerialDeviceReason(options->device)) {
        std::cerr << *reason << '\n';
        return kExitFailure;
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
    // The first tick without a reading restarts the link; the user hears of it once.
    bool toldStillTrying = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        link.watchdogTick();
        if (sink.anyReading() || toldStillTrying) return;
        std::cerr << noAnswerText(options->device) << " yet; still trying\n" << std::flush;
        toldStillTrying = true;
    });

    // A port that cannot be opened now (missing, no terminal, no permission) is not retried.
    link.create(kCliPort);
    if (!link.serialLink().lastError().empty()) {
        std::cerr << link.serialLink().lastError() << '\n';
        return kExitFailure;
    }
    std::cout << kMeasurementCsvHeader << '\n' << std::flush;
    watchdog.start(link::SerialLink::kWatchdogPeriodMs);
    if (options->seconds > 0)
        QTimer::singleShot(static_cast<int>(options->seconds * 1000), &app, &QCoreApplication::quit);
    if (app.exec() != 0) return kExitFailure;
    if (!sink.anyReading()) {
        std::cerr << noAnswerText(options->device) << '\n';
        return kExitNoAnswer;
    }
    return kExitOk;
}

}  // namespace brivon::cli
