#include "core/app/Configuration.h"

#include "core/app/ScratchFolder.h"

#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::ScratchFolder;

class SurveyConfiguration : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder / "brivon" / app::Configuration::kFileName; }
    app::Configuration configuration() const { return app::Configuration(file().string()); }

    ScratchFolder folder;
};

TEST_F(SurveyConfiguration, TheLastGridAndRequirementAreReadBack)
{
    EXPECT_FALSE(configuration().surveyGrid());
    ASSERT_EQ(configuration().writeSurvey({ 4, 5 }, { 500.0, std::nullopt }), std::nullopt);
    EXPECT_EQ(
        ScratchFolder::read(file()), "[Survey]\nRows=4\nColumns=5\nRequired average=500\nRequired U0=\n");
    const auto grid = configuration().surveyGrid();
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->rows, 4);
    EXPECT_EQ(grid->columns, 5);
    EXPECT_EQ(configuration().surveyRequirement().average, 500.0);
    EXPECT_FALSE(configuration().surveyRequirement().uniformity);

    ASSERT_EQ(configuration().writeSurvey({ 2, 3 }, { std::nullopt, 0.6 }), std::nullopt);
    EXPECT_FALSE(configuration().surveyRequirement().average);
    EXPECT_EQ(configuration().surveyRequirement().uniformity, 0.6);
}

struct BadValueCase {
    const char* name;
    const char* lines;
};

class SurveyBadValues : public SurveyConfiguration, public ::testing::WithParamInterface<BadValueCase> { };

TEST_P(SurveyBadValues, FallBackToNoGridAndNoRequirement)
{
    std::filesystem::create_directories(file().parent_path());
    ScratchFolder::write(file(), std::string("[Survey]\n") + GetParam().lines);
    EXPECT_FALSE(configuration().surveyGrid());
    EXPECT_FALSE(configuration().surveyRequirement().given());
}

INSTANTIATE_TEST_SUITE_P(Values, SurveyBadValues,
    ::testing::Values(BadValueCase { "ZeroRows", "Rows=0\nColumns=5\nRequired average=0\n" },
        BadValueCase { "BeyondTheMemory", "Rows=101\nColumns=1\nRequired U0=1.5\n" },
        BadValueCase { "Letters", "Rows=x\nColumns=5\nRequired average=500 lx\nRequired U0=abc\n" },
        BadValueCase { "MissingColumns", "Rows=4\nRequired average=-500\nRequired U0=nan\n" },
        BadValueCase { "Infinite", "Rows=\nColumns=\nRequired average=inf\nRequired U0=0\n" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
