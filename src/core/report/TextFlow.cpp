#include "core/report/TextFlow.h"

#include "core/report/ReportPage.h"

#include <utility>

namespace brivon::report {
namespace {

constexpr const char* kSeparator = "   ";
constexpr const char* kElision = "...";

constexpr unsigned char kUtf8ContinuationMask = 0xC0;
constexpr unsigned char kUtf8Continuation = 0x80;

}  // namespace

std::string cutToWidth(const draw::Canvas& canvas, std::string text, const draw::Font& font, int width,
    const std::string& elision)
{
    if (canvas.textWidth(text, font) <= width) return text;
    while (!text.empty() && canvas.textWidth(text + elision, font) > width) {
        text.pop_back();
        while (!text.empty()
            && (static_cast<unsigned char>(text.back()) & kUtf8ContinuationMask) == kUtf8Continuation)
            text.pop_back();
    }
    return text + elision;
}

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
        canvas.drawText(
            { flow.left, top }, cutToWidth(canvas, line, kTextFont, width, kElision), kTextFont, kTextStyle);
        top -= flow.lineHeight;
        line = piece;
    }
    if (!line.empty()) {
        canvas.drawText(
            { flow.left, top }, cutToWidth(canvas, line, kTextFont, width, kElision), kTextFont, kTextStyle);
        top -= flow.lineHeight;
    }
    return top;
}

}  // namespace brivon::report
