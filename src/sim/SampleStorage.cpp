#include "sim/SampleStorage.h"

#include "core/measure/Units.h"
#include "sim/DumpEncoder.h"
#include "sim/MeterCounts.h"
#include "sim/SurveyRoom.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>

namespace brivon::sim {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerDay = 86400;
constexpr int kMaxSamplingInterval = 255;  // one plain byte in the set header
constexpr std::string_view kFootCandleSuffix = "fc";

struct MemorySample {
    double shown;  // in the record's unit; the over-range marker for "OL"
    bool footCandle;
    MeterMode type;
    bool negative;
};

// One of each record type, lux and foot-candles, one negative and one over range.
constexpr std::array<MemorySample, kDefaultMemoryRecords> kMemorySamples { {
    { 523.0, false, MeterMode::None, false },
    { 45.6, true, MeterMode::Max, false },
    { 1250.0, false, MeterMode::Min, false },
    { 12.3, false, MeterMode::Rel, true },
    { measure::kOverRange, false, MeterMode::PeakMax, false },
    { 8.5, false, MeterMode::PeakMin, false },
    { 2480.0, true, MeterMode::None, false },
} };

// The level each set's wave swings around, in the set's unit.
constexpr std::array<double, 3> kSetLevels { 520.0, 45.0, 1800.0 };
constexpr double kSetSwing = 0.2;
constexpr int kSetWavePeriod = 600;  // readings

double toLux(double shown, bool footCandle)
{
    return footCandle ? shown / measure::kLuxToFootCandle : shown;
}

bool parseInt(std::string_view text, int& out)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return !text.empty() && result.ec == std::errc {} && result.ptr == text.data() + text.size();
}

// Record `index` of `count` records taken one minute apart, the last a minute before `now`.
MeterClock recordTime(int index, int count, const MeterClock& now)
{
    return advancedBy(now, -std::int64_t { count - index } * kSecondsPerMinute);
}

void replaceMemory(const std::vector<MemoryRecord>& records, MeterStorage& storage)
{
    storage.clearMemory();
    for (const MemoryRecord& record : records)
        storage.storeMemory(record);
}

std::string parseOneSet(std::string_view text, LoggerSetPlan& plan)
{
    std::string error
        = "a data-logger set is COUNT@SECONDS or COUNT@SECONDSfc, not \"" + std::string(text) + '"';
    const std::size_t at = text.find('@');
    if (at == std::string_view::npos) return error;
    std::string_view interval = text.substr(at + 1);
    plan.footCandle = interval.ends_with(kFootCandleSuffix);
    if (plan.footCandle) interval.remove_suffix(kFootCandleSuffix.size());
    if (!parseInt(text.substr(0, at), plan.readings) || !parseInt(interval, plan.samplingInterval))
        return error;
    if (plan.readings < 1 || plan.samplingInterval < 1 || plan.samplingInterval > kMaxSamplingInterval)
        return "a data-logger set needs at least one reading and 1-255 seconds between readings";
    return {};
}

}  // namespace

std::vector<LoggerSetPlan> defaultLoggerSets()
{
    return { { 3600, 1, false }, { 240, 10, true }, { 96, 60, false } };
}

std::string parseLoggerSets(const std::string& text, std::vector<LoggerSetPlan>& out)
{
    out.clear();
    long long length = 0;
    std::string_view rest = text;
    while (!text.empty()) {
        const std::size_t comma = rest.find(',');
        LoggerSetPlan plan;
        if (std::string error = parseOneSet(rest.substr(0, comma), plan); !error.empty()) return error;
        length += kLoggerSetHeaderLength + kLoggerRecordLength * static_cast<long long>(plan.readings);
        if (length > kMaxLoggerDumpLength) return "the data-logger sets take more than 65535 bytes";
        out.push_back(plan);
        if (comma == std::string_view::npos) break;
        rest = rest.substr(comma + 1);
    }
    return {};
}

std::string loggerSetsText(const std::vector<LoggerSetPlan>& plans)
{
    std::string text;
    for (const LoggerSetPlan& plan : plans) {
        if (!text.empty()) text += ',';
        text += std::to_string(plan.readings) + '@' + std::to_string(plan.samplingInterval);
        if (plan.footCandle) text += kFootCandleSuffix;
    }
    return text;
}

std::vector<MemoryRecord> sampleMemoryRecords(int count, const MeterClock& now)
{
    std::vector<MemoryRecord> records;
    for (int i = 0; i < count; ++i) {
        const MemorySample& sample = kMemorySamples[static_cast<std::size_t>(i) % kMemorySamples.size()];
        const bool overRange = measure::isOverRange(sample.shown);
        const double lux = overRange ? sample.shown : toLux(sample.shown, sample.footCandle);
        MemoryRecord record;
        record.time = recordTime(i, count, now);
        record.lux = lux;
        record.rangeIndex = rangeFor(overRange ? 0.0 : lux, sample.footCandle);  // "OL" in the smallest range
        record.footCandle = sample.footCandle;
        record.type = sample.type;
        record.negative = sample.negative;
        records.push_back(record);
    }
    return records;
}

std::vector<MemoryRecord> surveyMemoryRecords(survey::GridSize grid, const MeterClock& now)
{
    const std::vector<double> lux = surveyRoomLux(grid);
    const auto count = static_cast<int>(lux.size());
    std::vector<MemoryRecord> records;
    for (int i = 0; i < count; ++i) {
        MemoryRecord record;
        record.time = recordTime(i, count, now);
        record.lux = lux[static_cast<std::size_t>(i)];
        record.rangeIndex = rangeFor(record.lux, false);
        records.push_back(record);
    }
    return records;
}

std::vector<LoggerSet> sampleLoggerSets(const std::vector<LoggerSetPlan>& plans, const MeterClock& now)
{
    std::vector<LoggerSet> sets;
    const auto setCount = static_cast<std::int64_t>(plans.size());
    for (std::size_t s = 0; s < plans.size(); ++s) {
        const LoggerSetPlan& plan = plans[s];
        const double levelLux = toLux(kSetLevels[s % kSetLevels.size()], plan.footCandle);
        const int range = rangeFor(levelLux * (1.0 + kSetSwing), plan.footCandle);
        LoggerSet set { advancedBy(now, -(setCount - static_cast<std::int64_t>(s)) * kSecondsPerDay),
            plan.samplingInterval, plan.footCandle, {} };
        for (int k = 0; k < plan.readings; ++k) {
            const double phase = 2.0 * std::numbers::pi * k / kSetWavePeriod;
            set.records.push_back({ levelLux * (1.0 + kSetSwing * std::sin(phase)), range });
        }
        sets.push_back(std::move(set));
    }
    return sets;
}

void fillStorage(const StoragePlan& plan, MeterStorage& storage, const MeterClock& now)
{
    replaceMemory(sampleMemoryRecords(plan.memoryRecords, now), storage);
    storage.clearLogger();
    for (const LoggerSet& set : sampleLoggerSets(plan.loggerSets, now))
        storage.addLoggerSet(set);
}

void storeSurvey(survey::GridSize grid, MeterStorage& storage, const MeterClock& now)
{
    replaceMemory(surveyMemoryRecords(grid, now), storage);
}

}  // namespace brivon::sim
