#pragma once
// What the simulated meter holds in its memory and data logger when it starts:
// a few memory records of every kind and a few data-logger sets, so that a new
// user can try Mem and Data Logger at once.

#include "core/survey/SurveyGrid.h"
#include "sim/MeterStorage.h"

#include <string>
#include <vector>

namespace brivon::sim {

// One data-logger set to make up: how many readings, how often, in which unit.
struct LoggerSetPlan {
    int readings = 0;
    int samplingInterval = 1;  // seconds, 1-255
    bool footCandle = false;
};

inline constexpr int kDefaultMemoryRecords = 7;

// Three sets of different rates and units, the first of 3600 readings.
std::vector<LoggerSetPlan> defaultLoggerSets();

struct StoragePlan {
    int memoryRecords = kDefaultMemoryRecords;  // 0-99
    std::vector<LoggerSetPlan> loggerSets = defaultLoggerSets();
};

// Reads "COUNT@SECONDS[fc],..." (for example "3600@1,240@10fc"); an empty
// text is no set. Returns an error text, empty when the text was understood.
std::string parseLoggerSets(const std::string& text, std::vector<LoggerSetPlan>& out);

// The sets in the form parseLoggerSets reads.
std::string loggerSetsText(const std::vector<LoggerSetPlan>& plans);

// `count` memory records taken before `now`, one minute apart, cycling through
// lux and foot-candle readings of every record type, one negative and one over range.
std::vector<MemoryRecord> sampleMemoryRecords(int count, const MeterClock& now);

// A survey of a room lit from above (surveyRoomLux): one General lux record per
// point, row by row, taken before `now` one minute apart.
std::vector<MemoryRecord> surveyMemoryRecords(survey::GridSize grid, const MeterClock& now);

// The planned sets, each a slow wave of light; set i starts (number of sets - i) days before `now`.
std::vector<LoggerSet> sampleLoggerSets(const std::vector<LoggerSetPlan>& plans, const MeterClock& now);

// Replaces what `storage` holds with the planned records and sets.
void fillStorage(const StoragePlan& plan, MeterStorage& storage, const MeterClock& now);

// Replaces the memory records of `storage` with the survey's.
void storeSurvey(survey::GridSize grid, MeterStorage& storage, const MeterClock& now);

}  // namespace brivon::sim
