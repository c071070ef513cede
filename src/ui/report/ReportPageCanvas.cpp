#include "ui/report/ReportPageCanvas.h"

#include "core/report/ReportPage.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <vector>

namespace brivon::ui {
namespace {

draw::Point flipped(draw::Point point)
{
    return { point.x, -point.y };
}

// A report rectangle has its upper edge in `top`.
draw::Rect flipped(const draw::Rect& rect)
{
    return { rect.left, -rect.top, rect.right, -rect.bottom };
}

}  // namespace

QTransform reportTransform(const QPaintDevice& device)
{
    const double unitsToPixelsX = device.logicalDpiX() / double(report::kUnitsPerInch);
    const double unitsToPixelsY = device.logicalDpiY() / double(report::kUnitsPerInch);
    const double fit = std::min({ 1.0, device.width() / (report::kPageWidth * unitsToPixelsX),
        device.height() / (report::kPageHeight * unitsToPixelsY) });
    QTransform transform;
    transform.translate(device.width(), device.height());
    transform.scale(fit * unitsToPixelsX, fit * unitsToPixelsY);
    return transform;
}

ReportPageCanvas::ReportPageCanvas(QPainter& painter)
    : canvas_(painter, PenWidthUnit::Logical)
{
}

void ReportPageCanvas::fillRect(const draw::Rect& rect, draw::Color color)
{
    canvas_.fillRect(flipped(rect), color);
}

void ReportPageCanvas::drawRect(const draw::Rect& rect, const draw::Pen& pen)
{
    canvas_.drawRect(flipped(rect), pen);
}

void ReportPageCanvas::drawLine(draw::Point from, draw::Point to, const draw::Pen& pen)
{
    canvas_.drawLine(flipped(from), flipped(to), pen);
}

void ReportPageCanvas::drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen)
{
    std::vector<draw::Point> onPage(points.begin(), points.end());
    std::transform(onPage.begin(), onPage.end(), onPage.begin(), [](draw::Point p) { return flipped(p); });
    canvas_.drawPolyline(onPage, pen);
}

void ReportPageCanvas::drawText(
    draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style)
{
    canvas_.drawText(flipped(at), text, font, style);
}

void ReportPageCanvas::drawImage(draw::Point at, std::string_view imageName)
{
    canvas_.drawImage(flipped(at), imageName);
}

int ReportPageCanvas::textWidth(std::string_view text, const draw::Font& font) const
{
    return canvas_.textWidth(text, font);
}

}  // namespace brivon::ui
