#include "core/files/MemoryListRows.h"

#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

namespace brivon::files {
namespace {

constexpr const char* kNumberFormat = "%d";

}  // namespace

MemoryListRow memoryListRow(const MemoryRecord& record, int index)
{
    measure::ExportValueText value = measure::exportValueText(
        record.value, record.footCandle, measure::FactorPrecision::Double, record.negative != 0);
    return { util::printfString(kNumberFormat, index + 1), std::move(value.data), std::move(value.unit),
        record.status, record.time };
}

}  // namespace brivon::files
