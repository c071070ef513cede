#include "core/report/MemoryReport.h"

#include "core/files/MemoryListRows.h"
#include "core/report/ReportPage.h"
#include "core/store/MemoryRecordTimes.h"
#include "core/util/Printf.h"

#include <array>
#include <string>

namespace brivon::report {
namespace {

constexpr draw::Point kRuleFrom { -770, 1110 };
constexpr draw::Point kRuleTo { -10, 1110 };

constexpr int kHeadY = 1130;
constexpr int kFirstRowY = 1100;
constexpr int kRowPitch = 11;

enum Column { kNumber, kData, kUnit, kStatus, kTime, kColumnCount };
constexpr std::array<int, kColumnCount> kColumnX { -644, -518, -392, -266, -140 };
constexpr std::array<const char*, kColumnCount> kHeads { "NO", "DATA", "UNIT", "STATUS", "TIME" };

// Left of the number column, on the heads' line and the first rows'.
constexpr int kMarginX = -kPageWidth;
constexpr const char* kCountFormat = "Records %d";
constexpr const char* kOldestFormat = "From %s";
constexpr const char* kNewestFormat = "To %s";
constexpr const char* kRecordTimeFormat = "%d/%m/%y %H:%M:%S";

void drawSummary(draw::Canvas& canvas, const store::MemoryBlock& block)
{
    const auto records = static_cast<int>(block.used().size());
    canvas.drawText({ kMarginX, kHeadY }, util::printfString(kCountFormat, records), kTableFont, kTextStyle);
    const std::optional<store::RecordTimeRange> range = store::recordTimeRange(block);
    if (!range) return;
    canvas.drawText({ kMarginX, kFirstRowY },
        util::printfString(kOldestFormat, platform::formatTime(range->oldest, kRecordTimeFormat).c_str()),
        kTableFont, kTextStyle);
    canvas.drawText({ kMarginX, kFirstRowY - kRowPitch },
        util::printfString(kNewestFormat, platform::formatTime(range->newest, kRecordTimeFormat).c_str()),
        kTableFont, kTextStyle);
}

void drawRow(draw::Canvas& canvas, int y, const std::array<std::string, kColumnCount>& cells)
{
    for (std::size_t column = 0; column < cells.size(); ++column)
        canvas.drawText({ kColumnX[column], y }, cells[column], kTableFont, kTextStyle);
}

}  // namespace

void drawMemoryReport(draw::Canvas& canvas, const store::MemoryBlock& block)
{
    canvas.drawLine(kRuleFrom, kRuleTo, kOutlinePen);
    drawRow(
        canvas, kHeadY, { kHeads[kNumber], kHeads[kData], kHeads[kUnit], kHeads[kStatus], kHeads[kTime] });
    int k = 0;
    for (files::MemoryListRow& row : files::memoryListRows(block)) {
        drawRow(canvas, kFirstRowY - kRowPitch * k,
            { std::move(row.number), std::move(row.data), std::move(row.unit), std::move(row.status),
                std::move(row.time) });
        ++k;
    }
    drawSummary(canvas, block);
}

}  // namespace brivon::report
