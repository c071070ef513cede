#pragma once
// The canvas seam over a QPainter: the paint code of core draws through it onto
// widgets, images and printers.

#include "core/draw/Canvas.h"

#include <QFont>
#include <QPen>

class QPainter;

namespace brivon::ui {

// Pen widths in device pixels (windows, images) or in the painter's own
// units, scaled by its transform (printed pages, where a pixel is tiny).
enum class PenWidthUnit { DevicePixel, Logical };

class QtCanvas : public draw::Canvas {
public:
    explicit QtCanvas(QPainter& painter, PenWidthUnit penWidthUnit = PenWidthUnit::DevicePixel);

    void fillRect(const draw::Rect& rect, draw::Color color) override;
    void drawRect(const draw::Rect& rect, const draw::Pen& pen) override;
    void drawLine(draw::Point from, draw::Point to, const draw::Pen& pen) override;
    void drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen) override;
    void drawText(
        draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style) override;
    void drawImage(draw::Point at, std::string_view imageName) override;
    int textWidth(std::string_view text, const draw::Font& font) const override;

    // The Qt font that stands for a font request: installed faces for the
    // window system's ones, pixel sizes for the cell or character heights.
    static QFont toQFont(const draw::Font& font);
    static QPen toQPen(const draw::Pen& pen, PenWidthUnit unit = PenWidthUnit::DevicePixel);

private:
    const QFont& cachedFont(const draw::Font& font) const;
    // Draws with the pen's raster operation, restoring the painter's afterwards.
    template <typename DrawFn> void withPen(const draw::Pen& pen, DrawFn draw);

    QPainter& painter_;
    PenWidthUnit penWidthUnit_;
    mutable draw::Font lastFont_;
    mutable QFont lastQFont_;
    mutable bool hasLastFont_ = false;
};

}  // namespace brivon::ui
