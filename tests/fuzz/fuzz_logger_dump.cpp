// The data-logger dump parser: whatever dump the meter sends, the transfer
// block describes its sets consistently, every reading is a value the window
// can draw, and each set becomes a list row and a text export as the
// data-logger window makes them. What Save would write of a set reads back
// as the same set, or is refused for a field the set's header gave it.

#include "FuzzCheck.h"
#include "GraphReadBack.h"
#include "core/download/LoggerDumpParser.h"
#include "core/files/TextExport.h"
#include "core/logger/DataLoggerSets.h"
#include "core/measure/Units.h"
#include "support/FixedClock.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using brivon::fuzz::require;

constexpr std::size_t kLongestDump = 65535;  // the header's two length bytes
constexpr int kSetsExported = 3;  // enough to cover the first, a middle and the last set

void checkBlock(const brivon::store::TransferBlock& block, int sets)
{
    require(block.allocated, "the arrays are marked allocated");
    require(block.setCount() == sets, "every array describes every set");
    require(
        block.startIndexes.size() == static_cast<std::size_t>(sets) + 1, "one start index more than sets");
    require(block.startIndexes.front() == 0, "the first set starts at reading 0");
    require(std::is_sorted(block.startIndexes.begin(), block.startIndexes.end()), "start indexes ascend");
    require(block.startIndexes.back() == static_cast<std::int32_t>(block.readings.size()),
        "the last start index is the reading count");
    for (const float value : block.readings)
        require(std::isfinite(value) && value >= 0.0f && value <= brivon::measure::kOverRange,
            "readings are finite lux values up to the over-range marker");
    for (const int scale : block.fullScales)
        require(scale == 40 || scale == 400 || scale == 4000 || scale == 40000,
            "a full scale of the range table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    if (size > kLongestDump) return 0;
    const support::FixedClock clock;
    store::TransferBlock block;
    const int sets = download::parseLoggerDump({ data, size }, clock, block);
    checkBlock(block, sets);

    auto current = std::make_unique<store::CurrentSet>();
    logger::DataLoggerSets window(*current, block, clock);
    window.downloadStarted();
    window.windowOpened();
    require(window.rows().size() == static_cast<std::size_t>(sets), "one list row per set");
    for (int set = 0; set < std::min(sets, kSetsExported); ++set) {
        const int chosen = set == kSetsExported - 1 ? sets - 1 : set;
        window.selectRow(chosen);
        const std::size_t readings = block.setReadings(chosen).size();
        require(window.currentSet().loadedSampleCount
                == static_cast<std::int32_t>(std::min<std::size_t>(readings, store::CurrentSet::kCapacity)),
            "the chosen set's readings become the current set");
        require(!files::dataLoggerExport(window.currentSet(), clock).empty(), "the set's text export");
        const auto refused = fuzz::requireReadBack(files::dataLoggerFileContents(window.currentSet()), clock);
        require(!refused || refused->field == "unit flag" || fuzz::isStartField(refused->field),
            "only a header's unit or a start beyond the file's years is refused");
    }
    return 0;
}
