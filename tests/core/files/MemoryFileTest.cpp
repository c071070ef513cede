#include "core/files/MemoryFile.h"

#include "ByteBuilder.h"

#include <gtest/gtest.h>

#include <bit>
#include <memory>
#include <sstream>

namespace brivon {
namespace {

using support::ByteBuilder;

constexpr const char* kTime = "07/12/10 14:05:09";

std::unique_ptr<store::MemoryBlock> blockWithOldContents()
{
    auto block = std::make_unique<store::MemoryBlock>();
    block->recordCount = 3;
    for (auto& record : block->records)
        record = { -1.0f, "old", "Rel", 1, 1 };
    return block;
}

files::FileOutcome readBytes(const std::string& bytes, store::MemoryBlock& block)
{
    std::istringstream in(bytes);
    return files::readMemoryFile(in, block);
}

TEST(MemoryFile, EmptyBlockIsTenBytesAndReadsBackEmpty)
{
    const store::MemoryBlock empty;
    const std::string bytes = files::memoryFileBytes(empty);
    EXPECT_EQ(bytes, ByteBuilder().signature().i32(0).bytes());
    EXPECT_EQ(bytes.size(), 10u);

    auto block = blockWithOldContents();
    ASSERT_TRUE(readBytes(bytes, *block).ok());
    EXPECT_EQ(block->recordCount, 0);
}

TEST(MemoryFile, RecordLayoutIsValueUnitStatusSignTime)
{
    store::MemoryBlock block;
    block.recordCount = 1;
    block.records[0] = { 123.5f, kTime, "General", 0, 1 };
    const std::string bytes = files::memoryFileBytes(block);
    EXPECT_EQ(
        bytes, ByteBuilder().signature().i32(1).f32(123.5f).u8(1).str("General").u8(0).str(kTime).bytes());
    EXPECT_EQ(bytes.size() - 10, 32u);
}

TEST(MemoryFile, RoundTripKeepsValuesBitForBitWithTheirFlags)
{
    store::MemoryBlock written;
    written.recordCount = 4;
    written.records[0] = { 5000000.0f, kTime, "Pmax", 1, 0 };
    written.records[1] = { 5000000.0f, kTime, "Max", 0, 1 };
    written.records[2] = { -0.0f, kTime, "Min", 1, 1 };
    written.records[3] = { 0.1f, std::string(300, 't'), std::string(70000, 's'), 0, 0 };

    auto read = blockWithOldContents();
    ASSERT_TRUE(readBytes(files::memoryFileBytes(written), *read).ok());
    ASSERT_EQ(read->recordCount, 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const store::MemoryRecord& a = written.records[static_cast<std::size_t>(i)];
        const store::MemoryRecord& b = read->records[static_cast<std::size_t>(i)];
        EXPECT_EQ(std::bit_cast<std::uint32_t>(a.value), std::bit_cast<std::uint32_t>(b.value));
        EXPECT_EQ(a.footCandle, b.footCandle);
        EXPECT_EQ(a.negative, b.negative);
        EXPECT_EQ(a.status, b.status);
        EXPECT_EQ(a.time, b.time);
    }
}

struct LengthCase {
    const char* name;
    std::string encodedLength;
    std::size_t length;
};

class MemoryFileStringLength : public ::testing::TestWithParam<LengthCase> { };

TEST_P(MemoryFileStringLength, StringsAreReadByTheFullLengthRule)
{
    const std::string status(GetParam().length, 'x');
    const std::string bytes = ByteBuilder()
                                  .signature()
                                  .i32(1)
                                  .f32(1.0f)
                                  .u8(0)
                                  .raw(GetParam().encodedLength)
                                  .raw(status)
                                  .u8(0)
                                  .str(kTime)
                                  .bytes();
    auto block = blockWithOldContents();
    ASSERT_TRUE(readBytes(bytes, *block).ok());
    EXPECT_EQ(block->records[0].status, status);
    EXPECT_EQ(block->records[0].time, kTime);

    // The writer picks the same form for that length.
    store::MemoryBlock rewritten;
    rewritten.recordCount = 1;
    rewritten.records[0] = { 1.0f, kTime, status, 0, 0 };
    EXPECT_EQ(files::memoryFileBytes(rewritten), bytes);
}

INSTANTIATE_TEST_SUITE_P(Lengths, MemoryFileStringLength,
    ::testing::Values(LengthCase { "OneByte", ByteBuilder().u8(254).bytes(), 254 },
        LengthCase { "SixteenBitAt255", ByteBuilder().u8(0xFF).u16(255).bytes(), 255 },
        LengthCase { "SixteenBitAt65534", ByteBuilder().u8(0xFF).u16(0xFFFE).bytes(), 0xFFFE },
        LengthCase { "ThirtyTwoBit", ByteBuilder().u8(0xFF).u16(0xFFFF).i32(0x10005).bytes(), 0x10005 }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MemoryFile, WrongSignatureLeavesTheBlockAlone)
{
    auto block = blockWithOldContents();
    const files::FileOutcome outcome = readBytes(ByteBuilder().str("qv731").i32(0).bytes(), *block);
    EXPECT_EQ(outcome.status, files::FileStatus::InvalidFormat);
    EXPECT_EQ(outcome.message, "Invalid Format!");
    EXPECT_EQ(block->recordCount, 3);
}

TEST(MemoryFile, AFileEndingEarlyKeepsTheRecordsReadCompletely)
{
    store::MemoryBlock written;
    written.recordCount = 2;
    written.records[0] = { 1.0f, kTime, "General", 0, 0 };
    written.records[1] = { 2.0f, kTime, "Pmin", 1, 0 };
    const std::string bytes = files::memoryFileBytes(written);
    const std::size_t secondRecordAt = 10 + 32;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        auto block = blockWithOldContents();
        EXPECT_EQ(readBytes(bytes.substr(0, cut), *block).status, files::FileStatus::EndedEarly);
        if (cut < 10) {
            EXPECT_EQ(block->recordCount, 3);
            continue;
        }
        const int complete = cut < secondRecordAt ? 0 : 1;
        EXPECT_EQ(block->recordCount, complete);
        if (complete == 1) {
            EXPECT_EQ(block->records[0].time, kTime);
        }
        // A record cut short does not overwrite the entry it was read into.
        EXPECT_EQ(block->records[static_cast<std::size_t>(complete)].time, "old");
    }
}

class MemoryFileRecordCount : public ::testing::TestWithParam<std::int32_t> { };

TEST_P(MemoryFileRecordCount, CountsTheBlockCannotHoldAreRefused)
{
    ByteBuilder bytes;
    bytes.signature().i32(GetParam());
    for (int i = 0; i <= store::MemoryBlock::kCapacity; ++i)
        bytes.f32(1.0f).u8(0).str("General").u8(0).str(kTime);
    auto block = blockWithOldContents();
    EXPECT_EQ(readBytes(bytes.bytes(), *block).status, files::FileStatus::CountOutOfRange);
    EXPECT_EQ(block->recordCount, 3);
    EXPECT_EQ(block->records[0].time, "old");
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, MemoryFileRecordCount,
    ::testing::Values(store::MemoryBlock::kCapacity + 1, -1),
    [](const auto& param) { return std::string(param.param < 0 ? "Negative" : "OneAboveTheCapacity"); });

}  // namespace
}  // namespace brivon
