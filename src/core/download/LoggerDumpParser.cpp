#include "core/download/LoggerDumpParser.h"

#include "core/download/DumpLayout.h"
#include "core/download/StoredTime.h"
#include "core/download/StoredValue.h"

#include <vector>

namespace brivon::download {
namespace {

namespace header = layout::set_header;
namespace record = layout::logger_record;

// Another set mark may not begin within this many bytes after a set mark's
// own two bytes, and the dump must reach past them, for the header to count.
constexpr std::size_t kMarkFreeSpan = 13;
// A set without records takes the full scale of range code 0.
constexpr std::uint8_t kEmptySetScale = 0;

bool isSetMarkAt(std::span<const std::uint8_t> dump, std::size_t at)
{
    return at + 1 < dump.size() && dump[at] == layout::kSetMark[0] && dump[at + 1] == layout::kSetMark[1];
}

bool isAcceptedHeaderAt(std::span<const std::uint8_t> dump, std::size_t at)
{
    if (!isSetMarkAt(dump, at)) return false;
    const std::size_t firstFree = at + layout::kSetMark.size();
    if (dump.size() <= firstFree + kMarkFreeSpan) return false;
    for (std::size_t p = firstFree; p < firstFree + kMarkFreeSpan; ++p)
        if (isSetMarkAt(dump, p)) return false;
    return true;
}

void addSet(
    std::span<const std::uint8_t> setHeader, const platform::Clock& clock, store::TransferBlock& block)
{
    const StoredTime start { setHeader[header::kYear], setHeader[header::kMonth], setHeader[header::kDay],
        setHeader[header::kHour], setHeader[header::kMinute], setHeader[header::kSecond] };
    block.startTimes.push_back(clock.fromLocal(storedLocalTime(start)));
    block.samplingRates.push_back(setHeader[header::kInterval]);
    block.unitFlags.push_back(setHeader[header::kUnit]);
}

// The readings of one set's records; returns the full scale of the last
// record's range, or `fullScale` when the set has none.
int addReadings(std::span<const std::uint8_t> records, int fullScale, store::TransferBlock& block)
{
    for (std::size_t at = 0; at + layout::kRecordLength <= records.size(); at += layout::kRecordLength) {
        const std::uint8_t scale = records[at + record::kScale];
        block.readings.push_back(
            storedValue({ storedCount(records[at + record::kHundreds], records[at + record::kUnits]), scale },
                OverRangeRule::AtOrAbove));
        fullScale = fullScaleOf(scale);
    }
    return fullScale;
}

}  // namespace

int parseLoggerDump(
    std::span<const std::uint8_t> dump, const platform::Clock& clock, store::TransferBlock& block)
{
    block = store::TransferBlock {};
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < dump.size(); ++at)
        if (isAcceptedHeaderAt(dump, at)) starts.push_back(at);

    block.startIndexes.push_back(0);
    for (std::size_t s = 0; s < starts.size(); ++s) {
        const std::size_t end = s + 1 < starts.size() ? starts[s + 1] : dump.size();
        addSet(dump.subspan(starts[s], layout::kSetHeaderLength), clock, block);
        const std::size_t first = starts[s] + layout::kSetHeaderLength;
        const auto records = dump.subspan(first, end - first);
        block.fullScales.push_back(addReadings(records, fullScaleOf(kEmptySetScale), block));
        block.startIndexes.push_back(static_cast<std::int32_t>(block.readings.size()));
    }
    block.allocated = true;
    return static_cast<int>(starts.size());
}

}  // namespace brivon::download
