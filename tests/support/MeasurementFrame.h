#pragma once
// Builds measurement frames byte by byte for decoder and link tests.

#include "core/platform/SerialPort.h"

#include <cstdint>

namespace brivon::testing {

struct MeasurementFrame {
    int graphCount = 0;
    int displayCount = 0;
    std::uint8_t mode = 0x02;  // range code 2, lux, no mode, no hold
    std::uint8_t status = 0x00;  // no memory, time shown
    std::uint8_t memoryA = 0;
    std::uint8_t memoryB = 0;
    // BCD clock bytes: 2024-05-17 13:45:09, lead digit 3, interval 05.
    std::uint8_t year = 0x24, dayLead = 0x03, month = 0x05, day = 0x17;
    std::uint8_t hour = 0x13, minute = 0x45, second = 0x09, interval = 0x05;

    Bytes bytes() const
    {
        return { 0xAA, 0xDD, 0x00, year, dayLead, month, day, hour, minute, second,
            static_cast<std::uint8_t>(graphCount / 100), static_cast<std::uint8_t>(graphCount % 100),
            static_cast<std::uint8_t>(displayCount / 100), static_cast<std::uint8_t>(displayCount % 100),
            mode, status, memoryA, memoryB, interval };
    }
};

// A lux frame on range code `range` whose graph and display counts are both `count`.
inline Bytes luxFrame(int count, std::uint8_t range = 2)
{
    MeasurementFrame frame;
    frame.graphCount = count;
    frame.displayCount = count;
    frame.mode = range;
    return frame.bytes();
}

}  // namespace brivon::testing
