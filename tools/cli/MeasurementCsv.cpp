#include "MeasurementCsv.h"

#include "core/measure/ValueText.h"

namespace brivon::cli {

namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string measurementCsvLine(const platform::LocalTime& time, const link::Reading& reading)
{
    const std::string lux = measure::csvLuxText(reading.graphValue);
    return platform::formatTime(time, "%Y-%m-%dT%H:%M:%S") + "," + lux + "," + trimmed(reading.readingText)
        + "," + reading.unitText + "," + reading.rangeText + "," + trimmed(reading.holdText) + ","
        + trimmed(reading.modeText);
}

}  // namespace brivon::cli
