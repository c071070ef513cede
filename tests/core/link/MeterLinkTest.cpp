#include "core/link/MeterLink.h"

#include "core/link/FrameLocator.h"
#include "core/link/MainTimers.h"
#include "sim/MeasurementFrame.h"
#include "support/FakeSerialPort.h"
#include "support/FakeTimers.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::hex;

// A lux frame on the 4k range whose graph and display counts are both `count`.
platform::Bytes luxFrame(int count)
{
    sim::FrameContent content;
    content.graphCount = content.displayCount = count;
    content.rangeIndex = 2;
    return sim::frameBytes(content);
}

struct RecordingSink : link::ReceiveSink {
    void measurementReceived(const link::MeasurementUpdate& update) override
    {
        readings.push_back(update.frame.reading);
        lastMaximum = update.statistics.maximum;
    }
    void memoryDumpReceived(const platform::Bytes& block) override { memoryBlocks.push_back(block); }
    void loggerBlockReceived(const platform::Bytes& block) override { loggerBlocks.push_back(block); }
    void eventFinished() override { ++finished; }

    int finished = 0;
    std::vector<link::Reading> readings;
    std::string lastMaximum;
    std::vector<platform::Bytes> memoryBlocks;
    std::vector<platform::Bytes> loggerBlocks;
};

class MeterLinkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        link.create(1);
        port.clearLog();
    }

    support::FakeSerialPort port;
    support::FakeTimers timers;
    support::FixedClock clock;
    RecordingSink sink;
    link::MeterLink link { port, timers, clock, sink };
};

TEST_F(MeterLinkTest, FrameIsDecodedAndTheNextPollPaced)
{
    port.deliver(luxFrame(1234));
    ASSERT_EQ(sink.readings.size(), 1u);
    EXPECT_EQ(sink.readings[0].readingText, "1234");
    EXPECT_EQ(sink.lastMaximum, "1.23  KLux");
    EXPECT_FALSE(link.serialLink().isMenuPortEnabled(1));
    EXPECT_TRUE(timers.isActive(link::main_timers::kPoll));
    EXPECT_EQ(sink.finished, 1);
}

TEST_F(MeterLinkTest, FrameArrivingInPiecesIsDecodedOnce)
{
    const platform::Bytes frame = luxFrame(77);
    port.deliver(platform::Bytes(frame.begin(), frame.begin() + 7));
    EXPECT_EQ(sink.finished, 0);
    port.deliver(platform::Bytes(frame.begin() + 7, frame.end()));
    ASSERT_EQ(sink.readings.size(), 1u);
    EXPECT_EQ(sink.readings[0].readingText, "77");
    EXPECT_EQ(sink.finished, 1);
}

TEST_F(MeterLinkTest, ShortBlockIsIgnoredButStillPacesThePoll)
{
    port.setRThreshold(1);
    port.deliver({ 0xAA, 0xDD, 0x01 });
    EXPECT_TRUE(sink.readings.empty());
    EXPECT_TRUE(timers.isActive(link::main_timers::kPoll));
}

TEST_F(MeterLinkTest, NoPollAfterABlockOfOnlyZeroAndFF)
{
    platform::Bytes noise(19, 0x00);
    noise[3] = 0xFF;
    port.deliver(noise);
    EXPECT_FALSE(timers.isActive(link::main_timers::kPoll));
    EXPECT_EQ(sink.finished, 1);
}

TEST_F(MeterLinkTest, ForeignBlockIsNotDecodedButPacesThePoll)
{
    platform::Bytes block(19, 0x00);
    block[18] = 0x42;
    port.deliver(block);
    EXPECT_TRUE(sink.readings.empty());
    EXPECT_TRUE(timers.isActive(link::main_timers::kPoll));
}

TEST_F(MeterLinkTest, ErrorEventOnlyDiscardsInput)
{
    port.raiseErrorEvent();
    EXPECT_EQ(port.operations().back(), "discard-in");
    EXPECT_EQ(sink.finished, 0);
}

TEST_F(MeterLinkTest, DumpsGoToTheSinkOnlyInTheirMode)
{
    platform::Bytes memory(link::protocol::kMemoryDumpLength, 0x00);
    memory[0] = 0xBB;
    memory[1] = 0x88;
    port.setRThreshold(link::protocol::kMemoryDumpLength);
    port.deliver(memory);
    EXPECT_TRUE(sink.memoryBlocks.empty());

    link.serialLink().expectMemoryDump();
    port.deliver(memory);
    EXPECT_EQ(sink.memoryBlocks.size(), 1u);
    EXPECT_TRUE(sink.loggerBlocks.empty());

    link.serialLink().expectLoggerDump();
    port.setRThreshold(link::protocol::kLoggerHeaderLength);
    port.deliver({ 0xAA, 0xCC, 0x00, 0x10, 0x00 });
    EXPECT_EQ(sink.loggerBlocks.size(), 1u);
    EXPECT_TRUE(sink.readings.empty());
}

TEST_F(MeterLinkTest, OfflineRearmsTheBatteryWatch)
{
    sim::FrameContent low;
    low.rangeIndex = 2;
    low.lowBattery = true;
    port.deliver(sim::frameBytes(low));
    port.deliver(luxFrame(10));
    EXPECT_TRUE(link.lowBattery());

    bool offline = false;
    link.setOfflineHandler([&] { offline = true; });
    link.watchdogTick();  // the probe is clear after the frames
    port.missingPorts = { 1 };
    link.watchdogTick();
    EXPECT_TRUE(offline);
    EXPECT_TRUE(link.offline());
    port.missingPorts.clear();
    link.serialLink().restartLink();
    port.deliver(luxFrame(10));
    EXPECT_FALSE(link.lowBattery());
    EXPECT_FALSE(link.offline());
}

TEST_F(MeterLinkTest, AReplugShowsTheNewValueAtOnce)
{
    port.deliver(luxFrame(1000));
    link.watchdogTick();
    port.missingPorts = { 1 };
    link.watchdogTick();  // unplugged: off-line
    port.missingPorts.clear();
    link.serialLink().restartLink();
    sim::FrameContent otherRange;
    otherRange.graphCount = otherRange.displayCount = 500;
    otherRange.rangeIndex = 1;
    port.deliver(sim::frameBytes(otherRange));
    ASSERT_EQ(sink.readings.size(), 2u);
    EXPECT_EQ(sink.readings.back().graphValue, 50.0f) << "not held at the value from before the unplug";
}

// Where the frame to decode lies: a marked block is its own frame, stray bytes before one are skipped.
struct BlockCase {
    const char* name;
    platform::Bytes block;
    std::optional<std::size_t> frameStart;
};

platform::Bytes joined(std::initializer_list<platform::Bytes> parts)
{
    platform::Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

platform::Bytes withByte(platform::Bytes frame, std::size_t offset, std::uint8_t value)
{
    frame[offset] = value;
    return frame;
}

class NoisyBlock : public ::testing::TestWithParam<BlockCase> { };

TEST_P(NoisyBlock, FindsTheFrameToDecode)
{
    EXPECT_EQ(link::locateMeasurementFrame(GetParam().block), GetParam().frameStart);
}

const platform::Bytes kFrame = luxFrame(1234);
const platform::Bytes kBrokenFrame = joined({ { kFrame.begin(), kFrame.begin() + 5 }, { 0x01, 0x02, 0x03 } });

INSTANTIATE_TEST_SUITE_P(Blocks, NoisyBlock,
    ::testing::Values(BlockCase { "AWholeFrame", kFrame, 0 },
        BlockCase { "StrayBytesFirst", joined({ { 0x00, 0x7E }, kFrame }), 2 },
        BlockCase {
            "StrayBytesThenABrokenFrameThenAWholeOne", joined({ { 0x00 }, kBrokenFrame, kFrame }), 9 },
        BlockCase {
            "StrayBytesThenAFrameNotBcd", joined({ { 0x00 }, withByte(kFrame, 7, 0x3A) }), std::nullopt },
        BlockCase {
            "StrayBytesThenACountAbove99", joined({ { 0x00 }, withByte(kFrame, 11, 100) }), std::nullopt },
        BlockCase { "AMarkedBlockBeforeAWholeFrame", joined({ kBrokenFrame, kFrame }), 0 },
        BlockCase { "TwoFrames", joined({ kFrame, luxFrame(7) }), 0 },
        BlockCase { "TrailingBytes", joined({ kFrame, { 0xAA, 0xDD, 0x01 } }), 0 },
        BlockCase { "ClockNotBcd", withByte(kFrame, 7, 0x3A), 0 },
        BlockCase { "CountByteAbove99", withByte(kFrame, 11, 100), 0 },
        BlockCase { "ShortFrame", { kFrame.begin(), kFrame.end() - 1 }, std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

// A frame whose digits are not decimal is shown as the meter sends it, by the BCD rule.
struct OddFrameCase {
    const char* name;
    std::size_t offset;
    std::uint8_t value;
    sim::ClockDisplay clockDisplay;
    const char* clockText;
    float graphValue;
};

class OddFrame : public MeterLinkTest, public ::testing::WithParamInterface<OddFrameCase> { };

TEST_P(OddFrame, IsDecodedAsItComes)
{
    const OddFrameCase& c = GetParam();
    sim::FrameContent content;
    content.clock = { 2010, 12, 7, 14, 5, 9 };  // a Tuesday
    content.samplingInterval = 2;
    content.graphCount = content.displayCount = 1234;
    content.rangeIndex = 2;
    content.clockDisplay = c.clockDisplay;
    port.deliver(withByte(sim::frameBytes(content), c.offset, c.value));
    ASSERT_EQ(sink.readings.size(), 1u);
    EXPECT_EQ(sink.readings[0].clockText, c.clockText);
    EXPECT_EQ(sink.readings[0].graphValue, c.graphValue);
}

using Clock = sim::ClockDisplay;
INSTANTIATE_TEST_SUITE_P(Frames, OddFrame,
    ::testing::Values(OddFrameCase { "Second1A", 9, 0x1A, Clock::Time, "14:05:20", 1234.0f },
        OddFrameCase { "HourFF", 7, 0xFF, Clock::Time, "165:05:09", 1234.0f },
        OddFrameCase { "Day3A", 6, 0x3A, Clock::Day, "2 12 40", 1234.0f },
        OddFrameCase { "Interval0B", 18, 0x0B, Clock::Sampling, "11", 1234.0f },
        OddFrameCase { "YearA0", 3, 0xA0, Clock::Year, "2100", 1234.0f },
        OddFrameCase { "GraphUnitsFF", 11, 0xFF, Clock::Time, "14:05:09", 1455.0f }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MeterCommands, BytesOfEveryCommand)
{
    support::FakeSerialPort port;
    link::SerialLink link(port);
    link::MeterCommands commands(link);
    link.create(1);
    port.clearLog();

    commands.powerOff();
    EXPECT_EQ(hex(port.writtenBytes()), "55 AA 03 55 AA 03 55 AA 03");
    port.clearLog();

    commands.sendExit();
    EXPECT_EQ(hex(port.writtenBytes()), "87 83 15");
    port.clearLog();

    commands.closeForKey();
    EXPECT_FALSE(port.portOpen());
    commands.sendKey(link::protocol::Key::HoldClick);
    EXPECT_EQ(hex(port.writtenBytes()), "87 83 EF");
    port.clearLog();

    ASSERT_TRUE(commands.requestDump(link::DumpKind::Memory));
    EXPECT_EQ(port.rThreshold(), link::protocol::kMemoryDumpLength);
    EXPECT_EQ(hex(port.writtenBytes()), "12");
    ASSERT_TRUE(commands.requestDump(link::DumpKind::DataLogger));
    EXPECT_EQ(port.rThreshold(), link::protocol::kLoggerHeaderLength);
    EXPECT_EQ(hex(port.writtenBytes()), "12 13");

    port.missingPorts = { 1 };
    EXPECT_FALSE(commands.requestDump(link::DumpKind::Memory));
}

}  // namespace
}  // namespace brivon
