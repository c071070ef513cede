#pragma once
// The capacities of the real-time run.

#include "core/store/CurrentSet.h"

namespace brivon::store::run_limits {

// Values the sample store holds, as many as a loaded set; a run fills at most kMaxSamples of them.
inline constexpr int kSampleCapacity = CurrentSet::kCapacity;
// A run ends when its committed readings or samples reach these counts.
inline constexpr int kMaxReadings = 10000;  // also the size of the reading-to-sample table
inline constexpr int kMaxSamples = 19990;

}  // namespace brivon::store::run_limits
