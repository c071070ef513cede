#pragma once
// Lines of text pieces on a report: the pieces follow each other on a line,
// three spaces apart, and go on at the next line where the next one would pass
// the right edge. A piece wider than a whole line is cut short with "...".

#include "core/draw/Canvas.h"

#include <string>
#include <vector>

namespace brivon::report {

struct TextFlow {
    int left;  // where every line starts
    int right;  // no text passes it
    int lineHeight;  // from one line's top to the next one's
};

// `text` as it fits in `width` in `font`: unchanged when it fits, else shortened
// at its end, a whole UTF-8 character at a time, and followed by `elision`.
std::string cutToWidth(const draw::Canvas& canvas, std::string text, const draw::Font& font, int width,
    const std::string& elision);

// Draws `pieces` from `top` downwards in the report's text font; returns the top of the next line.
int drawTextFlow(draw::Canvas& canvas, const TextFlow& flow, const std::vector<std::string>& pieces, int top);

}  // namespace brivon::report
