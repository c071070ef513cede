#pragma once
// The one-page test report of the memory records: a table of number, value,
// unit, status and time, one row per record, with the record count and the
// records' date range in the margin left of it.

#include "core/draw/Canvas.h"
#include "core/store/MemoryBlock.h"

namespace brivon::report {

// Draws the report in report coordinates; all records fit on the page.
void drawMemoryReport(draw::Canvas& canvas, const store::MemoryBlock& block);

}  // namespace brivon::report
