#pragma once
// The real-time view's timers (the watchdog runs at the link's period).

namespace brivon::realtime::view_timers {

inline constexpr int kSample = 1;  // commits one sample per sample period while a run is active
inline constexpr int kWatchdog = 2;  // the port watchdog
inline constexpr int kDragWatch = 3;  // ends a rubber-band drag that leaves the plot

}  // namespace brivon::realtime::view_timers
