#include "core/report/SurveyTable.h"

#include "core/report/ReportPage.h"
#include "core/survey/SurveyFigures.h"

#include <algorithm>
#include <string>
#include <vector>

namespace brivon::report {
namespace {

constexpr int kLeastCellWidth = 36;
constexpr int kLargestCellWidth = 90;
constexpr int kCellPadding = 2;
constexpr int kLargestPitch = 22;
constexpr int kLeastFontHeight = 6;
// The pitch a line of text of a given height needs at least, in tenths of the height.
constexpr int kLineTenths = 12;
constexpr int kBoldWeight = 700;
const draw::Pen kRulePen { draw::PenStyle::Solid, 1, kBlack };
const draw::TextStyle kCentredText { kBlack, draw::TextAlign::Center, std::nullopt };

draw::Font tableFont(int height, int weight = kFontWeight)
{
    return draw::Font { kFontFace, -height, 0, weight };
}

struct TableGeometry {
    int columnsPerBand = 1;
    int bandCount = 1;
    int pitch = kLargestPitch;
    int cellWidth = kLargestCellWidth;
    int left = 0;
    int fontHeight = kLeastFontHeight;
};

// The largest font, down to the floor, in which every value fits its cell and every line its pitch.
int fittingFontHeight(
    const draw::Canvas& canvas, const std::vector<std::string>& values, const TableGeometry& g)
{
    for (int height = -kTextFont.height; height >= kLeastFontHeight; --height) {
        if (height * kLineTenths > g.pitch * 10) continue;
        const draw::Font bold = tableFont(height, kBoldWeight);
        const bool fits = std::all_of(values.begin(), values.end(), [&](const std::string& value) {
            return canvas.textWidth(value, bold) <= g.cellWidth - 2 * kCellPadding;
        });
        if (fits) return height;
    }
    return kLeastFontHeight;
}

TableGeometry geometryFor(const draw::Canvas& canvas, const std::vector<std::string>& values,
    survey::GridSize grid, const draw::Rect& box)
{
    TableGeometry g;
    const int mostPerBand = std::clamp(box.width() / kLeastCellWidth - 1, 1, grid.columns);
    g.bandCount = (grid.columns + mostPerBand - 1) / mostPerBand;
    g.columnsPerBand = (grid.columns + g.bandCount - 1) / g.bandCount;
    // Each band has a line of column numbers; a blank line parts the bands.
    const int lines = g.bandCount * (grid.rows + 2) - 1;
    g.pitch = std::min(kLargestPitch, (box.top - box.bottom) / lines);
    g.cellWidth = std::min(kLargestCellWidth, box.width() / (g.columnsPerBand + 1));
    g.left = box.left + (box.width() - g.cellWidth * (g.columnsPerBand + 1)) / 2;
    g.fontHeight = fittingFontHeight(canvas, values, g);
    return g;
}

}  // namespace

int drawSurveyTable(draw::Canvas& canvas, std::span<const survey::SurveyPoint> points, survey::GridSize grid,
    const draw::Rect& box)
{
    std::vector<std::string> values;
    double minimum = points.front().lux;
    for (const survey::SurveyPoint& point : points) {
        values.push_back(survey::figureText(point.lux));
        minimum = std::min(minimum, point.lux);
    }
    const TableGeometry g = geometryFor(canvas, values, grid, box);
    const draw::Font plain = tableFont(g.fontHeight);
    const draw::Font bold = tableFont(g.fontHeight, kBoldWeight);
    const int textDrop = (g.pitch - g.fontHeight) / 2;
    const auto cellCentre = [&](int slot) { return g.left + slot * g.cellWidth + g.cellWidth / 2; };

    int top = box.top;
    for (int band = 0; band < g.bandCount; ++band) {
        const int firstColumn = band * g.columnsPerBand;
        const int columns = std::min(g.columnsPerBand, grid.columns - firstColumn);
        const int right = g.left + (columns + 1) * g.cellWidth;
        for (int c = 0; c < columns; ++c)
            canvas.drawText({ cellCentre(c + 1), top - textDrop }, std::to_string(firstColumn + c + 1), plain,
                kCentredText);
        canvas.drawLine({ g.left, top - g.pitch }, { right, top - g.pitch }, kRulePen);
        canvas.drawLine({ g.left + g.cellWidth, top },
            { g.left + g.cellWidth, top - (grid.rows + 1) * g.pitch }, kRulePen);
        for (int r = 0; r < grid.rows; ++r) {
            const int rowTop = top - (r + 1) * g.pitch;
            canvas.drawText({ cellCentre(0), rowTop - textDrop }, std::to_string(r + 1), plain, kCentredText);
            for (int c = 0; c < columns; ++c) {
                const int pointIndex = r * grid.columns + firstColumn + c;
                const auto index = static_cast<std::size_t>(pointIndex);
                const bool lowest = points[index].lux == minimum;
                canvas.drawText({ cellCentre(c + 1), rowTop - textDrop }, values[index],
                    lowest ? bold : plain, kCentredText);
                if (lowest) {
                    const int cellLeft = g.left + (c + 1) * g.cellWidth;
                    canvas.drawRect(
                        { cellLeft + 1, rowTop, cellLeft + g.cellWidth - 1, rowTop - g.pitch }, kRulePen);
                }
            }
        }
        top -= (grid.rows + 2) * g.pitch;
    }
    return top + g.pitch;
}

}  // namespace brivon::report
