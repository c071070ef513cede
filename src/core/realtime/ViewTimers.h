#pragma once
// The real-time view's timers.

namespace brivon::view_timers {

inline constexpr int kSample = 1;  // commits one sample per sample period while a run is active
inline constexpr int kWatchdog = 2;  // the port watchdog
inline constexpr int kDragWatch = 3;  // ends a rubber-band drag that leaves the plot

inline constexpr int kWatchdogPeriodMs = 2000;
inline constexpr int kDragWatchPeriodMs = 10;

}  // namespace brivon::view_timers
