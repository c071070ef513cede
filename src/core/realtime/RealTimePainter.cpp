#include "core/realtime/RealTimePainter.h"

#include "core/realtime/RealTimeStyle.h"

namespace brivon::realtime {

RealTimePainter::RealTimePainter()
    : graph_(kGraphStyle)
{
}

void RealTimePainter::paintPlot(
    draw::Canvas& canvas, const RealTimeFrame& frame, std::span<const float> samples)
{
    graph_.paintPlot(canvas, frame, samples);
}

void RealTimePainter::paintLabelStrip(draw::Canvas& canvas, const RealTimeFrame& frame) const
{
    graph_.paintLabelStrip(canvas, frame, frame.strips.labelStrip);
}

void RealTimePainter::paintRightStrip(draw::Canvas& canvas, const RealTimeFrame& frame) const
{
    const draw::Rect& strip = frame.strips.rightStrip;
    canvas.fillRect({ 0, 0, strip.width(), strip.height() }, kStripColor);
}

void RealTimePainter::paintMainWindowBands(draw::Canvas& canvas, const RealTimeFrame& frame) const
{
    const RealTimeGeometry& s = frame.strips;
    canvas.fillRect(s.topBand, kStripColor);
    if (frame.geometry.height() > 0) canvas.fillRect(s.bottomBand, kStripColor);
    if (frame.sampleCount == 0) return;
    const draw::TextStyle style { kTextColor, draw::TextAlign::Left, kButtonFace };
    for (const auto& label : frame.timeLabels)
        canvas.drawText({ label.x, s.timeLabelY }, label.text, kDisplayFont, style);
}

}  // namespace brivon::realtime
