#include "core/panel/PanelPainter.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>
#include <string_view>

namespace brivon {
namespace {

using support::LineOp;
using support::RecordingCanvas;
using support::TextOp;

constexpr int kWidth = 228;
constexpr int kHeight = 700;
constexpr draw::Color kBlack { 0, 0, 0 };

link::Reading liveReading()
{
    link::Reading r;
    r.readingText = "123.4";
    r.unitText = "Lux";
    r.holdText = "HOLD";
    r.modeText = "    ";
    r.rangeText = "400";
    r.clockText = "12:34:56";
    r.clockLabel = "Time";
    r.memoryFlagText = "MEM";
    r.memoryNumberText = "07";
    r.barCount = 12;
    return r;
}

class PanelPaint : public ::testing::Test {
protected:
    PanelPaint() { display.setOffline(false); }

    void paintReading(const link::Reading& reading)
    {
        display.showReading(reading);
        paint();
    }
    void paint(int height = kHeight)
    {
        canvas.clear();
        painter.paint(canvas, display, kWidth, height);
    }
    // The arc's ticks: every line but the range underline.
    std::vector<LineOp> ticks() const
    {
        auto lines = canvas.all<LineOp>();
        std::erase_if(lines, [](const LineOp& l) { return l.from.y == 258 && l.to.y == 258; });
        return lines;
    }
    std::vector<const TextOp*> textsAt(draw::Point at) const
    {
        std::vector<const TextOp*> found;
        for (const auto& op : canvas.ops())
            if (const auto* t = std::get_if<TextOp>(&op); t && t->at == at) found.push_back(t);
        return found;
    }

    panel::PanelDisplay display;
    panel::PanelPainter painter;
    RecordingCanvas canvas;
};

TEST_F(PanelPaint, BeforeTheFirstFrameShowsOnlyOfflineInRed)
{
    panel::PanelDisplay fresh;
    fresh.showReading(liveReading());  // texts arriving do not clear the flag
    painter.paint(canvas, fresh, kWidth, kHeight);

    ASSERT_EQ(canvas.ops().size(), 3u);
    const auto fills = canvas.all<support::FillOp>();
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (draw::Rect { 52, 125, 166, 275 }));
    EXPECT_EQ(fills[0].color, (draw::Color { 168, 191, 163 }));
    EXPECT_EQ(fills[1].rect, (draw::Rect { 0, 600, kWidth, kHeight }));
    EXPECT_EQ(fills[1].color, (draw::Color { 217, 218, 212 }));

    const TextOp* offline = canvas.findText("OFFLINE");
    ASSERT_NE(offline, nullptr);
    EXPECT_EQ(offline->at, (draw::Point { 53, 160 }));
    EXPECT_EQ(offline->style.color, (draw::Color { 255, 0, 0 }));
    EXPECT_FALSE(offline->style.background.has_value());
    EXPECT_EQ(offline->font, (draw::Font { "Narrow Arial", 60, 13, 700 }));
}

// A face whose capitals are a third wider than the average width asked for.
class WideCapitalsCanvas : public RecordingCanvas {
public:
    int textWidth(std::string_view text, const draw::Font& font) const override
    {
        return static_cast<int>(text.size()) * font.width * 4 / 3;
    }
};

TEST_F(PanelPaint, OfflineIsNarrowedToFitTheDisplayWhenTheFaceDrawsItWide)
{
    WideCapitalsCanvas wide;
    panel::PanelDisplay fresh;
    painter.paint(wide, fresh, kWidth, kHeight);
    const TextOp* offline = wide.findText("OFFLINE");
    ASSERT_NE(offline, nullptr);
    EXPECT_EQ(offline->at, (draw::Point { 53, 160 }));
    EXPECT_EQ(offline->font.height, 60);
    EXPECT_LT(offline->font.width, 13);
    const int right = offline->at.x + wide.textWidth("OFFLINE", offline->font);
    EXPECT_LE(right, 165) << "one pixel short of the display's right edge, as on the left";
    EXPECT_GE(right, 165 - 7) << "narrowed no more than needed";
}

TEST_F(PanelPaint, OnlineShowsTheMeterTextsInBlackAndNoOffline)
{
    paintReading(liveReading());
    EXPECT_EQ(canvas.findText("OFFLINE"), nullptr);
    for (const auto& text : canvas.all<TextOp>()) {
        EXPECT_EQ(text.style.color, kBlack) << text.text;
        EXPECT_FALSE(text.style.background.has_value()) << text.text;
    }
}

TEST_F(PanelPaint, GoingOfflineAgainHidesTheReading)
{
    paintReading(liveReading());
    display.setOffline(true);
    paint();
    EXPECT_EQ(canvas.texts(), std::vector<std::string> { "OFFLINE" });
}

TEST_F(PanelPaint, BottomStripOnlyWhenThePanelReachesBelowIt)
{
    paint(600);
    EXPECT_EQ(canvas.all<support::FillOp>().size(), 1u);
    paint(601);
    ASSERT_EQ(canvas.all<support::FillOp>().size(), 2u);
    EXPECT_EQ(canvas.all<support::FillOp>()[1].rect, (draw::Rect { 0, 600, kWidth, 601 }));
}

// The letters and digits of a drawn text, as a test name.
std::string lettersAndDigits(std::string_view text)
{
    std::string name;
    for (const char c : text)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

struct PlacedText {
    const char* text;
    draw::Point at;
    draw::Font font;
};

class PanelTextPlacement : public PanelPaint, public ::testing::WithParamInterface<PlacedText> { };

TEST_P(PanelTextPlacement, EachTextHasItsPlaceAndFont)
{
    link::Reading r = liveReading();
    r.modeText = "PMAX";
    display.setStatusText("DownLoad");
    paintReading(r);

    const PlacedText& expected = GetParam();
    const TextOp* drawn = canvas.findText(expected.text);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->at, expected.at);
    EXPECT_EQ(drawn->font, expected.font);
}

const draw::Font kLabel { "Arial", -9, 0, 0 };
const draw::Font kSmall { " Narrow Arial", -7, 0, 0 };
const draw::Font kClock { "Narrow Arial", -20, 6, 700 };

INSTANTIATE_TEST_SUITE_P(Layout, PanelTextPlacement,
    ::testing::Values(PlacedText { "123.4", { 70, 190 }, { "Narrow Arial", 60, 15, 700 } },
        PlacedText { "Lux", { 140, 250 }, kLabel }, PlacedText { "HOLD", { 58, 263 }, kLabel },
        PlacedText { "Manu", { 60, 250 }, kLabel }, PlacedText { "Tolvy", { 130, 150 }, kLabel },
        PlacedText { "MEM", { 110, 130 }, kLabel }, PlacedText { "DownLoad", { 120, 160 }, kLabel },
        PlacedText { "Time", { 60, 135 }, kLabel }, PlacedText { "PMAX", { 90, 252 }, kSmall },
        PlacedText { "400", { 117, 250 }, kSmall }, PlacedText { "12:34:56", { 60, 145 }, kClock },
        PlacedText { "07", { 133, 125 }, kClock }),
    [](const auto& param) { return "Text" + lettersAndDigits(param.param.text); });

struct ModeCase {
    const char* mode;
    bool manualShown;
    const char* modeShown;  // nullptr: nothing at the mode's place
};

class PanelModeText : public PanelPaint, public ::testing::WithParamInterface<ModeCase> { };

TEST_P(PanelModeText, ManualMarkAndModeText)
{
    link::Reading r = liveReading();
    r.modeText = GetParam().mode;
    paintReading(r);

    const auto manual = textsAt({ 60, 250 });
    ASSERT_EQ(manual.size(), GetParam().manualShown ? 1u : 0u);
    if (GetParam().manualShown) {
        EXPECT_EQ(manual[0]->text, "Manu");
    }

    const auto mode = textsAt({ 90, 252 });
    ASSERT_EQ(mode.size(), GetParam().modeShown ? 1u : 0u);
    if (GetParam().modeShown) {
        EXPECT_EQ(mode[0]->text, GetParam().modeShown);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PanelModeText,
    ::testing::Values(ModeCase { "Manu", true, nullptr }, ModeCase { "MAX ", true, "MAX " },
        ModeCase { "PMIN", true, "PMIN" }, ModeCase { "    ", false, "    " }),
    [](const auto& param) {
        const std::string name = lettersAndDigits(param.param.mode);
        return name.empty() ? std::string("Blank") : name;
    });

struct ReadingCase {
    const char* text;
    int x;
};

class PanelReadingAlignment : public PanelPaint, public ::testing::WithParamInterface<ReadingCase> { };

TEST_P(PanelReadingAlignment, RightAlignedByCharacterCount)
{
    link::Reading r = liveReading();
    r.readingText = GetParam().text;
    paintReading(r);
    const TextOp* drawn = canvas.findText(GetParam().text);
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->at, (draw::Point { GetParam().x, 190 }));
}

INSTANTIATE_TEST_SUITE_P(Readings, PanelReadingAlignment,
    ::testing::Values(ReadingCase { "OL", 115 }, ReadingCase { "-OL", 100 }, ReadingCase { "1234", 85 },
        ReadingCase { "123.4", 70 }, ReadingCase { "-39.99", 55 }),
    [](const auto& param) {
        return std::string(
                   std::array { "Two", "Three", "Four", "Five", "Six" }.at(std::strlen(param.param.text) - 2))
            + "Characters";
    });

struct RangeCase {
    const char* text;
    int underlineEnd;
};

class PanelRangeUnderline : public PanelPaint, public ::testing::WithParamInterface<RangeCase> { };

TEST_P(PanelRangeUnderline, LengthFollowsTheRangeText)
{
    link::Reading r = liveReading();
    r.rangeText = GetParam().text;
    r.barCount = -1;  // no arc: the underline is the only line
    paintReading(r);
    const auto lines = canvas.all<LineOp>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (draw::Point { 117, 258 }));
    EXPECT_EQ(lines[0].to, (draw::Point { GetParam().underlineEnd, 258 }));
    EXPECT_EQ(lines[0].pen, (draw::Pen { draw::PenStyle::Solid, 1, kBlack }));
}

INSTANTIATE_TEST_SUITE_P(Ranges, PanelRangeUnderline,
    ::testing::Values(RangeCase { "40", 126 }, RangeCase { "400", 129 }, RangeCase { "400k", 132 }),
    [](const auto& param) { return "Range" + lettersAndDigits(param.param.text); });

struct BarCase {
    int count;
    int ticksDrawn;
    std::vector<std::string> labels;
};

class PanelBarGraph : public PanelPaint, public ::testing::WithParamInterface<BarCase> { };

TEST_P(PanelBarGraph, TicksAndLabelsUpToTheCount)
{
    link::Reading r = liveReading();
    r.barCount = GetParam().count;
    paintReading(r);

    EXPECT_EQ(static_cast<int>(ticks().size()), GetParam().ticksDrawn);
    EXPECT_LE(display.barCount(), 40) << "kept as drawn";
    std::vector<std::string> labels;
    for (const auto& text : canvas.all<TextOp>())
        if (text.font == kSmall && text.at.y < 190) labels.push_back(text.text);
    EXPECT_EQ(labels, GetParam().labels);
}

INSTANTIATE_TEST_SUITE_P(Counts, PanelBarGraph,
    ::testing::Values(BarCase { -1, 0, {} }, BarCase { 0, 1, { "0" } }, BarCase { 9, 10, { "0" } },
        BarCase { 10, 11, { "0", "10" } }, BarCase { 40, 41, { "0", "10", "20", "30", "40" } },
        BarCase { 57, 41, { "0", "10", "20", "30", "40" } }),
    [](const auto& param) {
        return param.param.count < 0 ? std::string("NoArc") : "Count" + std::to_string(param.param.count);
    });

struct TickCase {
    int tick;
    draw::Point inner;
    draw::Point outer;
};

class PanelTickGeometry : public PanelPaint, public ::testing::WithParamInterface<TickCase> { };

TEST_P(PanelTickGeometry, TickRunsFromTheShortToTheLongRadius)
{
    link::Reading r = liveReading();
    r.barCount = 40;
    paintReading(r);
    const LineOp tick = ticks().at(static_cast<std::size_t>(GetParam().tick));
    EXPECT_EQ(tick.from, GetParam().inner);
    EXPECT_EQ(tick.to, GetParam().outer);
}

// Ticks at multiples of five are long; the right half mirrors the left about x = 109.
INSTANTIATE_TEST_SUITE_P(Arc, PanelTickGeometry,
    ::testing::Values(TickCase { 0, { 59, 198 }, { 55, 187 } }, TickCase { 1, { 61, 197 }, { 59, 190 } },
        TickCase { 5, { 71, 194 }, { 68, 183 } }, TickCase { 19, { 106, 190 }, { 106, 182 } },
        TickCase { 20, { 109, 190 }, { 109, 178 } }, TickCase { 21, { 111, 190 }, { 111, 182 } },
        TickCase { 35, { 146, 194 }, { 149, 183 } }, TickCase { 40, { 158, 198 }, { 162, 187 } }),
    [](const auto& param) { return "Tick" + std::to_string(param.param.tick); });

TEST_F(PanelPaint, LabelsSitBesideTheirLongTicks)
{
    link::Reading r = liveReading();
    r.barCount = 40;
    paintReading(r);
    const std::vector<std::pair<const char*, draw::Point>> expected { { "0", { 53, 181 } },
        { "10", { 77, 174 } }, { "20", { 105, 172 } }, { "30", { 132, 174 } }, { "40", { 157, 180 } } };
    for (const auto& [label, at] : expected) {
        const TextOp* drawn = canvas.findText(label);
        ASSERT_NE(drawn, nullptr) << label;
        EXPECT_EQ(drawn->at, at) << label;
        EXPECT_EQ(drawn->font, kSmall) << label;
    }
}

}  // namespace
}  // namespace brivon
