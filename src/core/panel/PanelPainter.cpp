#include "core/panel/PanelPainter.h"

#include "core/panel/PanelLayout.h"

#include <algorithm>
#include <string>

namespace brivon::panel {
namespace {

using namespace panel;

const draw::TextStyle kBlackText { kTextColor, draw::TextAlign::Left, std::nullopt };
const draw::Pen kBlackPen { draw::PenStyle::Solid, 1, kTextColor, draw::RasterOp::CopyPen };

int characterCount(const std::string& text)
{
    return static_cast<int>(text.size());
}

// The "OFFLINE" font, its characters narrowed until the word fits the display
// (a face's capitals are wider than the average width the font asks for).
draw::Font offlineFontFitting(const draw::Canvas& canvas)
{
    draw::Font font = kOfflineFont;
    const int measured = canvas.textWidth(kOfflineText, font);
    if (measured <= kOfflineRoom) return font;
    font.width = std::max(1, font.width * kOfflineRoom / measured);
    while (font.width > 1 && canvas.textWidth(kOfflineText, font) > kOfflineRoom)
        --font.width;
    return font;
}

draw::Point labelOffset(int tick)
{
    if (tick == 0) return kFirstLabelOffset;
    if (tick == kLastTick) return kLastLabelOffset;
    return kInnerLabelOffset;
}

}  // namespace

void PanelPainter::paint(
    draw::Canvas& canvas, const PanelDisplay& display, int clientWidth, int clientHeight) const
{
    canvas.fillRect(kDisplayRect, kDisplayColor);
    if (clientHeight > kBottomStripTop)
        canvas.fillRect({ 0, kBottomStripTop, clientWidth, clientHeight }, kBottomStripColor);

    if (display.offline()) {
        canvas.drawText(kOfflineAt, kOfflineText, offlineFontFitting(canvas),
            draw::TextStyle { kOfflineColor, draw::TextAlign::Left, std::nullopt });
        return;
    }
    paintTexts(canvas, display.texts());
    paintArc(canvas, display.barCount());
}

void PanelPainter::paintTexts(draw::Canvas& canvas, const PanelTexts& texts) const
{
    const int readingLeft = kReadingRight - kReadingAdvance * characterCount(texts.reading);
    canvas.drawText({ readingLeft, kReadingTop }, texts.reading, kReadingFont, kBlackText);

    canvas.drawText(kUnitAt, texts.unit, kLabelFont, kBlackText);
    canvas.drawText(kHoldAt, texts.hold, kLabelFont, kBlackText);
    if (texts.mode != kNoModeText) canvas.drawText(kManualAt, kManualText, kLabelFont, kBlackText);
    canvas.drawText(kBrandAt, kBrandText, kLabelFont, kBlackText);
    canvas.drawText(kMemoryFlagAt, texts.memoryFlag, kLabelFont, kBlackText);
    canvas.drawText(kStatusAt, texts.status, kLabelFont, kBlackText);
    canvas.drawText(kClockLabelAt, texts.clockLabel, kLabelFont, kBlackText);

    if (texts.mode != kManualText) canvas.drawText(kModeAt, texts.mode, kSmallFont, kBlackText);
    canvas.drawText(kRangeAt, texts.range, kSmallFont, kBlackText);
    const int underlineEnd = kRangeUnderlineBase + kRangeUnderlineAdvance * characterCount(texts.range);
    canvas.drawLine({ kRangeAt.x, kRangeUnderlineY }, { underlineEnd, kRangeUnderlineY }, kBlackPen);

    canvas.drawText(kClockAt, texts.clock, kClockFont, kBlackText);
    canvas.drawText(kMemoryNumberAt, texts.memoryNumber, kClockFont, kBlackText);
}

void PanelPainter::paintArc(draw::Canvas& canvas, int barCount) const
{
    for (int tick = 0; tick <= barCount; ++tick) {
        const draw::Point outer = arc_.outerPoint(tick);
        canvas.drawLine(arc_.innerPoint(tick), outer, kBlackPen);
        if (tick % kLabelEvery != 0) continue;
        const draw::Point offset = labelOffset(tick);
        canvas.drawText(
            { outer.x + offset.x, outer.y + offset.y }, std::to_string(tick), kSmallFont, kBlackText);
    }
}

}  // namespace brivon::panel
