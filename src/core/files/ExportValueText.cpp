#include "core/files/ExportValueText.h"

#include "core/measure/Units.h"
#include "core/util/Printf.h"

namespace brivon {
namespace {

constexpr const char* kLuxUnit = "Lux";
constexpr const char* kFootCandleUnit = "FC";
constexpr const char* kOverRangeText = "OL";
constexpr const char* kNegativePrefix = "-";
constexpr const char* kValueFormat = "%.2f";
constexpr const char* kKiloValueFormat = "%.2fK";

std::string scaledText(double shown, double kiloShown)
{
    return shown >= units::kKiloThreshold ? printfString(kKiloValueFormat, kiloShown)
                                          : printfString(kValueFormat, shown);
}

std::string footCandleText(float value, FactorPrecision precision)
{
    if (precision == FactorPrecision::Single) {
        const float shown = value * static_cast<float>(units::kLuxToFootCandle);
        const float kiloShown = value * static_cast<float>(units::kLuxToKiloFootCandle);
        return scaledText(shown, kiloShown);
    }
    return scaledText(value * units::kLuxToFootCandle, value * units::kLuxToKiloFootCandle);
}

}  // namespace

ExportValueText exportValueText(float value, std::uint8_t unitFlag, FactorPrecision precision, bool negative)
{
    ExportValueText text;
    if (unitFlag == 0) {
        text.unit = kLuxUnit;
        text.data = scaledText(value, value * units::kLuxToKiloLux);
    } else {
        text.unit = kFootCandleUnit;
        text.data = footCandleText(value, precision);
    }
    if (value == units::kOverRange) text.data = kOverRangeText;
    if (negative) text.data = kNegativePrefix + text.data;
    return text;
}

}  // namespace brivon
