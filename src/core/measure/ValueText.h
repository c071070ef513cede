#pragma once
// Every rule that turns a light value (held in lux) into a shown text, side by
// side: the statistics strip, the graph's read-out, the axis labels, the text
// exports and the command line's CSV. Each keeps its own spacing and units.

#include <cstdint>
#include <string>

namespace brivon::measure {

// "%.2f  Lux" / "%.2f  KLux" / "%.2f  FC" / "%.2f  KFC" (two spaces before the unit).
std::string statisticText(double lux, bool footCandle);

// The real-time read-out: "Data:%.2fLux", "Data:%.2fKLux", "Data:%.2f FC",
// "Data:%.2f KFC"; "Data: OL" for an over-range value.
std::string readoutText(float lux, bool footCandles);

// An axis label: "%.2f", or "%.2fk" of the value in thousands from 1000 on.
std::string axisLabelText(float value);

// The data-logger graph's read-out: "%.2f Lux", "%.2f KLux", "%.2f FC",
// "%.2f KFC"; "OL" for the over-range marker.
std::string loggerReadoutText(float lux, bool footCandles);

// A data-logger axis label: "%.2f", or "%.2fK" of the value in thousands from 1000 on.
std::string loggerAxisLabelText(float value);

// The command line's lux column: "%.2f", or "OL" for an over-range value.
std::string csvLuxText(float lux);

// A CSV value column: the value in lux or foot-candles (never kilo-units),
// "%.2f", or "OL" for an over-range value.
std::string csvValueText(float lux, bool footCandles);

// The real-time export converts to foot-candles with the factors rounded to
// single precision; the other exports use them as they are.
enum class FactorPrecision { Single, Double };

// The Data and UNIT texts of one value in a text export.
struct ExportValueText {
    std::string data;  // "123.45", "1.23K", "OL"
    std::string unit;  // "Lux" or "FC"
};

// `value` in lux; a non-zero unit flag shows foot-candles. The over-range
// marker reads "OL"; a negative record puts "-" in front of the Data text.
ExportValueText exportValueText(
    float value, std::uint8_t unitFlag, FactorPrecision precision, bool negative = false);

}  // namespace brivon::measure
