#pragma once
// The canvas seam: the drawing operations of the graph views, the meter panel
// and the reports. The Qt layer draws them with a QPainter; tests record them
// and assert on positions, texts and colours.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brivon::draw {

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Color { r, g, b };
}

// Colours the windows share: the background of the bands around the graph and
// of the strip under the meter panel, and the face of buttons and text strips.
inline constexpr Color kWindowBackground = rgb(217, 218, 212);
inline constexpr Color kButtonFace = rgb(240, 240, 240);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in a window's client rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot };

// CopyPen draws the pen's colour; NotXorPen inverts what is under the line
// where the pen is black (the graph's cursor: white on the black plot).
enum class RasterOp { CopyPen, NotXorPen };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color;
    RasterOp op = RasterOp::CopyPen;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// Font request in the terms of the window system the layouts were drawn for:
// a positive height is the cell height in pixels, a negative height the
// character height; width 0 lets the face choose; weight 400 normal, 700 bold.
struct Font {
    std::string face;
    int height = 0;
    int width = 0;
    int weight = 0;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Where the text's reference point lies horizontally; vertically it is always the top.
enum class TextAlign { Left, Center, Right };

struct TextStyle {
    Color color;
    TextAlign align = TextAlign::Left;
    std::optional<Color> background;  // none = transparent
    friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void fillRect(const Rect& rect, Color color) = 0;
    // Outline of `rect`, covering left..right-1 and top..bottom-1.
    virtual void drawRect(const Rect& rect, const Pen& pen) = 0;
    virtual void drawLine(Point from, Point to, const Pen& pen) = 0;
    virtual void drawPolyline(std::span<const Point> points, const Pen& pen) = 0;
    virtual void drawText(Point at, std::string_view text, const Font& font, const TextStyle& style) = 0;
    // A picture of the program's resources, e.g. "meter-face", at its own size.
    virtual void drawImage(Point at, std::string_view imageName) = 0;
    virtual int textWidth(std::string_view text, const Font& font) const = 0;
};

}  // namespace brivon::draw
