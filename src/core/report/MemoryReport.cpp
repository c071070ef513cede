#include "core/report/MemoryReport.h"

#include "core/files/MemoryListRows.h"
#include "core/report/ReportPage.h"

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
}

}  // namespace brivon::report
