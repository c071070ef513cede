#include "core/report/SurveyReport.h"

#include "core/report/ReportPage.h"
#include "core/report/SurveyColourMap.h"
#include "core/util/Printf.h"
#include "support/PageBoxes.h"
#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace brivon::report {
namespace {

using support::Box;
using support::boxOf;
using support::FillOp;
using support::onPage;
using support::overlap;
using support::RectOp;
using support::TextOp;

// Rows × columns points of rising lux, one a minute from 7 Dec 2010 14:00, the lowest in the middle.
survey::Survey surveyOf(survey::GridSize grid, const survey::Requirement& requirement = {})
{
    survey::Survey survey;
    const int count = grid.rows * grid.columns;
    for (int k = 0; k < count; ++k) {
        const double lux = k == count / 2 ? 123.25 : 400.0 + 7.5 * k;
        survey.points.push_back({ k / grid.columns + 1, k % grid.columns + 1, k + 1, lux,
            util::printfString("07/12/10 %02d:%02d:00", 14 + k / 60, k % 60) });
    }
    survey.statistics = survey::surveyStatistics(survey.points);
    if (requirement.given()) survey.result = survey::judge(survey.statistics, requirement);
    return survey;
}

struct LayoutCase {
    const char* name;
    survey::GridSize grid;
    std::string title;
};

class SurveyReportLayout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(SurveyReportLayout, TextsApartFromEachOtherAndTheMapAllOnThePage)
{
    const LayoutCase& c = GetParam();
    support::RecordingCanvas canvas;
    drawSurveyReport(canvas, surveyOf(c.grid, { 500.0, 0.6 }),
        { c.title, c.grid, { 500.0, 0.6 }, survey::AreaSize { 6, 4 } });
    const std::vector<TextOp> texts = canvas.all<TextOp>();
    const std::vector<FillOp> fills = canvas.all<FillOp>();
    ASSERT_EQ(
        std::count_if(texts.begin(), texts.end(), [](const TextOp& t) { return t.font.weight == 700; }), 1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Box box = boxOf(texts[i], canvas);
        EXPECT_TRUE(onPage(box)) << texts[i].text;
        EXPECT_GE(std::abs(texts[i].font.height), 6) << texts[i].text;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            EXPECT_FALSE(overlap(box, boxOf(texts[j], canvas))) << texts[i].text << " / " << texts[j].text;
        for (const FillOp& fill : fills)
            ASSERT_FALSE(overlap(box, boxOf(fill.rect))) << texts[i].text;
    }
    for (const FillOp& fill : fills)
        ASSERT_TRUE(onPage(boxOf(fill.rect)));
    for (const RectOp& rect : canvas.all<RectOp>())
        EXPECT_TRUE(onPage(boxOf(rect.rect)));
}

INSTANTIATE_TEST_SUITE_P(Grids, SurveyReportLayout,
    ::testing::Values(LayoutCase { "OnePoint", { 1, 1 }, "" }, LayoutCase { "OneRow", { 1, 12 }, "" },
        LayoutCase { "OneColumn", { 12, 1 }, "" }, LayoutCase { "Square", { 20, 20 }, "" },
        LayoutCase { "FullMemoryInARow", { 1, 100 }, "" },
        LayoutCase { "FullMemoryInAColumn", { 100, 1 }, "" },
        LayoutCase { "LongTitle", { 4, 5 }, std::string(200, 'W') + "\u00e9" }),
    [](const auto& param) { return std::string(param.param.name); });

struct LinesCase {
    const char* name;
    survey::Requirement requirement;
    const char* line;
};

class SurveyReportLines : public ::testing::TestWithParam<LinesCase> { };

TEST_P(SurveyReportLines, GiveTheRecordsFiguresAndVerdict)
{
    const survey::GridSize grid { 2, 3 };
    support::RecordingCanvas canvas;
    drawSurveyReport(
        canvas, surveyOf(grid, GetParam().requirement), { "", grid, GetParam().requirement, {} });
    const std::vector<std::string> texts = canvas.texts();
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ(texts[0], "Light survey");
    EXPECT_EQ(texts[1], "Grid 2 \u00d7 3, records 1\u20136, 2010-12-07T14:00:00 to 2010-12-07T14:05:00");
    EXPECT_EQ(
        texts[2], "Points: 6   \u0112: 368.88 lx   Emin: 123.25 lx   Emax: 437.50 lx   U0: 0.33   Ud: 0.28");
    EXPECT_EQ(texts[3], GetParam().line);
    const TextOp* lowest = canvas.findText("123.25");
    ASSERT_NE(lowest, nullptr);
    EXPECT_EQ(lowest->font.weight, 700);
}

INSTANTIATE_TEST_SUITE_P(Requirements, SurveyReportLines,
    ::testing::Values(LinesCase { "None", {}, "No requirement given" },
        LinesCase {
            "BothMet", { 360.0, 0.3 }, "Requirement: \u0112 \u2265 360.00 lx and U0 \u2265 0.30 \u2014 met" },
        LinesCase {
            "UniformityNotMet", { std::nullopt, 0.5 }, "Requirement: U0 \u2265 0.50 \u2014 not met" }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SurveyColourMap, InterpolatesBetweenCentresAndIsFlatBeyondThem)
{
    const survey::Survey survey = surveyOf({ 2, 2 });  // 400, 407.5 / 123.25, 422.5
    EXPECT_DOUBLE_EQ(interpolatedLux(survey.points, { 2, 2 }, 1, 0), 123.25);
    EXPECT_DOUBLE_EQ(interpolatedLux(survey.points, { 2, 2 }, 0.5, 0.5), (400 + 407.5 + 123.25 + 422.5) / 4);
    EXPECT_DOUBLE_EQ(interpolatedLux(survey.points, { 2, 2 }, -1, 0.5), 403.75);
    EXPECT_EQ(colourOf(100, 100, 200), draw::rgb(68, 1, 84));
    EXPECT_EQ(colourOf(250, 100, 200), draw::rgb(253, 231, 37));
    EXPECT_EQ(colourOf(5, 5, 5), draw::rgb(33, 145, 140));
}

}  // namespace
}  // namespace brivon::report
