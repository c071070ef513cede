#include "core/files/GraphFileContents.h"

#include "core/store/CurrentSet.h"

#include <cmath>
#include <limits>

namespace brivon::files {
namespace {

constexpr std::uint8_t kHighestUnitFlag = 1;

}  // namespace

const std::array<FieldRange, kTimeFieldCount> kTimeFieldRanges { {
    { "year", 1970, 2099 },
    { "month", 1, 12 },
    { "day", 1, 31 },
    { "hour", 0, 23 },
    { "minute", 0, 59 },
    { "second", 0, 59 },
    { "sampling interval", 0, std::numeric_limits<std::int32_t>::max() },
} };

bool sampleCountFits(std::int64_t count)
{
    return count >= 0 && count <= store::CurrentSet::kCapacity;
}

std::optional<FieldProblem> rangeProblem(const FieldRange& range, std::int64_t value)
{
    if (value >= range.lowest && value <= range.highest) return std::nullopt;
    return FieldProblem { range.name, std::to_string(value) };
}

std::optional<FieldProblem> sampleProblem(std::size_t index, float sample)
{
    if (std::isfinite(sample)) return std::nullopt;
    return FieldProblem { "sample " + std::to_string(index + 1), std::to_string(sample) };
}

std::optional<FieldProblem> unitFlagProblem(std::uint8_t unitFlag)
{
    if (unitFlag <= kHighestUnitFlag) return std::nullopt;
    return FieldProblem { "unit flag", std::to_string(unitFlag) };
}

std::optional<FieldProblem> graphFileProblem(const GraphFileContents& contents)
{
    if (!sampleCountFits(static_cast<std::int64_t>(contents.samples.size())))
        return FieldProblem { "sample count", std::to_string(contents.samples.size()) };
    for (std::size_t i = 0; i < contents.samples.size(); ++i)
        if (auto problem = sampleProblem(i, contents.samples[i])) return problem;
    if (auto problem = unitFlagProblem(contents.unitFlag)) return problem;
    const auto fields = timeFields(contents.start, contents.samplePeriodSeconds);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (auto problem = rangeProblem(kTimeFieldRanges[i], *fields[i])) return problem;
    return std::nullopt;
}

}  // namespace brivon::files
