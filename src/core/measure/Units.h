#pragma once
// Light values are held in lux everywhere; these are the conversions and the
// over-range marker that every store, file, display and export shares.

namespace brivon::measure {

// A stored or plotted value of exactly this means "OL" (any value at or above it).
inline constexpr float kOverRange = 5000000.0f;

// Foot-candle meter counts are turned into lux on entry.
inline constexpr float kFootCandleToLux = 1.076f;

// Lux shown as foot-candles (1/10.76), and as kilo-foot-candles.
inline constexpr double kLuxToFootCandle = 0.0929368029739777;
inline constexpr double kLuxToKiloFootCandle = 0.00009293680297397771;
inline constexpr double kLuxToKiloLux = 0.001;

// Values of this size or more are shown in kilo-units.
inline constexpr double kKiloThreshold = 1000.0;

inline bool isOverRange(double value)
{
    return value >= kOverRange;
}

enum class DisplayUnit { Lux, KiloLux, FootCandle, KiloFootCandle };

struct DisplayValue {
    double value;
    DisplayUnit unit;
};

// A lux value in the unit it is shown in: lux or foot-candles, in kilo-units from 1000 on.
inline DisplayValue toDisplay(double lux, bool footCandle)
{
    if (footCandle) {
        const double fc = lux * kLuxToFootCandle;
        return fc >= kKiloThreshold ? DisplayValue { lux * kLuxToKiloFootCandle, DisplayUnit::KiloFootCandle }
                                    : DisplayValue { fc, DisplayUnit::FootCandle };
    }
    return lux >= kKiloThreshold ? DisplayValue { lux * kLuxToKiloLux, DisplayUnit::KiloLux }
                                 : DisplayValue { lux, DisplayUnit::Lux };
}

}  // namespace brivon::measure
