#include "core/files/TextExport.h"

#include "core/files/MemoryListRows.h"
#include "core/measure/ValueText.h"
#include "core/util/Printf.h"

namespace brivon::files {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kSeriesHeader = "      NO             Data               UNIT         TIME  ";
constexpr const char* kSeriesRecord = "  %5s          %9s          %7s          %8s  ";
constexpr const char* kMemoryHeader
    = "      NO             Data               UNIT         STATUS           TIME  ";
constexpr const char* kMemoryRecord = "  %5s          %9s          %7s          %7s          %8s  ";
constexpr const char* kTimeFormat = "%m-%d-%y/%H:%M:%S";

void appendLine(std::string& text, const std::string& line)
{
    text += line;
    text += kLineEnd;
}

std::string seriesLine(int number, float value, std::uint8_t unitFlag, measure::FactorPrecision precision,
    const platform::LocalTime& time)
{
    const measure::ExportValueText shown = measure::exportValueText(value, unitFlag, precision);
    return util::printfString(kSeriesRecord, std::to_string(number).c_str(), shown.data.c_str(),
        shown.unit.c_str(), platform::formatTime(time, kTimeFormat).c_str());
}

}  // namespace

std::string realTimeExport(const store::RealTimeRun& run, const platform::Clock& clock)
{
    std::string text;
    appendLine(text, kSeriesHeader);
    const std::span<const float> samples = run.committedSamples();
    const auto readings = static_cast<std::size_t>(run.readingCount < 0 ? 0 : run.readingCount);
    for (std::size_t k = 0; k < readings && k < run.readingToSample.size(); ++k) {
        const std::int32_t sample = run.readingToSample[k];
        // A table entry outside the committed samples has no value to show.
        if (sample < 0 || static_cast<std::size_t>(sample) >= samples.size()) break;
        const platform::TimeValue time
            = platform::sampleTime(run.runStart, sample, run.samplePeriodSeconds());
        appendLine(text,
            seriesLine(static_cast<int>(k) + 1, samples[static_cast<std::size_t>(sample)], run.unitFlag,
                measure::FactorPrecision::Single, clock.toLocal(time)));
    }
    return text;
}

std::string dataLoggerExport(const store::CurrentSet& set, const platform::Clock& clock)
{
    std::string text;
    appendLine(text, kSeriesHeader);
    const std::span<const float> samples = set.samples();
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const platform::TimeValue time
            = platform::sampleTime(set.loadedStartTime, static_cast<std::int64_t>(k), set.loadedSamplePeriod);
        appendLine(text,
            seriesLine(static_cast<int>(k) + 1, samples[k], set.loadedUnitFlag,
                measure::FactorPrecision::Double, clock.toLocal(time)));
    }
    return text;
}

std::string memoryExport(const store::MemoryBlock& block)
{
    std::string text;
    appendLine(text, kMemoryHeader);
    for (const MemoryListRow& row : memoryListRows(block)) {
        appendLine(text,
            util::printfString(kMemoryRecord, row.number.c_str(), row.data.c_str(), row.unit.c_str(),
                row.status.c_str(), row.time.c_str()));
    }
    return text;
}

}  // namespace brivon::files
