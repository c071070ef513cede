#pragma once
// Draws a laid-out frame of the data-logger graph over the window's whole
// client area: background, plot, grid, axes, and with a set the readings'
// line, the margins wiped of what the line drew outside the plot, labels and
// the read-out line.

#include "core/draw/Canvas.h"
#include "core/logger/LoggerFrame.h"

#include <span>
#include <vector>

namespace brivon::logger {

class LoggerPainter {
public:
    void paint(draw::Canvas& canvas, const LoggerFrame& frame, std::span<const float> readings);

private:
    void paintPlotFrame(draw::Canvas& canvas, const LoggerFrame& frame) const;
    void paintCurve(draw::Canvas& canvas, const LoggerFrame& frame, std::span<const float> readings);
    static void repaintMargins(draw::Canvas& canvas, const LoggerFrame& frame);
    static void paintTexts(draw::Canvas& canvas, const LoggerFrame& frame);

    // Reused from paint to paint.
    std::vector<draw::Point> points_;
    std::vector<draw::Rect> columns_;
};

}  // namespace brivon::logger
