#include "sim/CommandParser.h"

#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace brivon::sim {
namespace {

using Kind = Command::Kind;

const std::vector<std::uint8_t> kStream { 0x11, 0x87, 0x83, 0xEF, 0x12, 0x55, 0xAA, 0x03, 0x13, 0x87, 0x83,
    0x15 };
const std::vector<Command> kStreamCommands { { Kind::Poll, 0 }, { Kind::Key, 0xEF },
    { Kind::MemoryRequest, 0 }, { Kind::PowerOff, 0 }, { Kind::LoggerRequest, 0 }, { Kind::Key, 0x15 } };

class CommandsInPieces : public ::testing::TestWithParam<std::size_t> { };

TEST_P(CommandsInPieces, GiveTheSameCommandsWhateverTheSplit)
{
    CommandParser parser;
    std::vector<Command> commands;
    for (std::size_t at = 0; at < kStream.size(); at += GetParam()) {
        const std::size_t length = std::min(GetParam(), kStream.size() - at);
        const auto piece = parser.feed(std::span(kStream).subspan(at, length));
        commands.insert(commands.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(commands, kStreamCommands);
}

INSTANTIATE_TEST_SUITE_P(PieceSizes, CommandsInPieces, ::testing::Values(1u, 2u, 3u, 5u, 7u, 12u),
    [](const auto& param) { return "PiecesOf" + std::to_string(param.param); });

struct ResyncCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::vector<Command> commands;
};

class BrokenSequences : public ::testing::TestWithParam<ResyncCase> { };

TEST_P(BrokenSequences, AreDroppedAndTheNextCommandIsStillSeen)
{
    EXPECT_EQ(CommandParser {}.feed(GetParam().bytes), GetParam().commands);
}

INSTANTIATE_TEST_SUITE_P(Sequences, BrokenSequences,
    ::testing::Values(ResyncCase { "NoiseBeforeAPoll", { 0x00, 0xFF, 0x11 }, { { Kind::Poll, 0 } } },
        ResyncCase { "KeyPrefixCutByAPoll", { 0x87, 0x11 }, { { Kind::Poll, 0 } } },
        ResyncCase { "KeyPrefixStartedTwice", { 0x87, 0x87, 0x83, 0x7F }, { { Kind::Key, 0x7F } } },
        ResyncCase { "PowerOffCutByAMemoryRequest", { 0x55, 0xAA, 0x12 }, { { Kind::MemoryRequest, 0 } } },
        ResyncCase { "PowerOffStartedTwice", { 0x55, 0x55, 0xAA, 0x03 }, { { Kind::PowerOff, 0 } } },
        // The key code itself may be any byte, even a command byte.
        ResyncCase { "KeyCodeThatIsACommandByte", { 0x87, 0x83, 0x11, 0x11 },
            { { Kind::Key, 0x11 }, { Kind::Poll, 0 } } }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MeterSimulatorInput, AnswersEveryPollOfAChunkAndKeysSplitOverChunks)
{
    MeterSimulator sim;
    EXPECT_EQ(sim.receive(std::vector<std::uint8_t> { 0x11, 0x11, 0x11 }).size(), 3u);
    EXPECT_TRUE(sim.receive(std::vector<std::uint8_t> { 0x87 }).empty());
    EXPECT_TRUE(sim.receive(std::vector<std::uint8_t> { 0x83 }).empty());
    EXPECT_TRUE(sim.receive(std::vector<std::uint8_t> { 0xEF, 0x11 }).size() == 1u);
    EXPECT_TRUE(sim.model().hold());
    EXPECT_EQ(sim.pollsAnswered(), 4);
}

}  // namespace
}  // namespace brivon::sim
