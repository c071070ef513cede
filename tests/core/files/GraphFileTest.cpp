#include "core/files/GraphFile.h"

#include "core/files/MemoryFile.h"

#include "ByteBuilder.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <memory>
#include <sstream>
#include <vector>

namespace brivon {
namespace {

using support::ByteBuilder;

constexpr platform::TimeValue k2010Dec07At140509 = 1291730709;  // UTC

// The bytes after the samples: gain, unit, start date and time, interval.
ByteBuilder& trailer(ByteBuilder& b, std::int32_t gain, std::uint8_t unit, std::int32_t interval)
{
    return b.i32(gain).u8(unit).ints({ 2010, 12, 7, 14, 5, 9 }).i32(interval);
}

std::unique_ptr<store::CurrentSet> setWithOldContents()
{
    auto set = std::make_unique<store::CurrentSet>();
    set->loadedReadingCount = 7;
    set->loadedSampleCount = 7;
    set->loadedSamples.fill(-1.0f);
    set->loadedGain = 77;
    set->loadedUnitFlag = 1;
    set->loadedStart = { 1999, 1, 2, 3, 4, 5 };
    set->loadedSamplePeriod = 9;
    return set;
}

files::FileOutcome readBytes(const std::string& bytes, store::CurrentSet& set)
{
    std::istringstream in(bytes);
    return files::readGraphFile(in, set, support::FixedClock());
}

std::vector<std::uint32_t> bitsOf(std::span<const float> values)
{
    std::vector<std::uint32_t> bits;
    for (const float v : values)
        bits.push_back(std::bit_cast<std::uint32_t>(v));
    return bits;
}

TEST(GraphFile, EmptyRunIsFortySevenBytesAndReadsBackAsAnEmptySet)
{
    const support::FixedClock clock;
    store::RealTimeRun run;
    run.currentGain = 400;
    run.runStart = k2010Dec07At140509;
    run.samplePeriodMs = 2999;  // whole seconds, truncated
    const std::string bytes = files::graphFileBytes(files::realTimeFileContents(run, clock));

    ByteBuilder expected;
    trailer(expected.signature().ints({ 0, 0 }), 400, 0, 2);
    EXPECT_EQ(bytes, expected.bytes());
    EXPECT_EQ(bytes.size(), 47u);

    auto set = setWithOldContents();
    ASSERT_TRUE(readBytes(bytes, *set).ok());
    EXPECT_EQ(set->loadedSampleCount, 0);
    EXPECT_EQ(set->loadedReadingCount, 0);
    EXPECT_EQ(set->loadedGain, 400);
    EXPECT_EQ(set->loadedUnitFlag, 0);
    EXPECT_EQ(set->loadedStart.year, 2010);
    EXPECT_EQ(set->loadedStart.second, 9);
    EXPECT_EQ(set->loadedSamplePeriod, 2);
}

TEST(GraphFile, RealTimeVariantKeepsItsReadingCountApartFromTheSampleCount)
{
    const support::FixedClock clock;
    const std::vector<float> samples { 1.5f, 2.5f, 2.5f, 0.0f };  // more room than the run used
    store::RealTimeRun run;
    run.readingCount = 2;
    run.sampleCount = 3;
    run.samples = samples;
    run.unitFlag = 1;
    run.currentGain = 40;
    run.runStart = k2010Dec07At140509;
    run.samplePeriodMs = 1500;

    ByteBuilder expected;
    trailer(expected.signature().ints({ 2, 3 }).f32(1.5f).f32(2.5f).f32(2.5f), 40, 1, 1);
    EXPECT_EQ(files::graphFileBytes(files::realTimeFileContents(run, clock)), expected.bytes());
}

TEST(GraphFile, DataLoggerVariantRoundTripsEverySampleBitForBit)
{
    auto written = std::make_unique<store::CurrentSet>();
    const std::vector<float> samples { 5000000.0f, -0.0f, 1.076f, std::numeric_limits<float>::denorm_min(),
        33000.5f, std::numeric_limits<float>::max() };
    std::copy(samples.begin(), samples.end(), written->loadedSamples.begin());
    written->loadedSampleCount = static_cast<std::int32_t>(samples.size());
    written->loadedReadingCount = 99;  // not written: the variant writes the sample count twice
    written->loadedGain = 4000;
    written->loadedUnitFlag = 1;
    written->loadedStart = { 2010, 12, 7, 14, 5, 9 };
    written->loadedSamplePeriod = 60;

    const std::string bytes = files::graphFileBytes(files::dataLoggerFileContents(*written));
    ASSERT_EQ(bytes.size(), 47u + 4 * samples.size());
    EXPECT_EQ(bytes.substr(6, 8), ByteBuilder().ints({ 6, 6 }).bytes());
    EXPECT_EQ(bytes.substr(14, 4), "\x80\x96\x98\x4A");  // the over-range marker

    auto read = setWithOldContents();
    ASSERT_TRUE(readBytes(bytes, *read).ok());
    EXPECT_EQ(bitsOf(read->samples()), bitsOf(samples));
    EXPECT_EQ(read->loadedReadingCount, 6);
    EXPECT_EQ(read->loadedGain, 4000);
    EXPECT_EQ(read->loadedUnitFlag, 1);
    EXPECT_EQ(read->loadedStart.month, 12);
    EXPECT_EQ(read->loadedStart.minute, 5);
    EXPECT_EQ(read->loadedSamplePeriod, 60);
    EXPECT_EQ(files::graphFileBytes(files::dataLoggerFileContents(*read)), bytes);
}

struct SignatureCase {
    const char* name;
    std::string prefix;
    bool accepted;
};

class GraphFileSignature : public ::testing::TestWithParam<SignatureCase> { };

TEST_P(GraphFileSignature, OnlyTheExactSignatureIsAccepted)
{
    ByteBuilder body;
    trailer(body.ints({ 1, 1 }).f32(12.0f), 10, 0, 1);
    auto set = setWithOldContents();
    const files::FileOutcome outcome = readBytes(GetParam().prefix + body.bytes(), *set);
    if (GetParam().accepted) {
        EXPECT_TRUE(outcome.ok()) << outcome.message;
        EXPECT_EQ(set->loadedSampleCount, 1);
        return;
    }
    EXPECT_EQ(outcome.status, files::FileStatus::InvalidFormat);
    EXPECT_EQ(outcome.message, "Invalid Format!");
    EXPECT_FALSE(outcome.signatureAccepted());
    EXPECT_EQ(set->loadedReadingCount, 7);
    EXPECT_EQ(set->loadedSampleCount, 7);
    EXPECT_EQ(set->loadedGain, 77);
    EXPECT_EQ(set->loadedSamples[0], -1.0f);
}

INSTANTIATE_TEST_SUITE_P(Signatures, GraphFileSignature,
    ::testing::Values(SignatureCase { "Exact", ByteBuilder().signature().bytes(), true },
        SignatureCase { "SixteenBitLength", ByteBuilder().u8(0xFF).u16(5).raw("QV731").bytes(), true },
        SignatureCase { "LowerCase", ByteBuilder().str("qv731").bytes(), false },
        SignatureCase { "LastCharacter", ByteBuilder().str("QV732").bytes(), false },
        SignatureCase { "LengthFour", ByteBuilder().str("QV73").bytes(), false },
        SignatureCase { "FirstByteSix", ByteBuilder().str("QV731 ").bytes(), false },
        SignatureCase { "FirstByteZero", ByteBuilder().u8(0).bytes(), false },
        SignatureCase { "HugeLength", ByteBuilder().u8(0xFF).u16(0xFFFF).i32(-1).bytes(), false }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(GraphFile, AFileEndingEarlyKeepsWhatWasReadBeforeIt)
{
    ByteBuilder full;
    trailer(full.signature().ints({ 5, 3 }).f32(10.0f).f32(20.0f).f32(30.0f), 400, 1, 2);
    const std::string& bytes = full.bytes();
    const std::size_t samplesAt = 14;
    const std::size_t gainAt = samplesAt + 3 * 4;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        auto set = setWithOldContents();
        EXPECT_EQ(readBytes(bytes.substr(0, cut), *set).status, files::FileStatus::EndedEarly);
        EXPECT_EQ(set->loadedReadingCount, cut >= 10 ? 5 : 7);
        const int wholeSamples
            = cut < samplesAt ? 7 : static_cast<int>(std::min<std::size_t>(3, (cut - samplesAt) / 4));
        EXPECT_EQ(set->loadedSampleCount, wholeSamples);
        EXPECT_EQ(set->loadedGain, cut >= gainAt + 4 ? 400 : 77);
        EXPECT_EQ(set->loadedSamplePeriod, 9);  // the last field is never complete
    }
}

class GraphFileSampleCount : public ::testing::TestWithParam<std::int32_t> { };

TEST_P(GraphFileSampleCount, CountsTheSetCannotHoldAreRefusedBeforeAnySampleIsStored)
{
    ByteBuilder bytes;
    bytes.signature().i32(3).i32(GetParam());
    for (int i = 0; i < store::CurrentSet::kCapacity + 1; ++i)
        bytes.f32(1.0f);
    auto set = setWithOldContents();
    const files::FileOutcome outcome = readBytes(bytes.bytes(), *set);
    EXPECT_EQ(outcome.status, files::FileStatus::CountOutOfRange);
    EXPECT_NE(outcome.message.find(std::to_string(GetParam())), std::string::npos) << outcome.message;
    EXPECT_EQ(set->loadedSampleCount, 7);
    EXPECT_EQ(set->loadedSamples[0], -1.0f);
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, GraphFileSampleCount,
    ::testing::Values(store::CurrentSet::kCapacity + 1, std::numeric_limits<std::int32_t>::max(), -1),
    [](const auto& param) {
        return std::string(param.param < 0                        ? "Negative"
                : param.param == store::CurrentSet::kCapacity + 1 ? "OneAboveTheCapacity"
                                                                  : "LargestInteger");
    });

TEST(GraphFile, AFullSetOfThirtyThreeThousandSamplesIsRead)
{
    auto written = std::make_unique<store::CurrentSet>();
    written->loadedSampleCount = store::CurrentSet::kCapacity;
    for (int i = 0; i < store::CurrentSet::kCapacity; ++i)
        written->loadedSamples[static_cast<std::size_t>(i)] = float(i);
    auto read = std::make_unique<store::CurrentSet>();
    ASSERT_TRUE(readBytes(files::graphFileBytes(files::dataLoggerFileContents(*written)), *read).ok());
    EXPECT_EQ(read->loadedSampleCount, store::CurrentSet::kCapacity);
    EXPECT_EQ(read->loadedSamples.back(), float(store::CurrentSet::kCapacity - 1));
}

// Sample 0's time is the stored date and time in local time (UTC on the fixed clock).
TEST(GraphFile, TheStartTimeIsTheStoredDateAndTime)
{
    ByteBuilder bytes;
    trailer(bytes.signature().ints({ 1, 1 }).f32(12.0f), 40, 0, 1);
    auto set = setWithOldContents();
    ASSERT_TRUE(readBytes(bytes.bytes(), *set).ok());
    EXPECT_EQ(set->loadedStartTime, k2010Dec07At140509);
}

TEST(GraphFile, AFileEndingBeforeItsDateTakesTheStartFromTheDateItKeeps)
{
    ByteBuilder bytes;
    bytes.signature().ints({ 1, 1 }).f32(12.0f);
    auto set = setWithOldContents();
    EXPECT_EQ(readBytes(bytes.bytes(), *set).status, files::FileStatus::EndedEarly);
    EXPECT_EQ(set->loadedStartTime, support::FixedClock().fromLocal({ 1999, 1, 2, 3, 4, 5 }));
}

TEST(GraphFile, AForeignFileLeavesTheStartTime)
{
    auto set = setWithOldContents();
    set->loadedStartTime = 77;
    EXPECT_FALSE(readBytes(ByteBuilder().str("qv731").bytes() + std::string(40, '\0'), *set).ok());
    EXPECT_EQ(set->loadedStartTime, 77);
}

// The fields a graph file's reader checks, each set to a value a file can hold.
struct CheckedFields {
    float sample = 12.0f;
    std::uint8_t unit = 0;
    std::int32_t year = 2010;
    std::int32_t month = 12;
    std::int32_t day = 7;
    std::int32_t hour = 14;
    std::int32_t minute = 5;
    std::int32_t second = 9;
    std::int32_t interval = 1;
};

struct FieldCase {
    const char* name;
    CheckedFields fields;
    const char* refusal;  // the field and value named; empty when the file is accepted
};

class GraphFileFields : public ::testing::TestWithParam<FieldCase> { };

TEST_P(GraphFileFields, AFieldNoGraphFileHoldsIsRefusedByTheReaderAndTheWriters)
{
    const CheckedFields& f = GetParam().fields;
    ByteBuilder bytes;
    bytes.signature().ints({ 1, 1 }).f32(f.sample).i32(40).u8(f.unit);
    bytes.ints({ f.year, f.month, f.day, f.hour, f.minute, f.second, f.interval });
    const std::vector<float> samples { f.sample };
    const files::GraphFileContents contents { 1, samples, 40, f.unit,
        { f.year, f.month, f.day, f.hour, f.minute, f.second }, f.interval };
    EXPECT_EQ(files::graphFileBytes(contents), bytes.bytes());
    const auto problem = files::graphFileProblem(contents);
    EXPECT_EQ(problem ? problem->text() : "", GetParam().refusal)
        << "the writers refuse what the reader does";

    auto set = setWithOldContents();
    set->loadedStartTime = 77;
    const files::FileOutcome outcome = readBytes(bytes.bytes(), *set);
    if (*GetParam().refusal == '\0') {
        EXPECT_TRUE(outcome.ok()) << outcome.detail;
        EXPECT_EQ(set->loadedSampleCount, 1);
        EXPECT_EQ(set->loadedStart.year, f.year);
        return;
    }
    EXPECT_EQ(outcome.status, files::FileStatus::InvalidFormat);
    EXPECT_EQ(outcome.message, "Invalid Format!");
    EXPECT_EQ(outcome.detail, GetParam().refusal);
    EXPECT_EQ(set->loadedReadingCount, 7);
    EXPECT_EQ(set->loadedSampleCount, 7);
    EXPECT_EQ(set->loadedSamples[0], -1.0f);
    EXPECT_EQ(set->loadedGain, 77);
    EXPECT_EQ(set->loadedUnitFlag, 1);
    EXPECT_EQ(set->loadedStart.year, 1999);
    EXPECT_EQ(set->loadedStartTime, 77);
}

constexpr std::int32_t kLowestInt = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(Fields, GraphFileFields,
    ::testing::Values(
        FieldCase { "Earliest",
            { .year = 1970, .month = 1, .day = 1, .hour = 0, .minute = 0, .second = 0, .interval = 0 }, "" },
        FieldCase { "Latest",
            { .sample = std::numeric_limits<float>::max(),
                .unit = 1,
                .year = 2099,
                .month = 12,
                .day = 31,
                .hour = 23,
                .minute = 59,
                .second = 59,
                .interval = std::numeric_limits<std::int32_t>::max() },
            "" },
        FieldCase { "LowestYear", { .year = kLowestInt }, "invalid year -2147483648" },
        FieldCase { "Year1969", { .year = 1969 }, "invalid year 1969" },
        FieldCase { "Year2100", { .year = 2100 }, "invalid year 2100" },
        FieldCase { "MonthZero", { .month = 0 }, "invalid month 0" },
        FieldCase { "Month13", { .month = 13 }, "invalid month 13" },
        FieldCase { "DayZero", { .day = 0 }, "invalid day 0" },
        FieldCase { "Day32", { .day = 32 }, "invalid day 32" },
        FieldCase { "NegativeHour", { .hour = -1 }, "invalid hour -1" },
        FieldCase { "Hour24", { .hour = 24 }, "invalid hour 24" },
        FieldCase { "Minute60", { .minute = 60 }, "invalid minute 60" },
        FieldCase { "Second60", { .second = 60 }, "invalid second 60" },
        FieldCase { "NegativeInterval", { .interval = -1 }, "invalid sampling interval -1" },
        FieldCase { "UnitTwo", { .unit = 2 }, "invalid unit flag 2" },
        FieldCase {
            "NotANumber", { .sample = std::numeric_limits<float>::quiet_NaN() }, "invalid sample 1 nan" },
        FieldCase {
            "Infinity", { .sample = -std::numeric_limits<float>::infinity() }, "invalid sample 1 -inf" }),
    [](const auto& param) { return std::string(param.param.name); });

// A memory list file has the same signature; read as a graph file its record
// bytes make impossible fields, and nothing of it is taken.
TEST(GraphFile, AMemoryListFileIsRefused)
{
    for (const float firstValue : { 0.0f, 123.4f }) {
        SCOPED_TRACE(firstValue);
        auto block = std::make_unique<store::MemoryBlock>();
        block->recordCount = 2;
        block->records[0] = { firstValue, "07/12/10 14:05:09", "General", 0, 0 };
        block->records[1] = { 5.0f, "07/12/10 14:06:00", "Pmax", 0, 1 };
        auto set = setWithOldContents();
        EXPECT_FALSE(readBytes(files::memoryFileBytes(*block), *set).ok());
        EXPECT_EQ(set->loadedSamples[0], -1.0f);
        EXPECT_EQ(set->loadedGain, 77);
        EXPECT_EQ(set->loadedStart.year, 1999);
    }
}

TEST(GraphFile, AMissingFileCannotBeOpened)
{
    auto set = setWithOldContents();
    const files::FileOutcome outcome = files::readGraphFile(
        std::filesystem::path("/nonexistent/brivon/x.AsmDat"), *set, support::FixedClock());
    EXPECT_EQ(outcome.status, files::FileStatus::CannotOpen);
    EXPECT_NE(outcome.message.find("No such file"), std::string::npos) << outcome.message;
}

}  // namespace
}  // namespace brivon
