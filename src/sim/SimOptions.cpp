#include "sim/SimOptions.h"

#include "core/link/ScaleTables.h"
#include "sim/DumpEncoder.h"
#include "sim/MeterCounts.h"

#include <charconv>
#include <cstdlib>
#include <iterator>
#include <sstream>

namespace brivon::sim {
namespace {

constexpr char kGridSeparator = 'x';  // ROWSxCOLUMNS

bool parseNumber(const std::string& text, double& out)
{
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

bool parseCount(const std::string& text, int& out, int limit)
{
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc {} && result.ptr == text.data() + text.size() && out >= 0 && out <= limit;
}

bool parseRange(const std::string& text, int& out)
{
    return parseCount(text, out, link::kRangeCount - 1);
}

// "ROWSxCOLUMNS": a grid of at least one point that fits the memory. Returns an
// error text, empty when the text was understood.
std::string parseSurveyRoom(const std::string& text, std::optional<survey::GridSize>& out)
{
    const std::size_t at = text.find(kGridSeparator);
    survey::GridSize grid;
    if (at == std::string::npos || !parseCount(text.substr(0, at), grid.rows, kMemoryCapacity)
        || !parseCount(text.substr(at + 1), grid.columns, kMemoryCapacity) || grid.rows == 0
        || grid.columns == 0)
        return "--survey-room needs ROWSxCOLUMNS of 1 or more each (for example 4x5), not \"" + text + '"';
    const int points = grid.rows * grid.columns;
    if (points > kMemoryCapacity)
        return "--survey-room " + text + " has " + std::to_string(points)
            + " points; the memory holds at most " + std::to_string(kMemoryCapacity) + " records";
    out = grid;
    return {};
}

}  // namespace

ParsedOptions parseOptions(const std::vector<std::string>& arguments)
{
    ParsedOptions parsed;
    SimOptions& o = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--pace") {
            o.pace = true;
        } else if (arg == "--fc") {
            o.footCandle = true;
        } else if (arg == "--low-battery") {
            o.lowBattery = true;
        } else if (arg == "--silent") {
            o.silent = true;
        } else if (arg == "--empty-memory") {
            o.storage.memoryRecords = 0;
            o.surveyRoom.reset();
        } else if (arg == "--empty-logger") {
            o.storage.loggerSets.clear();
        } else if (arg == "--memory-records" && hasValue) {
            if (!parseCount(arguments[++i], o.storage.memoryRecords, kMemoryCapacity)) {
                parsed.error = "--memory-records needs a number 0-99";
                return parsed;
            }
            o.surveyRoom.reset();
        } else if (arg == "--survey-room" && hasValue) {
            parsed.error = parseSurveyRoom(arguments[++i], o.surveyRoom);
            if (!parsed.error.empty()) return parsed;
        } else if (arg == "--logger-sets" && hasValue) {
            parsed.error = parseLoggerSets(arguments[++i], o.storage.loggerSets);
            if (!parsed.error.empty()) return parsed;
        } else if (arg == "--cut-transfer" && hasValue) {
            int bytes = 0;
            if (!parseCount(arguments[++i], bytes, kMaxLoggerDumpLength)) {
                parsed.error = "--cut-transfer needs a number of bytes 0-65535";
                return parsed;
            }
            o.transferCut = bytes;
        } else if ((arg == "--link" || arg == "--log") && hasValue) {
            (arg == "--link" ? o.linkPath : o.logPath) = arguments[++i];
        } else if (arg == "--value" && hasValue) {
            double lux = 0.0;
            if (!parseNumber(arguments[++i], lux) || lux < 0.0) {
                parsed.error = "--value needs a light value in lux";
                return parsed;
            }
            o.lux = lux;
        } else if (arg == "--range" && hasValue) {
            int range = 0;
            if (!parseRange(arguments[++i], range)) {
                parsed.error = "--range needs a range index 0-3";
                return parsed;
            }
            o.range = range;
        } else {
            parsed.error = "unknown or incomplete option: " + arg;
            return parsed;
        }
    }
    return parsed;
}

ParsedOptions parseOptionText(const std::string& text)
{
    std::istringstream words(text);
    return parseOptions({ std::istream_iterator<std::string>(words), std::istream_iterator<std::string>() });
}

std::string usageText()
{
    return "Usage: brivon-meter-sim [options]\n"
           "A simulated light meter on a pseudo-terminal. Prints the terminal's path and\n"
           "runs until interrupted.\n"
           "  --link PATH     also make PATH a symbolic link to the terminal\n"
           "  --pace          send at the speed of 9600 baud\n"
           "  --log FILE      write every byte received to FILE, in hex\n"
           "  --value LUX     measure a fixed light value (default: a slow wave)\n"
           "  --range N       range index 0-3 (0: 400k, 1: 400, 2: 4k, 3: 40k)\n"
           "  --fc            display foot-candles\n"
           "  --low-battery   report a low battery\n"
           "  --silent        answer nothing\n"
           "  --help          show this text\n"
           "Stored data (by default "
        + std::to_string(kDefaultMemoryRecords) + " memory records and the data-logger sets\n"
        + loggerSetsText(defaultLoggerSets())
        + ", dated before the start):\n"
          "  --memory-records N  hold N memory records, 0-99\n"
          "  --empty-memory      hold no memory record\n"
          "  --survey-room RxC   hold instead a survey of a room lit from above: R rows\n"
          "                      of C points, row by row, at most 99 (for example 4x5)\n"
          "  --logger-sets SETS  hold these data-logger sets: COUNT@SECONDS readings\n"
          "                      each, in lux or with \"fc\" in foot-candles, separated by\n"
          "                      commas (for example 3600@1,240@10fc)\n"
          "  --empty-logger      hold no data-logger set\n"
          "  --cut-transfer N    stop every memory or data-logger dump after N bytes\n";
}

void applyOptions(const SimOptions& options, MeterSimulator& simulator, const MeterClock& now)
{
    MeterModel& model = simulator.model();
    if (options.lux) {
        model.setValue(*options.lux);
        model.setRange(rangeFor(*options.lux, options.footCandle));
    }
    if (options.range) model.setRange(*options.range);
    model.setFootCandle(options.footCandle);
    model.setLowBattery(options.lowBattery);
    simulator.setSilent(options.silent);
    simulator.setTransferCut(options.transferCut);
    fillStorage(options.storage, model.storage(), now);
    if (options.surveyRoom) storeSurvey(*options.surveyRoom, model.storage(), now);
}

}  // namespace brivon::sim
