#pragma once
// The status-bar read-out of the sample under the cursor (panes 1 and 2).

#include "core/platform/Clock.h"
#include "core/realtime/GraphSeries.h"

#include <optional>
#include <string>

namespace brivon::realtime {

struct Readout {
    std::string time;
    std::string data;
    friend bool operator==(const Readout&, const Readout&) = default;
};

// What the panes show while the run has no samples.
Readout emptyRunReadout();

// The time and value of sample `index`; nothing when the run has no such sample.
std::optional<Readout> readoutAt(const GraphSeries& series, int index, const platform::Clock& clock);

}  // namespace brivon::realtime
