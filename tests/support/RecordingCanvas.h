#pragma once
// A canvas that records every operation, for tests that assert on what was drawn.

#include "core/draw/Canvas.h"

#include <string>
#include <variant>
#include <vector>

namespace brivon::support {

struct FillOp {
    draw::Rect rect;
    draw::Color color;
};
struct RectOp {
    draw::Rect rect;
    draw::Pen pen;
};
struct LineOp {
    draw::Point from;
    draw::Point to;
    draw::Pen pen;
};
struct PolylineOp {
    std::vector<draw::Point> points;
    draw::Pen pen;
};
struct TextOp {
    draw::Point at;
    std::string text;
    draw::Font font;
    draw::TextStyle style;
};
struct ImageOp {
    draw::Point at;
    std::string name;
};

using CanvasOp = std::variant<FillOp, RectOp, LineOp, PolylineOp, TextOp, ImageOp>;

class RecordingCanvas : public draw::Canvas {
public:
    void fillRect(const draw::Rect& rect, draw::Color color) override;
    void drawRect(const draw::Rect& rect, const draw::Pen& pen) override;
    void drawLine(draw::Point from, draw::Point to, const draw::Pen& pen) override;
    void drawPolyline(std::span<const draw::Point> points, const draw::Pen& pen) override;
    void drawText(
        draw::Point at, std::string_view text, const draw::Font& font, const draw::TextStyle& style) override;
    void drawImage(draw::Point at, std::string_view imageName) override;
    // Character count times the font's width (or half its height when the width is 0).
    int textWidth(std::string_view text, const draw::Font& font) const override;

    const std::vector<CanvasOp>& ops() const { return ops_; }
    void clear() { ops_.clear(); }

    // Every operation of one kind, in drawing order.
    template <typename Op> std::vector<Op> all() const
    {
        std::vector<Op> found;
        for (const auto& op : ops_)
            if (const auto* typed = std::get_if<Op>(&op)) found.push_back(*typed);
        return found;
    }
    std::vector<std::string> texts() const;
    // The first text op with exactly this text, or nullptr.
    const TextOp* findText(std::string_view text) const;

private:
    std::vector<CanvasOp> ops_;
};

}  // namespace brivon::support
