#pragma once
// The points of a light survey: a grid of rows × columns filled from memory
// records in memory order, row by row (the first record at row 1, column 1).

#include "core/store/MemoryBlock.h"

#include <optional>
#include <string>
#include <vector>

namespace brivon::survey {

struct GridSize {
    int rows = 0;
    int columns = 0;
};

// Records first..last of the list, 1-based and inclusive.
struct RecordRange {
    int first = 0;
    int last = 0;
};

struct SurveyPoint {
    int row = 0;  // 1-based
    int column = 0;  // 1-based
    int record = 0;  // the record's 1-based number in the list
    double lux = 0.0;
    std::string time;  // the record's time text as stored
};

struct SurveyPoints {
    std::vector<SurveyPoint> points;
    std::string refusal;  // why there are no points; empty when there are

    bool ok() const { return refusal.empty(); }
};

// The grid a survey of `recordCount` records starts from: `last` when it has
// that many points, else one row of all of them (of one point when there are none).
GridSize startingGrid(const std::optional<GridSize>& last, int recordCount);

// The grid's points from `records` of the block (all of them when none are
// chosen). Refused, naming the point and the record: a grid without points or
// of another size than the records chosen, a range outside the list, and a
// record that is over range, negative, relative or no number.
SurveyPoints surveyPoints(
    const store::MemoryBlock& block, GridSize grid, const std::optional<RecordRange>& records = std::nullopt);

}  // namespace brivon::survey
