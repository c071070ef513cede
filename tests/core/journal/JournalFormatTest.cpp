#include "core/journal/JournalFormat.h"
#include "core/journal/JournalReader.h"

#include <gtest/gtest.h>

#include "core/app/ScratchFolder.h"

#include <sys/stat.h>

#include <functional>
#include <limits>
#include <string>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;

journal::SampleRecord sample(int index, bool newReading)
{
    journal::SampleRecord record;
    record.index = index;
    record.value = 100.0f + static_cast<float>(index);
    record.newReading = newReading;
    record.gain = 400;
    record.samplePeriodMs = 2000;
    return record;
}

// A journal of five samples; the third was a silent period.
std::string fiveSamples()
{
    std::string bytes = journal::encodeHeader({ kStart });
    for (int s = 0; s < 5; ++s)
        bytes += journal::encodeRecord(sample(s, s != 2));
    return bytes;
}

TEST(JournalFormat, ARecordComesBackAsItWasWritten)
{
    journal::SampleRecord record = sample(19989, true);
    record.value = 5000000.0f;
    record.footCandle = true;
    record.gain = -7;
    const auto decoded = journal::decodeRecord(journal::encodeRecord(record));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->index, 19989);
    EXPECT_EQ(decoded->value, 5000000.0f);
    EXPECT_TRUE(decoded->newReading);
    EXPECT_TRUE(decoded->footCandle);
    EXPECT_EQ(decoded->gain, -7);
    EXPECT_EQ(decoded->samplePeriodMs, 2000);
    EXPECT_EQ(journal::encodeRecord(record).size(), journal::kRecordSize);
}

TEST(JournalFormat, AStartTimePastTheYear2038Survives)
{
    const auto header = journal::decodeHeader(journal::encodeHeader({ 4102444800 }));
    ASSERT_TRUE(header);
    EXPECT_EQ(header->runStart, 4102444800);
}

TEST(JournalFormat, TheChecksumIsTheStandardCrc32)
{
    EXPECT_EQ(journal::crc32("123456789"), 0xCBF43926u);
}

TEST(JournalReader, RebuildsTheReadingBookkeepingAndTheLastSettings)
{
    std::string bytes = fiveSamples();
    journal::SampleRecord last = sample(5, true);
    last.footCandle = true;
    last.gain = 4000;
    last.samplePeriodMs = 1000;
    bytes += journal::encodeRecord(last);

    const journal::JournalContents contents = journal::decodeJournal(bytes);
    ASSERT_TRUE(contents.run);
    const journal::RecoveredRun& run = *contents.run;
    EXPECT_EQ(run.runStart, kStart);
    EXPECT_EQ(run.sampleCount(), 6);
    EXPECT_EQ(run.readingToSample, (std::vector<std::int32_t> { 0, 1, 3, 4, 5 }));
    EXPECT_EQ(run.samples[2], 102.0f);
    EXPECT_EQ(run.currentGain, 4000);
    EXPECT_EQ(run.unitFlag, 1);
    EXPECT_EQ(run.samplePeriodMs, 1000);
    EXPECT_EQ(contents.ignoredBytes, 0u);
}

// What a crash, a kill or a damaged disk may leave, and how much of the run survives it.
struct DamageCase {
    const char* name;
    std::function<void(std::string&)> damage;
    int samplesLeft;  // -1: no run at all
    const char* leftOut = "";  // why an intact record was left out
};

class DamagedJournal : public ::testing::TestWithParam<DamageCase> { };

TEST_P(DamagedJournal, KeepsEveryIntactSampleBeforeTheDamage)
{
    std::string bytes = fiveSamples();
    GetParam().damage(bytes);
    const journal::JournalContents contents = journal::decodeJournal(bytes);
    if (GetParam().samplesLeft < 0) {
        EXPECT_FALSE(contents.run);
        EXPECT_FALSE(contents.problem.empty());
        return;
    }
    ASSERT_TRUE(contents.run);
    EXPECT_EQ(contents.run->sampleCount(), GetParam().samplesLeft);
    EXPECT_EQ(contents.leftOut, GetParam().leftOut);
    EXPECT_EQ(
        contents.ignoredBytes + journal::kHeaderSize + journal::kRecordSize * contents.run->samples.size(),
        bytes.size());
}

std::size_t recordOffset(int index)
{
    return journal::kHeaderSize + journal::kRecordSize * static_cast<std::size_t>(index);
}

// Record 3 rewritten, intact, with a value or period a graph file cannot hold.
std::function<void(std::string&)> thirdRecordHolds(float value, std::int32_t periodMs)
{
    return [=](std::string& b) {
        journal::SampleRecord record = sample(3, true);
        record.value = value;
        record.samplePeriodMs = periodMs;
        b.replace(recordOffset(3), journal::kRecordSize, journal::encodeRecord(record));
    };
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedJournal,
    ::testing::Values(DamageCase { "Intact", [](std::string&) {}, 5 },
        DamageCase { "HalfWrittenLastRecord", [](std::string& b) { b.resize(b.size() - 10); }, 4 },
        DamageCase { "LastRecordFlipped", [](std::string& b) { b[recordOffset(4) + 5] ^= 0x40; }, 4 },
        DamageCase { "MiddleRecordFlipped", [](std::string& b) { b[recordOffset(2) + 1] ^= 0x01; }, 2 },
        DamageCase {
            "ZerosAfterTheEnd", [](std::string& b) { b.append(journal::kRecordSize * 3, '\0'); }, 5 },
        DamageCase { "RecordRepeated",
            [](std::string& b) { b += b.substr(recordOffset(4), journal::kRecordSize); }, 5 },
        DamageCase { "OnlyTheHeader", [](std::string& b) { b.resize(journal::kHeaderSize); }, 0 },
        DamageCase { "HeaderCut", [](std::string& b) { b.resize(journal::kHeaderSize - 1); }, -1 },
        DamageCase { "HeaderFlipped", [](std::string& b) { b[9] ^= 0x10; }, -1 },
        DamageCase { "Empty", [](std::string& b) { b.clear(); }, -1 },
        DamageCase { "NotANumber", thirdRecordHolds(std::numeric_limits<float>::quiet_NaN(), 2000), 3,
            "invalid sample 4 nan" },
        DamageCase { "Infinite", thirdRecordHolds(std::numeric_limits<float>::infinity(), 2000), 3,
            "invalid sample 4 inf" },
        DamageCase { "NegativePeriod", thirdRecordHolds(1.0f, -1), 3, "invalid sampling period -1 ms" }),
    [](const auto& param) { return std::string(param.param.name); });

// What --journal or the state folder may hold instead of a journal: each is
// refused at once by what it is or by its size, without being read.
struct NotAJournalCase {
    const char* name;
    std::function<std::filesystem::path(const support::ScratchFolder&)> make;
    const char* says;
};

class NotAJournal : public ::testing::TestWithParam<NotAJournalCase> { };

TEST_P(NotAJournal, IsRefusedWithTheReason)
{
    const support::ScratchFolder folder;
    const journal::JournalContents contents = journal::readJournal(GetParam().make(folder));
    EXPECT_FALSE(contents.run);
    EXPECT_NE(contents.problem.find(GetParam().says), std::string::npos) << contents.problem;
}

INSTANTIATE_TEST_SUITE_P(Paths, NotAJournal,
    ::testing::Values(NotAJournalCase { "Folder", [](const auto& f) { return f.path(); }, "is a folder" },
        NotAJournalCase { "Fifo",
            [](const auto& f) {
                ::mkfifo((f / "run.journal").c_str(), 0600);
                return f / "run.journal";
            },
            "is a FIFO" },
        NotAJournalCase {
            "Device", [](const auto&) { return std::filesystem::path("/dev/zero"); }, "is a device" },
        // A journal's header followed by a gigabyte the file system does not even store.
        NotAJournalCase { "Huge",
            [](const auto& f) {
                support::ScratchFolder::write(f / "run.journal", fiveSamples());
                std::filesystem::resize_file(f / "run.journal", 1u << 30);
                return f / "run.journal";
            },
            "no run journal is longer than 479780" },
        NotAJournalCase { "Missing", [](const auto& f) { return f / "gone.journal"; }, "No such file" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
