#include "core/report/SurveyColourMap.h"

#include "core/report/ReportPage.h"
#include "core/survey/SurveyFigures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace brivon::report {
namespace {

// Evenly spaced stops of a scale that stays readable in grey and to most colour-blind readers.
constexpr std::array kScale { draw::rgb(68, 1, 84), draw::rgb(59, 82, 139), draw::rgb(33, 145, 140),
    draw::rgb(94, 201, 98), draw::rgb(253, 231, 37) };
constexpr double kMiddleOfScale = 0.5;

// The side of the filled cells the map is drawn in, at most.
constexpr int kFillSide = 8;
const draw::Pen kThinPen { draw::PenStyle::Solid, 1, kBlack };
constexpr int kLargestMarkerHalf = 4;
constexpr int kMarkersPerCellSide = 6;

constexpr int kLegendBarHeight = 14;
constexpr int kLegendSteps = 60;
constexpr int kLegendLabelGap = 4;

std::uint8_t mixed(std::uint8_t from, std::uint8_t to, double share)
{
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

const survey::SurveyPoint& pointAt(
    std::span<const survey::SurveyPoint> points, survey::GridSize grid, int row, int column)
{
    const int index = row * grid.columns + column;
    return points[static_cast<std::size_t>(index)];
}

// The lower index, the upper index and the share of the upper of `at` on an axis of `count` centres.
struct Between {
    int lower;
    int upper;
    double share;
};

Between between(double at, int count)
{
    const double clamped = std::clamp(at, 0.0, static_cast<double>(count - 1));
    const int lower = static_cast<int>(std::floor(clamped));
    return { lower, std::min(lower + 1, count - 1), clamped - lower };
}

std::string luxLabel(double lux)
{
    return survey::figureText(lux) + " lx";
}

}  // namespace

draw::Color colourOf(double lux, double low, double high)
{
    const double position = high > low ? std::clamp((lux - low) / (high - low), 0.0, 1.0) : kMiddleOfScale;
    const double scaled = position * (kScale.size() - 1);
    const auto stop = std::min(static_cast<std::size_t>(scaled), kScale.size() - 2);
    const double share = scaled - static_cast<double>(stop);
    const draw::Color from = kScale[stop];
    const draw::Color to = kScale[stop + 1];
    return draw::rgb(mixed(from.r, to.r, share), mixed(from.g, to.g, share), mixed(from.b, to.b, share));
}

double interpolatedLux(
    std::span<const survey::SurveyPoint> points, survey::GridSize grid, double row, double column)
{
    const Between r = between(row, grid.rows);
    const Between c = between(column, grid.columns);
    const auto alongRow = [&](int atRow) {
        return pointAt(points, grid, atRow, c.lower).lux * (1 - c.share)
            + pointAt(points, grid, atRow, c.upper).lux * c.share;
    };
    return alongRow(r.lower) * (1 - r.share) + alongRow(r.upper) * r.share;
}

draw::Rect drawColourMap(draw::Canvas& canvas, std::span<const survey::SurveyPoint> points,
    survey::GridSize grid, const draw::Rect& box, double low, double high)
{
    const int cell = std::max(1, std::min(box.width() / grid.columns, (box.top - box.bottom) / grid.rows));
    const int width = cell * grid.columns;
    const int height = cell * grid.rows;
    const int left = box.left + (box.width() - width) / 2;
    const draw::Rect frame { left, box.top, left + width, box.top - height };

    const int fillsPerCell = std::max(1, cell / kFillSide);
    const int across = grid.columns * fillsPerCell;
    const int down = grid.rows * fillsPerCell;
    for (int j = 0; j < down; ++j) {
        const double row = (j + 0.5) / fillsPerCell - 0.5;
        const int top = frame.top - j * height / down;
        const int bottom = frame.top - (j + 1) * height / down;
        for (int i = 0; i < across; ++i) {
            const double column = (i + 0.5) / fillsPerCell - 0.5;
            const draw::Rect fill { frame.left + i * width / across, top,
                frame.left + (i + 1) * width / across, bottom };
            canvas.fillRect(fill, colourOf(interpolatedLux(points, grid, row, column), low, high));
        }
    }
    canvas.drawRect(frame, kThinPen);

    const int half = std::clamp(cell / kMarkersPerCellSide, 1, kLargestMarkerHalf);
    for (const survey::SurveyPoint& point : points) {
        const int x = frame.left + (point.column - 1) * cell + cell / 2;
        const int y = frame.top - (point.row - 1) * cell - cell / 2;
        const draw::Rect marker { x - half, y + half, x + half, y - half };
        canvas.fillRect(marker, kWhite);
        canvas.drawRect(marker, kThinPen);
    }
    return frame;
}

void drawColourLegend(draw::Canvas& canvas, draw::Point topLeft, int width, double low, double high)
{
    const int bottom = topLeft.y - kLegendBarHeight;
    for (int k = 0; k < kLegendSteps; ++k) {
        const double share = (k + 0.5) / kLegendSteps;
        canvas.fillRect({ topLeft.x + k * width / kLegendSteps, topLeft.y,
                            topLeft.x + (k + 1) * width / kLegendSteps, bottom },
            colourOf(low + (high - low) * share, low, high));
    }
    canvas.drawRect({ topLeft.x, topLeft.y, topLeft.x + width, bottom }, kThinPen);
    const int labelY = bottom - kLegendLabelGap;
    canvas.drawText({ topLeft.x, labelY }, luxLabel(low), kTextFont, kTextStyle);
    canvas.drawText({ topLeft.x + width, labelY }, luxLabel(high), kTextFont,
        draw::TextStyle { kBlack, draw::TextAlign::Right, std::nullopt });
}

}  // namespace brivon::report
