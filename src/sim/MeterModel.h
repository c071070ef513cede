#pragma once
// The meter itself: what it measures, what its display shows, how its keys
// change that, and what it has stored. Pure logic; every poll takes one reading.

#include "sim/MeasurementFrame.h"
#include "sim/MeterStorage.h"
#include "sim/ValuePattern.h"

#include <cstdint>
#include <utility>

namespace brivon::sim {

class MeterModel {
public:
    MeterModel();

    // Scripting.
    void setPattern(ValuePattern pattern) { pattern_ = std::move(pattern); }
    void setValue(double lux) { pattern_ = ValuePattern::constant(lux); }
    void setRange(int rangeIndex);  // 0-3
    void setFootCandle(bool footCandle) { footCandle_ = footCandle; }
    void setHold(bool hold);
    void setMode(MeterMode mode);
    void setMemoryIndicator(MemoryIndicator indicator, int number);
    void setClockDisplay(ClockDisplay display) { clockDisplay_ = display; }
    void setClock(const MeterClock& clock) { clock_ = clock; }
    void setSamplingInterval(int seconds) { samplingInterval_ = seconds; }
    void setLowBattery(bool low) { lowBattery_ = low; }
    void setNegative(bool negative) { negative_ = negative; }  // the sign, whatever is shown
    void setOverRange(bool overRange) { overRange_ = overRange; }  // "OL" whatever is measured
    MeterStorage& storage() { return storage_; }

    // A key command's code (HOLD, RANGE, ...); unknown codes do nothing.
    void pressKey(std::uint8_t code);
    // The display as after switching on: no hold, no mode, no recall, no indicator.
    void resetDisplay();

    // Takes the next reading and encodes the display into a measurement frame.
    MeasurementFrame nextFrame();

    int range() const { return range_; }
    bool footCandle() const { return footCandle_; }
    bool hold() const { return hold_; }
    MeterMode mode() const { return mode_; }
    MemoryIndicator memoryIndicator() const { return indicator_; }
    const MeterClock& clock() const { return clock_; }
    const MeterStorage& storage() const { return storage_; }

private:
    struct Shown {
        double lux = 0.0;
        bool negative = false;
    };

    Shown shownValue() const;
    void track(double live);
    void storeMemory();
    void stepRecall();
    void toggleRecording();
    void stepMode(MeterMode first, MeterMode second);
    void toggleRel();

    ValuePattern pattern_;
    MeterStorage storage_;
    MeterClock clock_;
    int samplingInterval_ = 1;
    int range_ = 2;
    bool footCandle_ = false;

    double live_ = 0.0;  // the last reading
    bool hold_ = false;
    Shown held_;
    MeterMode mode_ = MeterMode::None;
    double extreme_ = 0.0;  // maximum or minimum since the mode was entered
    double relReference_ = 0.0;  // the reading when REL was pressed
    int recallIndex_ = 0;  // 1-based memory record shown by LOAD; 0 = none
    MemoryIndicator indicator_ = MemoryIndicator::None;
    int memoryNumberA_ = 0;
    int memoryNumberB_ = 0;

    ClockDisplay clockDisplay_ = ClockDisplay::Time;
    bool lowBattery_ = false;
    bool negative_ = false;
    bool overRange_ = false;
};

}  // namespace brivon::sim
