#include "core/logger/LoggerPainter.h"

#include "core/graph/DataPolyline.h"
#include "core/logger/LoggerStyle.h"

namespace brivon::logger {

void LoggerPainter::paint(draw::Canvas& canvas, const LoggerFrame& frame, std::span<const float> readings)
{
    canvas.fillRect(frame.geometry.client, kBackground);
    paintPlotFrame(canvas, frame);
    if (!frame.showsSet) return;
    paintCurve(canvas, frame, readings);
    repaintMargins(canvas, frame);
    paintTexts(canvas, frame);
}

void LoggerPainter::paintPlotFrame(draw::Canvas& canvas, const LoggerFrame& frame) const
{
    const draw::Rect& plot = frame.geometry.plot;
    canvas.fillRect(plot, kPlotBackground);
    for (int k = 0; k < graph::kLabelCount; ++k) {
        const int y = graph::toPixel(plot.top + k * plot.height() * (1.0 / graph::kDivisions));
        canvas.drawLine({ plot.left, y }, { plot.right, y }, kGridPen);
        canvas.drawLine({ plot.left - kTickLength, y }, { plot.left, y }, kAxisPen);
    }
    const draw::Pen& gridPen = frame.fullView ? kGridPen : kZoomedGridPen;
    for (const int x : frame.gridX)
        canvas.drawLine({ x, plot.bottom }, { x, plot.top }, gridPen);
    canvas.drawLine({ plot.left, plot.bottom }, { plot.right, plot.bottom }, kAxisPen);
    canvas.drawLine({ plot.left, plot.top }, { plot.left, plot.bottom }, kAxisPen);
    canvas.drawLine({ plot.right, plot.top }, { plot.right, plot.bottom }, kAxisPen);
    const int bandLeft = graph::toPixel(plot.left - kTimeBandLeft);
    canvas.fillRect(
        { bandLeft, plot.bottom + 1, bandLeft + plot.right, plot.bottom + 1 + kTimeBandHeight }, kBackground);
}

void LoggerPainter::paintCurve(
    draw::Canvas& canvas, const LoggerFrame& frame, std::span<const float> readings)
{
    const graph::GraphFrame& curve = frame.curve;
    const int left = curve.geometry.plot.left;
    const int top = curve.geometry.plot.top;
    if (graph::drawsAsColumns(curve)) {
        graph::buildDataColumns(curve, readings, columns_);
        for (const draw::Rect& c : columns_)
            canvas.fillRect({ c.left + left, c.top + top, c.right + left, c.bottom + top }, kCurvePen.color);
        return;
    }
    graph::buildDataPolyline(curve, readings, points_);
    for (draw::Point& p : points_)
        p = { p.x + left, p.y + top };
    if (points_.size() >= 2) canvas.drawPolyline(points_, kCurvePen);
}

void LoggerPainter::repaintMargins(draw::Canvas& canvas, const LoggerFrame& frame)
{
    const draw::Rect& client = frame.geometry.client;
    const draw::Rect& plot = frame.geometry.plot;
    const int bandTop = client.top + kToolbarBottom;
    canvas.fillRect({ client.left, bandTop, client.right, plot.top }, kBackground);
    canvas.fillRect({ client.left, plot.bottom + 1, client.right, client.bottom }, kBackground);
    canvas.fillRect({ client.left, bandTop, plot.left, client.bottom }, kBackground);
    canvas.fillRect({ plot.right, bandTop, client.right, client.bottom }, kBackground);
}

void LoggerPainter::paintTexts(draw::Canvas& canvas, const LoggerFrame& frame)
{
    const draw::Rect& plot = frame.geometry.plot;
    for (const PlacedText& label : frame.timeLabels)
        canvas.drawText(label.at, label.text, kGraphFont, kTextStyle);
    for (const PlacedText& label : frame.valueLabels)
        canvas.drawText(label.at, label.text, kGraphFont, kTextStyle);
    canvas.drawText({ plot.left + kReadoutCaptionX, kReadoutY }, kReadoutCaption, kGraphFont, kTextStyle);
    canvas.drawText({ plot.left + kReadoutValueX, kReadoutY }, frame.readoutValue, kGraphFont, kTextStyle);
    canvas.drawText({ plot.left + kReadoutAtX, kReadoutY }, kReadoutAt, kGraphFont, kTextStyle);
    canvas.drawText({ plot.left + kReadoutTimeX, kReadoutY }, frame.readoutTime, kGraphFont, kTextStyle);
    if (!frame.statistics.empty())
        canvas.drawText({ plot.left - kLabelLeft, kStatisticsY }, frame.statistics, kGraphFont, kTextStyle);
}

}  // namespace brivon::logger
