// The memory dump parser: whatever block the meter sends, the records it
// reads are ones the memory list can show, and the memory list file written
// from them reads back to the same records and the same text export.

#include "FuzzCheck.h"
#include "core/download/MemoryDumpParser.h"
#include "core/files/MemoryFile.h"
#include "core/files/TextExport.h"
#include "core/measure/Units.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>

namespace {

using brivon::fuzz::require;

constexpr int kMostRecords = 99;

bool isStatusText(const std::string& text)
{
    constexpr const char* kTexts[] = { "", "General", "Pmin", "Pmax", "Max", "Min", "Rel" };
    return std::any_of(std::begin(kTexts), std::end(kTexts), [&](const char* t) { return text == t; });
}

void checkRecord(const brivon::store::MemoryRecord& record)
{
    require(std::isfinite(record.value) && record.value >= 0.0f, "a finite value that is not negative");
    require(record.value <= brivon::measure::kOverRange, "no value above the over-range marker");
    require(record.negative <= 1 && record.footCandle <= 1, "flags 0 or 1");
    require(isStatusText(record.status), "a known status text");
    require(record.time.size() >= 17, "a whole time text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    auto block = std::make_unique<store::MemoryBlock>();
    const int count = download::parseMemoryDump({ data, size }, *block);
    require(count == block->recordCount, "the count returned is the block's");
    require(count >= 0 && count <= kMostRecords, "at most 99 records");
    for (const store::MemoryRecord& record : block->used())
        checkRecord(record);

    const std::string written = files::memoryFileBytes(*block);
    auto again = std::make_unique<store::MemoryBlock>();
    std::istringstream in(written);
    require(files::readMemoryFile(in, *again).ok(), "the memory list file reads back");
    require(files::memoryFileBytes(*again) == written, "the same records when written again");
    require(files::memoryExport(*again) == files::memoryExport(*block), "the same text export");
    return 0;
}
