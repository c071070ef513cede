// How long brivon-cli download logger takes for a dump the simulated meter
// sends at the line speed of 9600 baud: from the meter's receipt of the request
// to the end of the command, which includes the whole dump's arrival.

#include "integration/CliProcess.h"

#include "core/link/MeterProtocol.h"
#include "sim/DumpEncoder.h"
#include "sim/PtyMeter.h"
#include "sim/SampleStorage.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>

namespace brivon {
namespace {

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

constexpr int kRunMs = 60000;
constexpr double kBitsPerByte = 10.0;  // start bit, 8 data bits, stop bit
constexpr double kBaud = 9600.0;
// The program must keep up with the line: its share on top of the line time.
constexpr double kAllowedFactor = 1.05;
constexpr Seconds kAllowedExtra { 0.5 };
// What this test itself allows, on a machine shared with other work.
constexpr double kTestFactor = 1.25;
constexpr Seconds kTestExtra { 2.0 };

TEST(CliDownloadTiming, APacedDataLoggerDumpIsTakenAtTheLineSpeed)
{
    std::atomic<Clock::rep> requestAt { 0 };
    sim::PtyMeterOptions options;
    options.pace = true;
    options.onReceived = [&requestAt](std::span<const std::uint8_t> bytes) {
        if (requestAt == 0 && std::ranges::find(bytes, link::protocol::kLoggerDumpRequest) != bytes.end())
            requestAt = Clock::now().time_since_epoch().count();
    };
    sim::PtyMeter meter(options);
    std::size_t dumpLength = 0;
    meter.script([&dumpLength](sim::MeterSimulator& s) {
        sim::fillStorage({}, s.model().storage(), sim::computerClock());
        dumpLength = sim::encodeLoggerDump(s.model().storage().loggerSets()).size();
    });
    QTemporaryDir folder;
    const support::CliRun run = support::runCli(
        { "download", "logger", "--device", QString::fromStdString(meter.slavePath()), "-o", folder.path() },
        QProcessEnvironment::systemEnvironment(), kRunMs);
    const Clock::time_point end = Clock::now();
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_NE(requestAt.load(), 0);

    const std::size_t bytes = link::protocol::kLoggerHeaderLength + dumpLength;
    const Seconds line { bytes * kBitsPerByte / kBaud };
    const Seconds taken = end - Clock::time_point(Clock::duration(requestAt.load()));
    const Seconds allowed = kAllowedFactor * line + kAllowedExtra;
    std::cout << "[ figures  ] " << bytes << " bytes: line time " << line.count() << " s, request to end "
              << taken.count() << " s (" << taken / line << " x line time), allowed " << allowed.count()
              << " s\n";
    EXPECT_LE(taken, kTestFactor * line + kTestExtra);
}

}  // namespace
}  // namespace brivon
