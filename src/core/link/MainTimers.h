#pragma once
// The main window's timers that pace the meter protocol.

namespace brivon::link::main_timers {

inline constexpr int kProgress = 1;  // shows the download progress dialog
inline constexpr int kLoggerRequest = 2;  // sends the data-logger dump request
inline constexpr int kMemoryRequest = 3;  // sends the memory dump request
inline constexpr int kPoll = 4;  // sends the next poll
inline constexpr int kLoggerHeaderWait = 5;  // gives up a data-logger request that gets no header

inline constexpr int kProgressDelayMs = 10;
inline constexpr int kRequestDelayMs = 100;
inline constexpr int kPollDelayMs = 50;
inline constexpr int kLoggerHeaderWaitMs = 15000;

}  // namespace brivon::link::main_timers
