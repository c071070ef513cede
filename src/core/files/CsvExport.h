#pragma once
// The CSV exports a spreadsheet opens without help: RFC 4180, comma separated,
// "." as the decimal point, CR LF line ends, local times as YYYY-MM-DDTHH:MM:SS.

#include "core/platform/Clock.h"
#include "core/store/CurrentSet.h"
#include "core/store/MemoryBlock.h"
#include "core/store/RealTimeRun.h"

#include <initializer_list>
#include <string>

namespace brivon::files {

inline constexpr const char* kCsvLineEnd = "\r\n";

// One record's fields as RFC 4180 writes them, comma separated, without the line
// end: a field is quoted, with doubled quotes, when it holds a separator, a
// quote or a line end.
std::string csvLine(std::initializer_list<std::string> fields);

// A memory record's stored time ("%d/%m/%y %H:%M:%S") as the exports write
// it; a time that is not in the download's form stays as it is.
std::string csvRecordTime(const std::string& stored);

// "no,time,lux,value,unit": the stored lux, the value in the set's own unit
// ("OL" in both for an over-range reading) and "lux" or "fc".
std::string graphCsv(const store::CurrentSet& set, const platform::Clock& clock);

// The real-time run's committed samples in the same columns; sample k was
// taken k sampling periods after the run's start (whole seconds).
std::string runCsv(const store::RealTimeRun& run, const platform::Clock& clock);

// "no,time,lux,value,unit,status,negative": as for a graph, with each record's
// status and negative flag (0 or 1); the value keeps its stored sign.
std::string memoryCsv(const store::MemoryBlock& block);

}  // namespace brivon::files
