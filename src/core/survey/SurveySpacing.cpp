#include "core/survey/SurveySpacing.h"

#include "core/survey/SurveyFigures.h"
#include "core/util/Printf.h"

#include <algorithm>
#include <cmath>

namespace brivon::survey {
namespace {

constexpr double kSpacingAtOneMetre = 0.2;
constexpr double kSpacingBase = 5.0;

bool usableSide(double metres)
{
    return std::isfinite(metres) && metres > 0 && metres <= kLongestAreaSide;
}

int leastPointsAlong(double side, double spacing)
{
    return std::max(1, static_cast<int>(std::ceil(side / spacing)));
}

}  // namespace

std::optional<std::string> areaProblem(AreaSize area)
{
    if (usableSide(area.length) && usableSide(area.width)) return std::nullopt;
    return util::printfString("area %g x %g m: each side must be a positive number of metres up to %g",
        area.length, area.width, kLongestAreaSide);
}

double largestSpacing(double longerSide)
{
    return std::min(kLargestSpacing, kSpacingAtOneMetre * std::pow(kSpacingBase, std::log10(longerSide)));
}

SpacingCheck checkSpacing(AreaSize area, GridSize grid)
{
    SpacingCheck check;
    check.spacing = largestSpacing(std::max(area.length, area.width));
    check.leastPoints
        = { leastPointsAlong(area.length, check.spacing), leastPointsAlong(area.width, check.spacing) };
    check.fineEnough = grid.rows >= check.leastPoints.rows && grid.columns >= check.leastPoints.columns;
    return check;
}

std::string spacingLine(const SpacingCheck& check, GridSize grid)
{
    return util::printfString("spacing: at most %s m, at least %d x %d points; the grid %d x %d is %s",
        figureText(check.spacing).c_str(), check.leastPoints.rows, check.leastPoints.columns, grid.rows,
        grid.columns, check.fineEnough ? "fine enough" : "too coarse");
}

}  // namespace brivon::survey
