#include "core/report/TextFlow.h"

#include "core/report/ReportPage.h"

#include <utility>

namespace brivon::report {
namespace {

constexpr const char* kSeparator = "   ";
constexpr const char* kElision = "...";

// `piece`, shortened at its end until it fits in `width`.
std::string fitted(const draw::Canvas& canvas, std::string piece, int width)
{
    if (canvas.textWidth(piece, kTextFont) <= width) return piece;
    while (!piece.empty() && canvas.textWidth(piece + kElision, kTextFont) > width)
        piece.pop_back();
    return piece + kElision;
}

}  // namespace

int drawTextFlow(draw::Canvas& canvas, const TextFlow& flow, const std::vector<std::string>& pieces, int top)
{
    const int width = flow.right - flow.left;
    std::string line;
    for (const std::string& piece : pieces) {
        std::string next = line;
        if (!next.empty()) next += kSeparator;
        next += piece;
        if (line.empty() || canvas.textWidth(next, kTextFont) <= width) {
            line = std::move(next);
            continue;
        }
        canvas.drawText({ flow.left, top }, fitted(canvas, line, width), kTextFont, kTextStyle);
        top -= flow.lineHeight;
        line = piece;
    }
    if (!line.empty()) {
        canvas.drawText({ flow.left, top }, fitted(canvas, line, width), kTextFont, kTextStyle);
        top -= flow.lineHeight;
    }
    return top;
}

}  // namespace brivon::report
