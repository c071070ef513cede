#include "core/app/CDTDoc.h"

#include "core/app/RunSave.h"
#include "core/app/ScratchFolder.h"
#include "core/files/GraphFile.h"
#include "core/measure/Units.h"
#include "support/FixedClock.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

namespace brivon {
namespace {

constexpr platform::TimeValue kStart = 1291730709;  // 7 December 2010, 14:05:09 (UTC in the fixed clock)

struct CountingObserver : app::DocumentObserver {
    void viewsChanged() override { ++changes; }
    void samplePlotted() override { ++plots; }
    int changes = 0;
    int plots = 0;
};

class Document : public ::testing::Test {
protected:
    Document() { doc.addObserver(observer); }

    // The run as the main window's Save writes it.
    std::string savedBytes()
    {
        const support::ScratchFolder folder;
        const std::filesystem::path file = folder / "run.AsmDat";
        prompts.savePaths.push_back(file.string());
        EXPECT_TRUE(app::RunSave(doc, clock, prompts).save());
        return support::ScratchFolder::read(file);
    }

    support::FixedClock clock { kStart };
    app::CDTDoc doc { clock };
    CountingObserver observer;
    support::ScriptedPrompts prompts;
};

TEST_F(Document, OnlyACommittedReadingIsPlotted)
{
    doc.resetForNewRun(kStart);
    EXPECT_EQ(observer.changes, 1);
    doc.run().append(12, false);
    doc.commitSample();
    EXPECT_EQ(observer.plots, 1);
    doc.commitSample();
    EXPECT_EQ(observer.plots, 1);
    EXPECT_EQ(doc.run().readingCount(), 1);
}

TEST_F(Document, TheGraphSeesTheRunAndTheScale)
{
    doc.resetForNewRun(kStart);
    doc.run().setSamplePeriodMs(2000);
    doc.run().append(7, true);
    doc.commitSample();
    doc.yAxis().gain = 4;
    doc.yAxis().offset = 2;

    const realtime::GraphSeries series = doc.graphSeries();
    EXPECT_EQ(series.count(), 1);
    EXPECT_EQ(series.samples[0], 7);
    EXPECT_EQ(series.readingCount, 1);
    EXPECT_EQ(series.startTime, kStart);
    EXPECT_EQ(series.samplePeriodMs, 2000);
    EXPECT_TRUE(series.footCandles);
    EXPECT_EQ(series.yGain, 4);
    EXPECT_EQ(series.yOffset, 2);
}

TEST_F(Document, StoresTheRunInTheGraphFileLayout)
{
    doc.resetForNewRun(kStart);
    doc.run().setSamplePeriodMs(1500);
    doc.run().setCurrentGain(4000);
    doc.run().append(measure::kOverRange, true);
    doc.commitSample();
    doc.commitSample();

    const std::string bytes = savedBytes();
    ASSERT_EQ(bytes.size(), 47u + 4u * 2u);
    EXPECT_EQ(bytes.substr(0, 6), std::string("\x05QV731", 6));
    std::int32_t readings = 0;
    std::memcpy(&readings, bytes.data() + 6, 4);
    EXPECT_EQ(readings, 1);

    store::CurrentSet set;
    std::istringstream in(bytes);
    ASSERT_TRUE(files::readGraphFile(in, set, clock).ok());
    EXPECT_EQ(set.loadedSampleCount, 2);
    EXPECT_EQ(set.loadedSamples[1], measure::kOverRange);
    EXPECT_EQ(set.loadedGain, 4000);
    EXPECT_EQ(set.loadedUnitFlag, 1);
    EXPECT_EQ(set.loadedStart.year, 2010);
    EXPECT_EQ(set.loadedStart.second, 9);
    EXPECT_EQ(set.loadedSamplePeriod, 1);
}

TEST_F(Document, LoadingAGraphFileFillsTheCurrentSetAndLeavesTheRun)
{
    doc.run().append(3, false);
    doc.commitSample();
    const std::string bytes = savedBytes();
    doc.run().append(99, false);
    doc.commitSample();

    std::istringstream in(bytes);
    EXPECT_TRUE(doc.load(in, prompts).ok());
    EXPECT_EQ(doc.currentSet().loadedSampleCount, 1);
    EXPECT_EQ(doc.currentSet().loadedSamples[0], 3);
    EXPECT_EQ(doc.run().sampleCount(), 2);
    EXPECT_TRUE(doc.loggerSets().state().fileSet);
    EXPECT_TRUE(doc.loggerSets().state().newFileSet);
    EXPECT_GE(observer.changes, 1);
    EXPECT_TRUE(prompts.messages().empty());
}

struct SignatureCase {
    const char* name;
    std::string signature;
};

class WrongSignature : public Document, public ::testing::WithParamInterface<SignatureCase> { };

TEST_P(WrongSignature, IsRefusedWithInvalidFormatAndChangesNothing)
{
    doc.currentSet().loadedSampleCount = 7;
    std::istringstream in(GetParam().signature + std::string(40, '\0'));
    EXPECT_FALSE(doc.load(in, prompts).ok());
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { "Invalid Format!" });
    EXPECT_EQ(doc.currentSet().loadedSampleCount, 7);
    EXPECT_FALSE(doc.loggerSets().state().fileSet);
    EXPECT_EQ(observer.changes, 0);
}

INSTANTIATE_TEST_SUITE_P(Signatures, WrongSignature,
    ::testing::Values(SignatureCase { "LowerCase", std::string("\x05qv731", 6) },
        SignatureCase { "Shortened", std::string("\x04QV73", 5) },
        SignatureCase { "Lengthened", std::string("\x06QV7310", 7) }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(Document, AFileThatEndsEarlyIsReportedAndKeepsWhatWasRead)
{
    const std::string bytes = savedBytes();
    std::istringstream in(bytes.substr(0, 12));
    const files::FileOutcome outcome = doc.load(in, prompts);
    EXPECT_EQ(outcome.status, files::FileStatus::EndedEarly);
    EXPECT_TRUE(doc.loggerSets().state().fileSet);
    EXPECT_EQ(prompts.messages(), std::vector<std::string> { outcome.message });
}

}  // namespace
}  // namespace brivon
