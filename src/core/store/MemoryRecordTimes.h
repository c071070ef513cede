#pragma once
// The times of memory records as dates: a record's "%d/%m/%y %H:%M:%S" text
// read back, and the oldest and newest record of a block.

#include "core/platform/Clock.h"
#include "core/store/MemoryBlock.h"

#include <optional>

namespace brivon::store {

// Nothing for a text that is not a valid record time.
std::optional<platform::LocalTime> recordTime(const MemoryRecord& record);

struct RecordTimeRange {
    platform::LocalTime oldest;
    platform::LocalTime newest;
};

// Over the records with a valid time; nothing when none has one.
std::optional<RecordTimeRange> recordTimeRange(const MemoryBlock& block);

}  // namespace brivon::store
