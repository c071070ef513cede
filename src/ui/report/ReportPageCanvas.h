#pragma once
// Where a report's page coordinates (0.01 inch, y up, origin at the
// bottom-right corner of the printable area) land on a paint device: the
// canvas turns y up into y down, and the painter's transform puts the origin
// at the printable area's bottom-right corner and scales the layout down,
// uniformly, when the printable area is smaller than the layout (never up).

#include "core/draw/Canvas.h"
#include "ui/draw/QtCanvas.h"

#include <QTransform>

class QPaintDevice;
class QPainter;

namespace brivon::ui {

// The painter transform for the printable area of `device`, after the canvas's y flip.
QTransform reportTransform(const QPaintDevice& device);

// Draws report coordinates through a QtCanvas on a painter carrying reportTransform().
class ReportPageCanvas : public draw::Canvas {
public:
    explicit ReportPageCanvas(QPainter& painter);

    void fillRect(const draw::Rect& rect, draw::Color color) override;
    void drawRect(const draw::Rect& rect, const draw::Pen& pen) override;
    void drawLine(draw::Point from, draw::Point to, const draw::Pen& pen) override;
    void drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen) override;
    void drawText(
        draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style) override;
    void drawImage(draw::Point at, std::string_view imageName) override;
    int textWidth(std::string_view text, const draw::Font& font) const override;

private:
    QtCanvas canvas_;
};

}  // namespace brivon::ui
