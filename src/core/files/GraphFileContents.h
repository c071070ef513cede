#pragma once
// What a graph data file holds, and the values each of its fields can hold.
// The reader refuses a file with any other value; every writer checks what it
// is about to write against the same rules, so that what is saved is read.

#include "core/files/FileOutcome.h"
#include "core/platform/Clock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace brivon::files {

struct GraphFileContents {
    std::int32_t readingCount = 0;
    std::span<const float> samples;
    std::int32_t gain = 0;
    std::uint8_t unitFlag = 0;
    platform::LocalTime start;
    std::int32_t samplePeriodSeconds = 0;
};

// The values a checked integer field can hold.
struct FieldRange {
    const char* name;
    std::int32_t lowest;
    std::int32_t highest;
};

inline constexpr std::size_t kTimeFieldCount = 7;

// The ranges of the start's year, month, day, hour, minute and second and of
// the sampling interval, in file order.
extern const std::array<FieldRange, kTimeFieldCount> kTimeFieldRanges;

// The same fields of `start` and `samplePeriod` (const or not), in the order of kTimeFieldRanges.
template <class Start, class Period> auto timeFields(Start& start, Period& samplePeriod)
{
    return std::array { &start.year, &start.month, &start.day, &start.hour, &start.minute, &start.second,
        &samplePeriod };
}

// A sample count the reader takes: 0 up to the current set's capacity.
bool sampleCountFits(std::int64_t count);

std::optional<FieldProblem> rangeProblem(const FieldRange& range, std::int64_t value);
// Sample `index` (0-based; named 1-based) when it is not finite.
std::optional<FieldProblem> sampleProblem(std::size_t index, float sample);
std::optional<FieldProblem> unitFlagProblem(std::uint8_t unitFlag);

// The first field, in file order, that the reader would refuse; nothing when
// the file written from `contents` reads back as it was written.
std::optional<FieldProblem> graphFileProblem(const GraphFileContents& contents);

}  // namespace brivon::files
