#include "core/files/MemoryListRows.h"

#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

namespace brivon::files {
namespace {

constexpr const char* kNumberFormat = "%d";

// The row of `record`, the `index`-th (0-based) record of its block.
MemoryListRow memoryListRow(const store::MemoryRecord& record, int index)
{
    measure::ExportValueText value = measure::exportValueText(
        record.value, record.footCandle, measure::FactorPrecision::Double, record.negative != 0);
    return { util::printfString(kNumberFormat, index + 1), std::move(value.data), std::move(value.unit),
        record.status, record.time };
}

}  // namespace

std::vector<MemoryListRow> memoryListRows(const store::MemoryBlock& block)
{
    std::vector<MemoryListRow> rows;
    int index = 0;
    for (const store::MemoryRecord& record : block.used())
        rows.push_back(memoryListRow(record, index++));
    return rows;
}

}  // namespace brivon::files
