#include "core/graph/GraphPainter.h"

#include "core/graph/DataPolyline.h"

namespace brivon::graph {
namespace {

// A label's digits before the point decide how far right its text starts.
constexpr double kOneDigit = 10.0;
constexpr double kTwoDigits = 100.0;
constexpr int kOneDigitColumns = 4;
constexpr int kTwoDigitColumns = 3;
constexpr int kWideColumns = 2;

draw::Rect sized(const draw::Rect& rect)
{
    return { 0, 0, rect.width(), rect.height() };
}

}  // namespace

void GraphPainter::paintPlot(draw::Canvas& canvas, const GraphFrame& frame, std::span<const float> samples)
{
    const GraphGeometry& g = frame.geometry;
    canvas.fillRect(sized(g.plot), style_.plotBackground);
    if (!g.drawable()) return;
    const int width = g.width();
    const int height = g.height();
    for (const int x : frame.gridX)
        canvas.drawLine({ x, height }, { x, 0 }, style_.gridPen);
    for (int j = 1; j <= kDivisions; ++j) {
        const int y = static_cast<int>(j * height * (1.0 / kDivisions));
        canvas.drawLine({ 0, y }, { width, y }, style_.gridPen);
    }
    if (drawsAsColumns(frame)) {
        buildDataColumns(frame, samples, columns_);
        for (const auto& column : columns_)
            canvas.fillRect(column, style_.dataPen.color);
        return;
    }
    buildDataPolyline(frame, samples, points_);
    if (points_.size() >= 2) canvas.drawPolyline(points_, style_.dataPen);
}

void GraphPainter::paintLabelStrip(
    draw::Canvas& canvas, const GraphFrame& frame, const draw::Rect& strip) const
{
    const GraphGeometry& g = frame.geometry;
    canvas.fillRect(sized(strip), style_.labelStripColor);
    const int stripWidth = strip.width();
    const int lastRow = g.plot.bottom - 1 - strip.top;
    const int height = g.height();
    for (int j = 0; j < kLabelCount; ++j) {
        const int tickY = lastRow - j * (height - 1) / kDivisions - 1;
        canvas.drawLine({ stripWidth - style_.tickLength, tickY }, { stripWidth, tickY }, style_.tickPen);
        const int textY = lastRow - j * (height - 2) / kDivisions - style_.labelTextRaise;
        canvas.drawText(
            { labelTextX(frame.map.labels[j]), textY }, frame.yLabels[j], style_.font, style_.labelTextStyle);
    }
}

int GraphPainter::labelTextX(float value) const
{
    const int columns = value < kOneDigit ? kOneDigitColumns
        : value < kTwoDigits              ? kTwoDigitColumns
                                          : kWideColumns;
    return static_cast<int>(columns * style_.labelCharPitch + style_.labelTextIndent);
}

}  // namespace brivon::graph
