#include "StoredDumps.h"
#include "TransferFixture.h"
#include "core/download/LoggerDumpParser.h"
#include "core/download/TransferEnd.h"

#include <random>

namespace brivon {
namespace {

using support::loggerDumpOfLength;

platform::Bytes withHeader(const platform::Bytes& dump)
{
    platform::Bytes bytes = sim::encodeLoggerHeader(static_cast<int>(dump.size()));
    bytes.insert(bytes.end(), dump.begin(), dump.end());
    return bytes;
}

void expectSameSets(const store::TransferBlock& actual, const store::TransferBlock& expected)
{
    EXPECT_TRUE(actual.allocated);
    EXPECT_EQ(actual.readings, expected.readings);
    EXPECT_EQ(actual.startIndexes, expected.startIndexes);
    EXPECT_EQ(actual.startTimes, expected.startTimes);
    EXPECT_EQ(actual.samplingRates, expected.samplingRates);
    EXPECT_EQ(actual.unitFlags, expected.unitFlags);
    EXPECT_EQ(actual.fullScales, expected.fullScales);
}

class LoggerTransfer : public support::TransferTest {
protected:
    store::TransferBlock parsedDirectly(const platform::Bytes& dump)
    {
        store::TransferBlock block;
        download::parseLoggerDump(dump, clock, block);
        return block;
    }
};

struct LengthCase {
    const char* name;
    int length;
    std::vector<int> thresholds;  // asked for after the header and after each block
};

class LoggerLength : public LoggerTransfer, public ::testing::WithParamInterface<LengthCase> { };

TEST_P(LoggerLength, BlocksOf8000ThenTheRemainderThenTheParse)
{
    requestLoggerDump();
    const platform::Bytes dump = loggerDumpOfLength(GetParam().length);
    EXPECT_EQ(deliverAsAsked(withHeader(dump)), GetParam().thresholds);
    EXPECT_TRUE(state().loggerComplete);
    EXPECT_TRUE(listensAgain());
    EXPECT_EQ(state().downloadTotal, GetParam().length);
    EXPECT_EQ(state().bytesReceived, GetParam().length);
    expectSameSets(doc.transferBlock(), parsedDirectly(dump));
    EXPECT_GT(doc.transferBlock().setCount(), 0);
    EXPECT_TRUE(port.writes().empty());  // the watchdog polls again, not the transfer
}

INSTANTIATE_TEST_SUITE_P(Lengths, LoggerLength,
    ::testing::Values(LengthCase { "Exactly8000ParsedOnTheFirstBlock", 8000, { 8000, 19 } },
        LengthCase { "Length8001EndsWithOneByte", 8001, { 8000, 1, 19 } },
        LengthCase { "Length20000", 20000, { 8000, 8000, 4000, 19 } },
        LengthCase { "ShortDumpInOneBlock", 100, { 100, 19 } }),
    [](const auto& param) { return std::string(param.param.name); });

struct PiecesCase {
    const char* name;
    std::function<std::function<std::size_t()>(support::FakeSerialPort&)> pieces;
};

std::function<std::size_t()> randomPieces(unsigned seed, std::size_t largest)
{
    auto generator = std::make_shared<std::mt19937>(seed);
    return
        [generator, largest] { return std::uniform_int_distribution<std::size_t>(1, largest)(*generator); };
}

class LoggerPieces : public LoggerTransfer, public ::testing::WithParamInterface<PiecesCase> { };

TEST_P(LoggerPieces, NoByteIsLostOrTakenTwiceWhateverThePieces)
{
    requestLoggerDump();
    const platform::Bytes dump = loggerDumpOfLength(20000);
    deliverInPieces(withHeader(dump), GetParam().pieces(port));
    EXPECT_TRUE(state().loggerComplete);
    EXPECT_TRUE(listensAgain());
    expectSameSets(doc.transferBlock(), parsedDirectly(dump));
}

INSTANTIATE_TEST_SUITE_P(Pieces, LoggerPieces,
    ::testing::Values(PiecesCase { "AsEachThresholdAsks",
                          [](support::FakeSerialPort& port) {
                              return [&port] { return static_cast<std::size_t>(port.rThreshold()); };
                          } },
        PiecesCase { "HeaderWithTheFirstHundredBytes",
            [](support::FakeSerialPort& port) {
                auto first = std::make_shared<bool>(true);
                return [&port, first] {
                    const bool isFirst = std::exchange(*first, false);
                    return isFirst ? std::size_t { 105 } : static_cast<std::size_t>(port.rThreshold());
                };
            } },
        PiecesCase { "AllInOneBlock",
            [](support::FakeSerialPort&) { return [] { return std::size_t { 1u << 20 }; }; } },
        PiecesCase { "RandomPiecesSeed1", [](support::FakeSerialPort&) { return randomPieces(1, 3000); } },
        PiecesCase { "RandomPiecesSeed2", [](support::FakeSerialPort&) { return randomPieces(2, 9000); } },
        PiecesCase { "RandomSmallPieces", [](support::FakeSerialPort&) { return randomPieces(3, 7); } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LoggerTransfer, BytesBeyondTheAnnouncedLengthAreIgnored)
{
    requestLoggerDump();
    const platform::Bytes dump = loggerDumpOfLength(300);
    platform::Bytes bytes = withHeader(dump);
    bytes.insert(bytes.end(), 50, 0xAA);
    port.deliver(bytes);
    EXPECT_TRUE(state().loggerComplete);
    expectSameSets(doc.transferBlock(), parsedDirectly(dump));
}

TEST_F(LoggerTransfer, TheBarCountsTheBytesReceivedAndRunsToTheAnnouncedLength)
{
    requestLoggerDump();
    const platform::Bytes bytes = withHeader(loggerDumpOfLength(20000));
    port.deliver(platform::Bytes(bytes.begin(), bytes.begin() + 5 + 8000));
    EXPECT_EQ(state().downloadTotal, 20000);
    EXPECT_EQ(state().bytesReceived, 8000);
    EXPECT_EQ(state().panelStatusText, "DownLoad");
    EXPECT_FALSE(state().loggerComplete);
    mainTimers.advance(link::main_timers::kProgressDelayMs);
    EXPECT_EQ(events.progressDialogs, 1);
}

TEST_F(LoggerTransfer, AnEmptyLoggerSaysSoAndPollsAgainAtOnce)
{
    requestLoggerDump();
    port.deliver(sim::encodeLoggerHeader(0));
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { download::TransferEnd::kNoLoggerDataMessage });
    EXPECT_TRUE(state().loggerComplete);
    EXPECT_EQ(state().downloadTotal, 0);
    EXPECT_TRUE(listensAgain());
    EXPECT_EQ(support::hex(port.writtenBytes()), "11");
    mainTimers.advance(link::main_timers::kProgressDelayMs);
    EXPECT_EQ(events.progressDialogs, 1);  // it closes at once without a window
}

TEST_F(LoggerTransfer, ADumpWithoutSetsCompletesAsAnEmptyList)
{
    requestLoggerDump();
    port.deliver(withHeader(platform::Bytes(64, 0x00)));
    EXPECT_TRUE(state().loggerComplete);
    EXPECT_TRUE(doc.transferBlock().allocated);
    EXPECT_EQ(doc.transferBlock().setCount(), 0);
}

TEST_F(LoggerTransfer, ARequestThatGetsNoHeaderListensAgainAfter15Seconds)
{
    requestLoggerDump();
    port.deliver({ 0x01, 0x02, 0x03, 0x04, 0x05 });  // noise is no header
    mainTimers.advance(link::main_timers::kLoggerHeaderWaitMs - 1);
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Logger);
    mainTimers.advance(1);
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Listening);
    EXPECT_TRUE(state().loggerComplete);
    EXPECT_EQ(support::hex(port.writtenBytes()), "11");
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(LoggerTransfer, AHeaderInTimeStopsTheHeaderWatch)
{
    requestLoggerDump();
    mainTimers.advance(link::main_timers::kLoggerHeaderWaitMs - 1);
    port.deliver(sim::encodeLoggerHeader(9000));
    mainTimers.advance(link::main_timers::kLoggerHeaderWaitMs);
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Logger);
    EXPECT_TRUE(port.writes().empty());
}

}  // namespace
}  // namespace brivon
