#include "core/app/RunCsvExport.h"

#include "core/app/MainFrameFixture.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace brivon {
namespace {

class RunCsv : public support::MainFrameTest {
protected:
    // A run of three one-second samples, each with a frame.
    void recordRun()
    {
        create();
        frame();
        run(1);
        periods(3, true);
        ASSERT_EQ(samples(), 3);
    }

    bool exportTo(std::optional<std::string> path)
    {
        prompts.savePaths.push_back(std::move(path));
        return app::RunCsvExport(doc, clock, prompts).exportCsv();
    }
};

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line, '\n');) {
        EXPECT_EQ(line.back(), '\r') << line;
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
}

TEST_F(RunCsv, WritesTheCommittedSamplesWithTheirTimes)
{
    recordRun();
    ASSERT_TRUE(exportTo((folder / "run").string()));
    EXPECT_EQ(prompts.fileChoices().at(0).defaultExtension, "csv");

    const std::vector<std::string> lines = linesOf(support::ScratchFolder::read(folder / "run.csv"));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "no,time,lux,value,unit");
    const platform::LocalTime start = clock.toLocal(doc.run().realTimeRun().runStart);
    for (int k = 0; k < 3; ++k) {
        platform::LocalTime at = start;
        at.second += k;
        const std::string prefix = std::to_string(k + 1) + ","
            + platform::formatTime(clock.toLocal(clock.fromLocal(at)), "%Y-%m-%dT%H:%M:%S");
        const std::string& line = lines[static_cast<std::size_t>(k) + 1];
        EXPECT_EQ(line.rfind(prefix, 0), 0u) << line;
        EXPECT_TRUE(line.ends_with(",lux")) << line;
    }
}

TEST_F(RunCsv, KeepsANameThatEndsInCsv)
{
    recordRun();
    ASSERT_TRUE(exportTo((folder / "run.csv").string()));
    EXPECT_TRUE(std::filesystem::exists(folder / "run.csv"));
    EXPECT_FALSE(std::filesystem::exists(folder / "run.csv.csv"));
}

TEST_F(RunCsv, CancelWritesNothing)
{
    recordRun();
    EXPECT_FALSE(exportTo(std::nullopt));
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
    EXPECT_TRUE(prompts.messages().empty());
}

TEST_F(RunCsv, AFailedWriteTellsTheUser)
{
    recordRun();
    EXPECT_FALSE(exportTo((folder / "missing" / "run").string()));
    ASSERT_EQ(prompts.messages().size(), 1u);
}

}  // namespace
}  // namespace brivon
