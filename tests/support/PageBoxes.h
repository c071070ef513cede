#pragma once
// The boxes drawn texts and rectangles take on a report page, to check that
// nothing overlaps and all stays on the page.

#include "core/report/ReportPage.h"
#include "support/RecordingCanvas.h"

#include <cstdlib>

namespace brivon::support {

// A box in report coordinates: left < right, bottom < top.
struct Box {
    int left, bottom, right, top;
};

inline Box boxOf(const TextOp& text, const RecordingCanvas& canvas)
{
    const int width = canvas.textWidth(text.text, text.font);
    int left = text.at.x;
    if (text.style.align == draw::TextAlign::Center) left -= width / 2;
    if (text.style.align == draw::TextAlign::Right) left -= width;
    return { left, text.at.y - std::abs(text.font.height), left + width, text.at.y };
}

inline Box boxOf(const draw::Rect& rect)
{
    return { rect.left, rect.bottom, rect.right, rect.top };
}

inline bool overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

inline bool onPage(const Box& box)
{
    return box.left >= -report::kPageWidth && box.right <= 0 && box.bottom >= 0
        && box.top <= report::kPageHeight;
}

}  // namespace brivon::support
