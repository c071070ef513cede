#pragma once
// The decoded content of one measurement frame.

#include <cstdint>
#include <string>

namespace brivon::link {

struct Reading {
    // The meter's clock (decoded, not used for time stamps).
    int year = 0;
    std::uint8_t dayLeadDigit = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
    std::uint8_t samplingInterval = 0;

    std::uint8_t rangeIndex = 0;  // 0-3
    std::uint8_t footCandle = 0;  // 1 = the meter displays foot-candles

    float graphValue = 0.0f;  // lux, after the hold rule; the over-range marker when over range
    float displayValue = 0.0f;  // the number on the meter's display
    std::string readingText;  // "123.4", "OL", "-OL", ...
    std::string unitText;  // "Lux", "KLux", "FC", "KFC"
    std::string rangeText;  // "400k", "400", "4k", "40k", "40"
    int barCount = 0;

    bool hold = false;
    std::string holdText;  // "HOLD" or four blanks
    std::string modeText;  // "    ", "PMIN", "PMAX", "MAX ", "MIN ", "Manu"
    std::string memoryFlagText;  // "MEM", "REC" or three blanks
    std::string memoryNumberText;  // two digits or three blanks
    std::string clockLabel;  // "Time", "Day", "Sampling", "Year"
    std::string clockText;

    bool negative = false;
    bool lowBattery = false;
};

}  // namespace brivon::link
