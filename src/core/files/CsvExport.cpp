#include "core/files/CsvExport.h"

#include "core/measure/Units.h"
#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

#include <cstdio>
#include <initializer_list>
#include <span>

namespace brivon::files {
namespace {

constexpr const char* kGraphHeader = "no,time,lux,value,unit";
constexpr const char* kMemoryHeader = "no,time,lux,value,unit,status,negative";
constexpr char kSeparator = ',';
constexpr char kQuote = '"';
constexpr const char* kNeedsQuotes = ",\"\r\n";
constexpr const char* kIsoTimeFormat = "%Y-%m-%dT%H:%M:%S";
constexpr const char* kNumberFormat = "%d";
constexpr const char* kLuxUnit = "lux";
constexpr const char* kFootCandleUnit = "fc";
// Memory records keep their time as the download wrote it: "%d/%m/%y %H:%M:%S".
constexpr const char* kRecordTimePattern = "%2d/%2d/%2d %2d:%2d:%2d%c";
constexpr int kRecordTimeFields = 6;
constexpr int kRecordCentury = 2000;
constexpr const char* kMinus = "-";

// A field as RFC 4180 writes it: quoted, with doubled quotes, when it holds a
// separator, a quote or a line end.
std::string csvField(const std::string& text)
{
    if (text.find_first_of(kNeedsQuotes) == std::string::npos) return text;
    std::string quoted(1, kQuote);
    for (const char c : text) {
        if (c == kQuote) quoted += kQuote;
        quoted += c;
    }
    return quoted + kQuote;
}

void appendLine(std::string& csv, std::initializer_list<std::string> fields)
{
    csv += csvLine(fields);
    csv += kCsvLineEnd;
}

// A memory record keeps its sign apart from its magnitude; a spreadsheet needs it on the number.
std::string signedText(const std::string& text, const store::MemoryRecord& record)
{
    const bool signNeeded = record.negative != 0 && record.value > 0 && !measure::isOverRange(record.value);
    return signNeeded ? kMinus + text : text;
}

const char* unitText(bool footCandles)
{
    return footCandles ? kFootCandleUnit : kLuxUnit;
}

// Samples taken every `periodMs` from `start`, one line each.
std::string seriesCsv(std::span<const float> samples, platform::TimeValue start, std::int64_t periodMs,
    bool footCandles, const platform::Clock& clock)
{
    std::string csv = std::string(kGraphHeader) + kCsvLineEnd;
    int number = 1;
    for (const float lux : samples) {
        const platform::TimeValue time
            = start + static_cast<std::int64_t>(number - 1) * periodMs / platform::kMillisecondsPerSecond;
        appendLine(csv,
            { util::printfString(kNumberFormat, number),
                platform::formatTime(clock.toLocal(time), kIsoTimeFormat), measure::csvLuxText(lux),
                measure::csvValueText(lux, footCandles), unitText(footCandles) });
        ++number;
    }
    return csv;
}

}  // namespace

std::string csvLine(std::initializer_list<std::string> fields)
{
    std::string line;
    bool first = true;
    for (const std::string& text : fields) {
        if (!first) line += kSeparator;
        line += csvField(text);
        first = false;
    }
    return line;
}

std::string csvRecordTime(const std::string& stored)
{
    platform::LocalTime t;
    int twoDigitYear = 0;
    char trailing = 0;
    const int read = std::sscanf(stored.c_str(), kRecordTimePattern, &t.day, &t.month, &twoDigitYear, &t.hour,
        &t.minute, &t.second, &trailing);
    if (read != kRecordTimeFields) return stored;
    t.year = kRecordCentury + twoDigitYear;
    return platform::formatTime(t, kIsoTimeFormat);
}

std::string graphCsv(const store::CurrentSet& set, const platform::Clock& clock)
{
    return seriesCsv(set.samples(), set.loadedStartTime,
        static_cast<std::int64_t>(set.loadedSamplePeriod) * platform::kMillisecondsPerSecond,
        set.loadedUnitFlag != 0, clock);
}

std::string runCsv(const store::RealTimeRun& run, const platform::Clock& clock)
{
    return seriesCsv(run.committedSamples(), run.runStart, run.samplePeriodMs, run.unitFlag != 0, clock);
}

std::string memoryCsv(const store::MemoryBlock& block)
{
    std::string csv = std::string(kMemoryHeader) + kCsvLineEnd;
    int number = 1;
    for (const store::MemoryRecord& record : block.used()) {
        const bool footCandles = record.footCandle != 0;
        appendLine(csv,
            { util::printfString(kNumberFormat, number), csvRecordTime(record.time),
                signedText(measure::csvLuxText(record.value), record),
                signedText(measure::csvValueText(record.value, footCandles), record), unitText(footCandles),
                record.status, util::printfString(kNumberFormat, record.negative != 0 ? 1 : 0) });
        ++number;
    }
    return csv;
}

}  // namespace brivon::files
