#include "core/measure/ValueText.h"

#include "core/measure/Units.h"
#include "core/util/Printf.h"

namespace brivon::measure {
namespace {

constexpr const char* kOverRangeText = "OL";
constexpr const char* kValueFormat = "%.2f";

constexpr const char* kStatisticLuxFormat = "%.2f  Lux";
constexpr const char* kStatisticKiloLuxFormat = "%.2f  KLux";
constexpr const char* kStatisticFootCandleFormat = "%.2f  FC";
constexpr const char* kStatisticKiloFootCandleFormat = "%.2f  KFC";

constexpr const char* kReadoutOverRangeText = "Data: OL";
constexpr const char* kReadoutLuxFormat = "Data:%.2fLux";
constexpr const char* kReadoutKiloLuxFormat = "Data:%.2fKLux";
constexpr const char* kReadoutFootCandleFormat = "Data:%.2f FC";
constexpr const char* kReadoutKiloFootCandleFormat = "Data:%.2f KFC";

constexpr const char* kAxisKiloFormat = "%.2fk";

constexpr const char* kLoggerReadoutLuxFormat = "%.2f Lux";
constexpr const char* kLoggerReadoutKiloLuxFormat = "%.2f KLux";
constexpr const char* kLoggerReadoutFootCandleFormat = "%.2f FC";
constexpr const char* kLoggerReadoutKiloFootCandleFormat = "%.2f KFC";

constexpr const char* kExportLuxUnit = "Lux";
constexpr const char* kExportFootCandleUnit = "FC";
constexpr const char* kExportNegativePrefix = "-";
constexpr const char* kExportKiloFormat = "%.2fK";

// The text of a value in the unit it is shown in, one format per unit.
std::string displayText(double lux, bool footCandle, const char* luxFormat, const char* kiloLuxFormat,
    const char* footCandleFormat, const char* kiloFootCandleFormat)
{
    const DisplayValue shown = toDisplay(lux, footCandle);
    switch (shown.unit) {
    case DisplayUnit::Lux:
        return util::printfString(luxFormat, shown.value);
    case DisplayUnit::KiloLux:
        return util::printfString(kiloLuxFormat, shown.value);
    case DisplayUnit::FootCandle:
        return util::printfString(footCandleFormat, shown.value);
    case DisplayUnit::KiloFootCandle:
        return util::printfString(kiloFootCandleFormat, shown.value);
    }
    return {};
}

std::string exportScaledText(double shown, double kiloShown)
{
    return shown >= kKiloThreshold ? util::printfString(kExportKiloFormat, kiloShown)
                                   : util::printfString(kValueFormat, shown);
}

std::string exportFootCandleText(float value, FactorPrecision precision)
{
    if (precision == FactorPrecision::Single) {
        const float shown = value * static_cast<float>(kLuxToFootCandle);
        const float kiloShown = value * static_cast<float>(kLuxToKiloFootCandle);
        return exportScaledText(shown, kiloShown);
    }
    return exportScaledText(value * kLuxToFootCandle, value * kLuxToKiloFootCandle);
}

}  // namespace

std::string statisticText(double lux, bool footCandle)
{
    return displayText(lux, footCandle, kStatisticLuxFormat, kStatisticKiloLuxFormat,
        kStatisticFootCandleFormat, kStatisticKiloFootCandleFormat);
}

std::string readoutText(float lux, bool footCandles)
{
    if (isOverRange(lux)) return kReadoutOverRangeText;
    return displayText(lux, footCandles, kReadoutLuxFormat, kReadoutKiloLuxFormat, kReadoutFootCandleFormat,
        kReadoutKiloFootCandleFormat);
}

std::string axisLabelText(float value)
{
    if (value >= kKiloThreshold) return util::printfString(kAxisKiloFormat, value * kLuxToKiloLux);
    return util::printfString(kValueFormat, static_cast<double>(value));
}

std::string loggerReadoutText(float lux, bool footCandles)
{
    if (lux == kOverRange) return kOverRangeText;
    return displayText(lux, footCandles, kLoggerReadoutLuxFormat, kLoggerReadoutKiloLuxFormat,
        kLoggerReadoutFootCandleFormat, kLoggerReadoutKiloFootCandleFormat);
}

std::string loggerAxisLabelText(float value)
{
    return exportScaledText(value, value * kLuxToKiloLux);
}

std::string csvLuxText(float lux)
{
    return csvValueText(lux, false);
}

std::string csvValueText(float lux, bool footCandles)
{
    if (isOverRange(lux)) return kOverRangeText;
    return util::printfString(kValueFormat, footCandles ? lux * kLuxToFootCandle : static_cast<double>(lux));
}

ExportValueText exportValueText(float value, std::uint8_t unitFlag, FactorPrecision precision, bool negative)
{
    ExportValueText text;
    if (unitFlag == 0) {
        text.unit = kExportLuxUnit;
        text.data = exportScaledText(value, value * kLuxToKiloLux);
    } else {
        text.unit = kExportFootCandleUnit;
        text.data = exportFootCandleText(value, precision);
    }
    if (value == kOverRange) text.data = kOverRangeText;
    if (negative) text.data = kExportNegativePrefix + text.data;
    return text;
}

}  // namespace brivon::measure
