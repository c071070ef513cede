#include "support/RecordingCanvas.h"

#include <cstdlib>

namespace brivon::support {

void RecordingCanvas::fillRect(const draw::Rect& rect, draw::Color color)
{
    ops_.push_back(FillOp { rect, color });
}

void RecordingCanvas::drawRect(const draw::Rect& rect, const draw::Pen& pen)
{
    ops_.push_back(RectOp { rect, pen });
}

void RecordingCanvas::drawLine(draw::Point from, draw::Point to, const draw::Pen& pen)
{
    ops_.push_back(LineOp { from, to, pen });
}

void RecordingCanvas::drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen)
{
    ops_.push_back(PolylineOp { { points.begin(), points.end() }, pen });
}

void RecordingCanvas::drawText(
    draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style)
{
    ops_.push_back(TextOp { at, std::string(text), font, style });
}

void RecordingCanvas::drawImage(draw::Point at, std::string_view imageName)
{
    ops_.push_back(ImageOp { at, std::string(imageName) });
}

int RecordingCanvas::textWidth(std::string_view text, const draw::Font& font) const
{
    const int charWidth = font.width != 0 ? font.width : std::abs(font.height) / 2;
    return static_cast<int>(text.size()) * charWidth;
}

std::vector<std::string> RecordingCanvas::texts() const
{
    std::vector<std::string> found;
    for (const auto& op : all<TextOp>())
        found.push_back(op.text);
    return found;
}

const TextOp* RecordingCanvas::findText(std::string_view text) const
{
    for (const auto& op : ops_)
        if (const auto* typed = std::get_if<TextOp>(&op); typed && typed->text == text) return typed;
    return nullptr;
}

}  // namespace brivon::support
