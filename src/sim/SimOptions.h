#pragma once
// The command line of brivon-meter-sim.

#include "sim/MeterSimulator.h"
#include "sim/SampleStorage.h"

#include <optional>
#include <string>
#include <vector>

namespace brivon::sim {

struct SimOptions {
    std::string linkPath;
    bool pace = false;
    std::string logPath;
    std::optional<double> lux;
    std::optional<int> range;
    bool footCandle = false;
    bool lowBattery = false;
    bool silent = false;
    StoragePlan storage;
    std::optional<survey::GridSize> surveyRoom;  // the memory holds this survey instead
    std::optional<int> transferCut;  // bytes of a dump sent before the meter stops
    bool help = false;
};

struct ParsedOptions {
    SimOptions options;
    std::string error;  // empty when the command line was understood
};

ParsedOptions parseOptions(const std::vector<std::string>& arguments);
// The same options in one text, separated by blanks.
ParsedOptions parseOptionText(const std::string& text);
std::string usageText();

// Sets up the meter as the options ask; without --range a fixed value gets the range that shows it.
// The stored records and sets are dated before `now`.
void applyOptions(
    const SimOptions& options, MeterSimulator& simulator, const MeterClock& now = computerClock());

}  // namespace brivon::sim
