#include "core/survey/SurveyGrid.h"

#include "core/measure/Units.h"
#include "core/util/Printf.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

namespace brivon::survey {
namespace {

constexpr const char* kPointFormat = "point (%d, %d), record %d: %s";

SurveyPoints refused(std::string reason)
{
    return { {}, std::move(reason) };
}

// Why the record cannot be a survey point; nothing when it can.
const char* recordProblem(const store::MemoryRecord& record)
{
    if (std::isnan(record.value)) return "not a number";
    if (measure::isOverRange(record.value)) return "over range (OL)";
    if (record.negative != 0 || record.value < 0) return "a negative reading";
    if (record.status == store::kRelativeStatus) return "a relative (Rel) reading";
    return nullptr;
}

// The chosen records, or why they are not in the list.
std::optional<std::string> rangeProblem(const RecordRange& range, int recordCount)
{
    if (range.first > range.last)
        return util::printfString("records %d-%d: the first comes after the last", range.first, range.last);
    if (range.first < 1 || range.last > recordCount)
        return util::printfString(
            "records %d-%d: not within the list's %d records", range.first, range.last, recordCount);
    return std::nullopt;
}

// Why `count` records do not fill the grid, naming the first point or record left over.
std::string sizeMismatch(GridSize grid, std::int64_t pointCount, int count, int firstRecord)
{
    const std::string sizes
        = util::printfString("the grid %d x %d has %lld points, but %d records were chosen", grid.rows,
            grid.columns, static_cast<long long>(pointCount), count);
    if (count > pointCount)
        return util::printfString("record %d has no point: ", firstRecord + static_cast<int>(pointCount))
            + sizes;
    return util::printfString(
               "point (%d, %d) has no record: ", count / grid.columns + 1, count % grid.columns + 1)
        + sizes;
}

}  // namespace

GridSize startingGrid(const std::optional<GridSize>& last, int recordCount)
{
    if (last && static_cast<std::int64_t>(last->rows) * last->columns == recordCount) return *last;
    return { 1, std::max(recordCount, 1) };
}

SurveyPoints surveyPoints(
    const store::MemoryBlock& block, GridSize grid, const std::optional<RecordRange>& records)
{
    const std::span<const store::MemoryRecord> list = block.used();
    const int recordCount = static_cast<int>(list.size());
    if (grid.rows < 1 || grid.columns < 1)
        return refused(util::printfString("the grid %d x %d has no points", grid.rows, grid.columns));
    const RecordRange range = records.value_or(RecordRange { 1, recordCount });
    if (records) {
        if (auto problem = rangeProblem(range, recordCount)) return refused(std::move(*problem));
    }
    const int count = range.last - range.first + 1;
    const std::int64_t pointCount = static_cast<std::int64_t>(grid.rows) * grid.columns;
    if (count != pointCount) return refused(sizeMismatch(grid, pointCount, count, range.first));

    SurveyPoints result;
    for (int index = 0; index < count; ++index) {
        const int number = range.first + index;
        const store::MemoryRecord& record = list[static_cast<std::size_t>(number - 1)];
        const int row = index / grid.columns + 1;
        const int column = index % grid.columns + 1;
        if (const char* problem = recordProblem(record))
            return refused(util::printfString(kPointFormat, row, column, number, problem));
        result.points.push_back({ row, column, number, static_cast<double>(record.value), record.time });
    }
    return result;
}

}  // namespace brivon::survey
