#include "core/report/SurveyReport.h"

#include "core/files/CsvExport.h"
#include "core/report/ReportPage.h"
#include "core/report/SurveyColourMap.h"
#include "core/report/SurveyTable.h"
#include "core/report/TextFlow.h"
#include "core/survey/SurveyFigures.h"
#include "core/util/Printf.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brivon::report {
namespace {

constexpr int kLeft = -790;
constexpr int kRight = -10;
constexpr int kTop = kPageHeight;
constexpr int kBottom = 10;
constexpr int kTitlePitch = 52;
constexpr int kLinePitch = 22;
constexpr int kGap = 16;
// The share of the page under the texts a table above the map may take, in percent.
constexpr int kStackedTablePercent = 45;
constexpr int kLegendWidth = 400;

constexpr const char* kEllipsis = "\u2026";
constexpr const char* kNone = "\u2014";
constexpr const char* kTableCaption = "Lux at the points; the minimum bold and framed";
constexpr const char* kMapCaption = "Colour map of lux between the points (squares)";

// The title in the largest font down to the text font that fits across the
// page; cut short, with an ellipsis, when even that is too wide.
void drawTitle(draw::Canvas& canvas, const std::string& title)
{
    const int width = kRight - kLeft;
    draw::Font font = kTitleFont;
    while (font.height < kTextFont.height && canvas.textWidth(title, font) > width)
        ++font.height;
    canvas.drawText({ kLeft, kTop }, cutToWidth(canvas, title, font, width, kEllipsis), font, kTextStyle);
}

std::string recordsLine(const survey::Survey& survey, survey::GridSize grid)
{
    const survey::SurveyPoint& first = survey.points.front();
    const survey::SurveyPoint& last = survey.points.back();
    const std::string from = files::csvRecordTime(first.time);
    const std::string to = files::csvRecordTime(last.time);
    if (first.record == last.record)
        return util::printfString("Grid 1 \u00d7 1, record %d, %s", first.record, from.c_str());
    return util::printfString("Grid %d \u00d7 %d, records %d\u2013%d, %s to %s", grid.rows, grid.columns,
        first.record, last.record, from.c_str(), to.c_str());
}

std::string optionalFigure(const std::optional<double>& figure)
{
    return figure ? survey::figureText(*figure) : kNone;
}

// The table under its caption from the top of `box`; the lowest y it draws at.
int drawTableSection(
    draw::Canvas& canvas, const survey::Survey& survey, survey::GridSize grid, const draw::Rect& box)
{
    canvas.drawText({ box.left, box.top }, kTableCaption, kTextFont, kTextStyle);
    return drawSurveyTable(
        canvas, survey.points, grid, { box.left, box.top - kLinePitch, box.right, box.bottom });
}

// The colour map under its caption and above its legend, filling `box`.
void drawMapSection(
    draw::Canvas& canvas, const survey::Survey& survey, survey::GridSize grid, const draw::Rect& box)
{
    canvas.drawText({ box.left, box.top }, kMapCaption, kTextFont, kTextStyle);
    const double low = survey.statistics.minimum;
    const double high = survey.statistics.maximum;
    const draw::Rect mapBox { box.left, box.top - kLinePitch, box.right,
        box.bottom + kColourLegendHeight + kGap };
    const draw::Rect map = drawColourMap(canvas, survey.points, grid, mapBox, low, high);
    const int width = std::min(kLegendWidth, box.width());
    drawColourLegend(canvas, { box.left + (box.width() - width) / 2, map.bottom - kGap }, width, low, high);
}

}  // namespace

std::string surveyStatisticsLine(const survey::SurveyStatistics& s)
{
    return util::printfString("Points: %d   \u0112: %s lx   Emin: %s lx   Emax: %s lx   U0: %s   Ud: %s",
        s.pointCount, survey::figureText(s.average).c_str(), survey::figureText(s.minimum).c_str(),
        survey::figureText(s.maximum).c_str(), optionalFigure(s.u0).c_str(), optionalFigure(s.ud).c_str());
}

std::string surveyRequirementLine(const survey::Requirement& requirement, const survey::Survey& survey)
{
    if (!survey.result) return "No requirement given";
    std::vector<std::string> parts;
    if (requirement.average)
        parts.push_back("\u0112 \u2265 " + survey::figureText(*requirement.average) + " lx");
    if (requirement.uniformity) parts.push_back("U0 \u2265 " + survey::figureText(*requirement.uniformity));
    std::string line = "Requirement: " + parts.front();
    if (parts.size() > 1) line += " and " + parts.back();
    return line + " \u2014 " + (survey.result->met() ? "met" : "not met");
}

void drawSurveyReport(draw::Canvas& canvas, const survey::Survey& survey, const SurveyReportDetails& details)
{
    drawTitle(canvas, details.title.empty() ? kDefaultSurveyTitle : details.title);
    std::vector<std::string> lines { recordsLine(survey, details.grid),
        surveyStatisticsLine(survey.statistics), surveyRequirementLine(details.requirement, survey) };
    if (details.area)
        lines.push_back(survey::spacingLine(survey::checkSpacing(*details.area, details.grid), details.grid));
    int y = kTop - kTitlePitch;
    for (const std::string& line : lines) {
        canvas.drawText({ kLeft, y }, line, kTextFont, kTextStyle);
        y -= kLinePitch;
    }
    y -= kGap;

    if (details.grid.rows > details.grid.columns) {
        const int middle = (kLeft + kRight) / 2;
        drawTableSection(canvas, survey, details.grid, { kLeft, y, middle - kGap / 2, kBottom });
        drawMapSection(canvas, survey, details.grid, { middle + kGap / 2, y, kRight, kBottom });
        return;
    }
    const int tableBottom = drawTableSection(
        canvas, survey, details.grid, { kLeft, y, kRight, y - (y - kBottom) * kStackedTablePercent / 100 });
    drawMapSection(canvas, survey, details.grid, { kLeft, tableBottom - kGap, kRight, kBottom });
}

}  // namespace brivon::report
