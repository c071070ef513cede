#pragma once
// The Data and UNIT texts of one value in a text export.

#include <cstdint>
#include <string>

namespace brivon {

// The real-time export converts to foot-candles with the factors rounded to
// single precision; the other exports use them as they are.
enum class FactorPrecision { Single, Double };

struct ExportValueText {
    std::string data;  // "123.45", "1.23K", "OL"
    std::string unit;  // "Lux" or "FC"
};

// `value` in lux; a non-zero unit flag shows foot-candles. The over-range
// marker reads "OL"; a negative record puts "-" in front of the Data text.
ExportValueText exportValueText(
    float value, std::uint8_t unitFlag, FactorPrecision precision, bool negative = false);

}  // namespace brivon
