#pragma once
// One CSV line per measurement frame, as brivon-cli read prints it.

#include "core/link/Reading.h"
#include "core/platform/Clock.h"

#include <string>

namespace brivon::cli {

inline constexpr const char* kMeasurementCsvHeader = "time,lux,reading,unit,range,hold,mode";

// Local time "YYYY-MM-DDTHH:MM:SS", the stored graph value ("%.2f" or "OL"),
// then the reading, unit, range, hold and mode texts with blanks trimmed.
std::string measurementCsvLine(const platform::LocalTime& time, const link::Reading& reading);

}  // namespace brivon::cli
