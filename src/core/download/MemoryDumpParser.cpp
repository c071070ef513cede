#include "core/download/MemoryDumpParser.h"

#include "core/download/DumpLayout.h"
#include "core/download/StoredTime.h"
#include "core/download/StoredValue.h"

#include <optional>

namespace brivon::download {
namespace {

namespace field = layout::memory_record;

// The type text of the scale byte's type bits; none for the codes that leave the text unchanged.
std::optional<const char*> typeText(std::uint8_t scale)
{
    switch (scale & field::kTypeMask) {
    case 0x00:
        return "General";
    case 0x10:
        return "Pmin";
    case 0x18:
        return "Pmax";
    case 0x20:
        return "Max";
    case 0x28:
        return "Min";
    case 0x30:
        return store::kRelativeStatus;
    default:
        return std::nullopt;
    }
}

void readRecord(std::span<const std::uint8_t, layout::kMemoryRecordLength> bytes, store::MemoryRecord& record)
{
    const std::uint8_t scale = bytes[field::kScale];
    record.time = storedTimeText({ bytes[field::kYear], bytes[field::kMonth], bytes[field::kDay],
        bytes[field::kHour], bytes[field::kMinute], bytes[field::kSecond] });
    if (const auto text = typeText(scale)) record.status = *text;
    record.footCandle = isFootCandle(scale) ? 1 : 0;
    record.value = storedValue(
        { storedCount(bytes[field::kHundreds], bytes[field::kUnits]), scale }, OverRangeRule::Above);
    record.negative = (bytes[field::kSign] & field::kNegativeBit) != 0 ? 1 : 0;
}

}  // namespace

int parseMemoryDump(std::span<const std::uint8_t> dump, store::MemoryBlock& block)
{
    int count = 0;
    for (std::size_t offset = layout::kMemoryFirstRecord;
         offset <= layout::kMemoryLastRecord && offset + layout::kMemoryRecordLength <= dump.size();
         offset += layout::kMemoryRecordLength) {
        const auto bytes = dump.subspan(offset).first<layout::kMemoryRecordLength>();
        if (!isStoredDay(bytes[field::kDay])) break;
        readRecord(bytes, block.records[static_cast<std::size_t>(count)]);
        ++count;
    }
    block.recordCount = count;
    return count;
}

}  // namespace brivon::download
