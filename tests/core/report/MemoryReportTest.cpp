#include "core/report/MemoryReport.h"

#include "support/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace brivon::report {
namespace {

using support::LineOp;
using support::TextOp;

const draw::Font kTable { "Arial", -10, 0, 100 };

std::unique_ptr<store::MemoryBlock> blockOf(int count)
{
    auto block = std::make_unique<store::MemoryBlock>();
    block->recordCount = count;
    for (int k = 0; k < count; ++k) {
        block->records[static_cast<std::size_t>(k)]
            = store::MemoryRecord { static_cast<float>(k), "09/12/26 07:30:00", "General", 0, 0 };
    }
    return block;
}

TEST(MemoryReport, RuleAndHeadsWithoutRecords)
{
    ::brivon::support::RecordingCanvas canvas;
    drawMemoryReport(canvas, *blockOf(0));
    const auto lines = canvas.all<LineOp>();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].from, (draw::Point { -770, 1110 }));
    EXPECT_EQ(lines[0].to, (draw::Point { -10, 1110 }));
    EXPECT_EQ(lines[0].pen.width, 2);
    EXPECT_EQ(
        canvas.texts(), (std::vector<std::string> { "NO", "DATA", "UNIT", "STATUS", "TIME", "Records 0" }));
    EXPECT_EQ(canvas.findText("STATUS")->at, (draw::Point { -266, 1130 }));
    EXPECT_EQ(canvas.findText("TIME")->font, kTable);
}

TEST(MemoryReport, HundredRecordsEndJustAboveTheBottom)
{
    ::brivon::support::RecordingCanvas canvas;
    drawMemoryReport(canvas, *blockOf(100));
    const auto texts = canvas.all<TextOp>();
    ASSERT_EQ(texts.size(), 5u * 101u + 3u);
    const TextOp& lastNumber = texts[5 * 100];
    EXPECT_EQ(lastNumber.text, "100");
    EXPECT_EQ(lastNumber.at, (draw::Point { -644, 11 }));
    EXPECT_EQ(texts[5].at, (draw::Point { -644, 1100 }));
    EXPECT_EQ(texts[5 * 100 + 1].text, "99.00");
    EXPECT_EQ(texts[5 * 100 + 4].at, (draw::Point { -140, 11 }));
    EXPECT_EQ(texts[5 * 100 + 4].text, "09/12/26 07:30:00");
    EXPECT_EQ(texts[5 * 101].text, "Records 100");
    EXPECT_EQ(texts[5 * 101 + 1].text, "From 09/12/26 07:30:00");
    EXPECT_EQ(texts[5 * 101 + 2].text, "To 09/12/26 07:30:00");
}

struct RowCase {
    const char* name;
    store::MemoryRecord record;
    const char* data;
    const char* unit;
};

class MemoryRow : public ::testing::TestWithParam<RowCase> { };

TEST_P(MemoryRow, ShowsValueAndUnitAsTheList)
{
    auto block = blockOf(1);
    block->records[0] = GetParam().record;
    ::brivon::support::RecordingCanvas canvas;
    drawMemoryReport(canvas, *block);
    const auto texts = canvas.all<TextOp>();
    ASSERT_EQ(texts.size(), 11u);
    EXPECT_EQ(texts[6].text, GetParam().data);
    EXPECT_EQ(texts[6].at, (draw::Point { -518, 1100 }));
    EXPECT_EQ(texts[7].text, GetParam().unit);
    EXPECT_EQ(texts[8].text, GetParam().record.status);
}

INSTANTIATE_TEST_SUITE_P(Values, MemoryRow,
    ::testing::Values(RowCase { "Lux", { 123.456f, "t", "Max", 0, 0 }, "123.46", "Lux" },
        RowCase { "KiloLux", { 1500.0f, "t", "Min", 0, 0 }, "1.50K", "Lux" },
        RowCase { "FootCandles", { 1076.0f, "t", "Rel", 0, 1 }, "100.00", "FC" },
        RowCase { "OverRange", { 5000000.0f, "t", "Pmax", 0, 0 }, "OL", "Lux" },
        RowCase { "Negative", { 12.0f, "t", "General", 1, 0 }, "-12.00", "Lux" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon::report
