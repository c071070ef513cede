#include "sim/PtyMeter.h"

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace brivon::sim {
namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 2000ms;

// The program's side of the line: the slave opened by path, raw.
class SlaveEnd {
public:
    explicit SlaveEnd(const std::string& path)
        : fd_(open(path.c_str(), O_RDWR | O_NOCTTY))
    {
        termios raw {};
        if (fd_ >= 0 && tcgetattr(fd_, &raw) == 0) {
            cfmakeraw(&raw);
            tcsetattr(fd_, TCSANOW, &raw);
        }
    }
    ~SlaveEnd()
    {
        if (fd_ >= 0) close(fd_);
    }
    SlaveEnd(const SlaveEnd&) = delete;
    SlaveEnd& operator=(const SlaveEnd&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void send(std::vector<std::uint8_t> bytes)
    {
        ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }

    // Reads until `count` bytes have come or the time-out passes.
    std::vector<std::uint8_t> receive(std::size_t count, std::chrono::milliseconds timeout = kTimeout)
    {
        std::vector<std::uint8_t> bytes;
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (bytes.size() < count) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            pollfd p { fd_, POLLIN, 0 };
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            std::uint8_t buffer[512];
            const ssize_t n = read(fd_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int fd_;
};

constexpr std::size_t kFrameLength = link::protocol::kMeasurementFrameLength;

TEST(PtyMeter, AnswersAPollOnTheSlaveWithAFrameAndLogsWhatItReceived)
{
    PtyMeter meter;
    meter.script([](MeterSimulator& sim) {
        sim.model().setRange(1);
        sim.model().setValue(234.5);
    });
    SlaveEnd port(meter.slavePath());
    ASSERT_TRUE(port.isOpen());
    port.send({ link::protocol::kPoll });

    const std::vector<std::uint8_t> frame = port.receive(kFrameLength);
    ASSERT_EQ(frame.size(), kFrameLength);
    EXPECT_EQ(link::FrameDecoder {}.decode(frame).reading.readingText, "234.5");
    EXPECT_EQ(meter.received().bytes(), std::vector<std::uint8_t> { link::protocol::kPoll });
}

TEST(PtyMeter, KeepsServingWhenTheClientClosesAndReopensThePort)
{
    PtyMeter meter;
    for (int round = 0; round < 3; ++round) {
        SlaveEnd port(meter.slavePath());
        port.send(support::keyCommand(link::protocol::Key::HoldClick));
        port.send({ link::protocol::kPoll });
        const std::vector<std::uint8_t> frame = port.receive(kFrameLength);
        ASSERT_EQ(frame.size(), kFrameLength) << "round " << round;
        EXPECT_EQ(link::FrameDecoder {}.decode(frame).reading.hold, round % 2 == 0);
    }
    const std::vector<std::uint8_t> exitKey = support::keyCommand(link::protocol::Key::ProgramExit);
    {
        SlaveEnd port(meter.slavePath());
        port.send(exitKey);
    }
    EXPECT_TRUE(meter.received().waitForPattern(exitKey, kTimeout));
    EXPECT_EQ(meter.received().size(), 3u * 4u + 3u);
}

TEST(PtyMeter, LinksThePortAtTheGivenPathForItsLifetime)
{
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / ("brivon-sim-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::filesystem::path link = dir / "ttyMeter";
    std::filesystem::create_symlink("/nonexistent", link);  // a stale link is replaced
    {
        PtyMeterOptions options;
        options.linkPath = link.string();
        PtyMeter meter(options);
        EXPECT_EQ(std::filesystem::read_symlink(link), meter.slavePath());
        EXPECT_EQ(meter.portPath(), link.string());
        SlaveEnd port(link.string());
        port.send({ link::protocol::kPoll });
        EXPECT_EQ(port.receive(kFrameLength).size(), kFrameLength);
    }
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
    std::filesystem::remove_all(dir);
}

TEST(PtyMeter, PacesItsOutputAtTheLineSpeedAndStopsPromptlyMidTransfer)
{
    PtyMeterOptions options;
    options.pace = true;
    auto meter = std::make_unique<PtyMeter>(options);
    meter->script([](MeterSimulator& sim) {
        sim.model().storage().addLoggerSet(
            { { 2026, 1, 1, 0, 0, 0 }, 1, false, std::vector<LoggerRecord>(5000) });
    });
    SlaveEnd port(meter->slavePath());
    const auto start = std::chrono::steady_clock::now();
    port.send({ link::protocol::kPoll });
    ASSERT_EQ(port.receive(kFrameLength).size(), kFrameLength);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 17 * PtyMeter::kByteTime);

    port.send({ link::protocol::kLoggerDumpRequest });
    ASSERT_EQ(port.receive(link::protocol::kLoggerHeaderLength + 10).size(),
        link::protocol::kLoggerHeaderLength + 10u);
    const auto stopStart = std::chrono::steady_clock::now();
    meter.reset();  // about 15 s of dump still to send
    EXPECT_LT(std::chrono::steady_clock::now() - stopStart, 500ms);
}

TEST(PtyMeter, PacedSendsTheDumpStraightAfterTheHeaderWithoutAGap)
{
    PtyMeterOptions options;
    options.pace = true;
    PtyMeter meter(options);
    meter.script([](MeterSimulator& sim) {
        sim.model().storage().clearLogger();
        sim.model().storage().addLoggerSet(
            { { 2026, 1, 1, 0, 0, 0 }, 1, false, std::vector<LoggerRecord>(100) });
    });
    SlaveEnd port(meter.slavePath());
    port.send({ link::protocol::kLoggerDumpRequest });
    const std::size_t total = link::protocol::kLoggerHeaderLength + 13 + 300;
    std::size_t received = 0;
    auto longestWait = std::chrono::steady_clock::duration::zero();
    auto last = std::chrono::steady_clock::now();
    while (received < total) {
        const std::size_t got = port.receive(1).size();
        ASSERT_EQ(got, 1u) << "after " << received << " bytes";
        const auto now = std::chrono::steady_clock::now();
        if (received > 0) longestWait = std::max(longestWait, now - last);
        last = now;
        received += got;
    }
    // The unpaced meter pauses MeterSimulator::kTransferGap after the header.
    EXPECT_LT(longestWait, MeterSimulator::kTransferGap / 2);
}

TEST(PtyMeter, PowerOffSilencesItOnTheLine)
{
    PtyMeter meter;
    SlaveEnd port(meter.slavePath());
    port.send({ 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03, 0x55, 0xAA, 0x03 });
    port.send({ link::protocol::kPoll });
    ASSERT_TRUE(meter.received().waitForCount(10, kTimeout));
    EXPECT_TRUE(port.receive(1, 100ms).empty());
    meter.script([](MeterSimulator& sim) { sim.powerOn(); });
    port.send({ link::protocol::kPoll });
    EXPECT_EQ(port.receive(kFrameLength).size(), kFrameLength);
}

}  // namespace
}  // namespace brivon::sim
