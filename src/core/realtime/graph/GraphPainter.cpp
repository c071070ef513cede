#include "core/realtime/graph/GraphPainter.h"

#include "core/realtime/graph/DataPolyline.h"
#include "core/realtime/graph/GraphStyle.h"

namespace brivon::graph {
namespace {

// An off-screen bitmap's own pen, which draws the label ticks.
constexpr draw::Pen kTickPen { draw::PenStyle::Solid, 1, kTextColor };

draw::Rect sized(const draw::Rect& rect)
{
    return { 0, 0, rect.width(), rect.height() };
}

}  // namespace

void GraphPainter::paintPlot(draw::Canvas& canvas, const GraphFrame& frame, std::span<const float> samples)
{
    const GraphGeometry& g = frame.geometry;
    canvas.fillRect(sized(g.plot), kPlotBackground);
    if (!g.drawable()) return;
    const int width = g.width();
    const int height = g.height();
    for (const int x : frame.gridX)
        canvas.drawLine({ x, height }, { x, 0 }, kGridPen);
    for (int j = 1; j <= kDivisions; ++j) {
        const int y = static_cast<int>(j * height * (1.0 / kDivisions));
        canvas.drawLine({ 0, y }, { width, y }, kGridPen);
    }
    if (drawsAsColumns(frame)) {
        buildDataColumns(frame, samples, columns_);
        for (const auto& column : columns_)
            canvas.fillRect(column, kDataPen.color);
        return;
    }
    buildDataPolyline(frame, samples, points_);
    if (points_.size() >= 2) canvas.drawPolyline(points_, kDataPen);
}

void GraphPainter::paintLabelStrip(draw::Canvas& canvas, const GraphFrame& frame) const
{
    const GraphGeometry& g = frame.geometry;
    canvas.fillRect(sized(g.labelStrip), kStripColor);
    const int stripWidth = g.labelStrip.width();
    const int lastRow = g.plot.bottom - 1 - g.labelStrip.top;
    const int height = g.height();
    const draw::TextStyle style { kTextColor, draw::TextAlign::Left, kYLabelBackground };
    for (int j = 0; j < kLabelCount; ++j) {
        const int tickY = lastRow - j * (height - 1) / kDivisions - 1;
        canvas.drawLine({ stripWidth - kLabelTickLength, tickY }, { stripWidth, tickY }, kTickPen);
        const int textY = lastRow - j * (height - 2) / kDivisions - kLabelTextRaise;
        canvas.drawText({ labelTextX(frame.map.labels[j]), textY }, frame.yLabels[j], kDisplayFont, style);
    }
}

void GraphPainter::paintRightStrip(draw::Canvas& canvas, const GraphFrame& frame) const
{
    canvas.fillRect(sized(frame.geometry.rightStrip), kStripColor);
}

void GraphPainter::paintMainWindowBands(draw::Canvas& canvas, const GraphFrame& frame) const
{
    const GraphGeometry& g = frame.geometry;
    canvas.fillRect(g.topBand, kStripColor);
    if (g.height() > 0) canvas.fillRect(g.bottomBand, kStripColor);
    if (frame.sampleCount == 0) return;
    const draw::TextStyle style { kTextColor, draw::TextAlign::Left, kButtonFace };
    for (const auto& label : frame.timeLabels)
        canvas.drawText({ label.x, g.timeLabelY }, label.text, kDisplayFont, style);
}

}  // namespace brivon::graph
