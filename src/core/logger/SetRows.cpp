#include "core/logger/SetRows.h"

namespace brivon::logger {
namespace {

constexpr const char* kStartTimeFormat = "%d/%m/%y %H:%M:%S";
constexpr const char* kRateUnit = "sec";
constexpr std::size_t kNumberColumn = 0, kTimeColumn = 1;

std::string unitText(std::uint8_t unitFlag)
{
    switch (unitFlag) {
    case 0:
        return "Lux";
    case 1:
        return "FC";
    default:
        return {};
    }
}

}  // namespace

SetRow setRow(int row, const SetSummary& set, const platform::Clock& clock)
{
    return { std::to_string(row + 1), platform::formatTime(clock.toLocal(set.startTime), kStartTimeFormat),
        unitText(set.unitFlag), std::to_string(set.samplingRate) + kRateUnit,
        std::to_string(set.readingCount) };
}

std::string setName(const SetRow& row)
{
    return "Set " + row[kNumberColumn] + " (" + row[kTimeColumn] + ")";
}

}  // namespace brivon::logger
