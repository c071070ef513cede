#include "core/store/TransferBlock.h"

#include <algorithm>

namespace brivon::store {

int TransferBlock::setCount() const
{
    if (!allocated || startIndexes.empty()) return 0;
    const std::size_t sets = std::min({ startTimes.size(), samplingRates.size(), unitFlags.size(),
        fullScales.size(), startIndexes.size() - 1 });
    return static_cast<int>(sets);
}

std::span<const float> TransferBlock::setReadings(int set) const
{
    if (set < 0 || set >= setCount()) return {};
    const auto total = static_cast<std::int64_t>(readings.size());
    const std::int64_t begin
        = std::clamp<std::int64_t>(startIndexes[static_cast<std::size_t>(set)], 0, total);
    const std::int64_t end
        = std::clamp<std::int64_t>(startIndexes[static_cast<std::size_t>(set) + 1], begin, total);
    return std::span<const float>(readings).subspan(
        static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin));
}

bool TransferBlock::release()
{
    if (!allocated) return false;
    *this = TransferBlock {};
    return true;
}

}  // namespace brivon::store
