#include "sim/MeterModel.h"

#include "core/link/ScaleTables.h"
#include "core/measure/Units.h"
#include "sim/MeterCounts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace brivon::sim {
namespace {

using link::protocol::Key;

constexpr double kDefaultLux = 523.0;
constexpr double kDefaultWaveAmplitude = 0.03;
constexpr int kDefaultWavePeriod = 120;
constexpr MeterClock kDefaultClock { 2024, 1, 1, 12, 0, 0 };

bool isMaxMode(MeterMode mode)
{
    return mode == MeterMode::Max || mode == MeterMode::PeakMax;
}
bool isMinMode(MeterMode mode)
{
    return mode == MeterMode::Min || mode == MeterMode::PeakMin;
}

}  // namespace

MeterModel::MeterModel()
    : pattern_(ValuePattern::wave(kDefaultLux, kDefaultWaveAmplitude, kDefaultWavePeriod))
    , clock_(kDefaultClock)
{
}

void MeterModel::setRange(int rangeIndex)
{
    if (rangeIndex < 0 || rangeIndex >= link::kRangeCount) throw std::out_of_range("range index must be 0-3");
    range_ = rangeIndex;
}

void MeterModel::setHold(bool hold)
{
    if (hold && !hold_) held_ = shownValue();
    hold_ = hold;
}

void MeterModel::setMode(MeterMode mode)
{
    mode_ = mode;
    extreme_ = live_;
    relReference_ = live_;
}

void MeterModel::setMemoryIndicator(MemoryIndicator indicator, int number)
{
    indicator_ = indicator;
    memoryNumberA_ = number;
    memoryNumberB_ = number;
}

void MeterModel::resetDisplay()
{
    hold_ = false;
    mode_ = MeterMode::None;
    recallIndex_ = 0;
    storage_.stopRecording();
    indicator_ = MemoryIndicator::None;
}

void MeterModel::pressKey(std::uint8_t code)
{
    // A stored record's "MEM" shows until the next key.
    if (indicator_ == MemoryIndicator::Stored) indicator_ = MemoryIndicator::None;
    switch (static_cast<Key>(code)) {
    case Key::HoldClick:
        setHold(!hold_);
        break;
    case Key::RangeClick:
        range_ = nextRange(range_);
        break;
    case Key::FcLuxClick:
        footCandle_ = !footCandle_;
        break;
    case Key::MaxMinClick:
        stepMode(MeterMode::Max, MeterMode::Min);
        break;
    case Key::PeakClick:
        stepMode(MeterMode::PeakMax, MeterMode::PeakMin);
        break;
    case Key::PeakDoubleClick:
        if (mode_ == MeterMode::PeakMax || mode_ == MeterMode::PeakMin) setMode(MeterMode::None);
        break;
    case Key::RelClick:
        toggleRel();
        break;
    case Key::RelDoubleClick:
        if (mode_ == MeterMode::Rel) setMode(MeterMode::None);
        break;
    case Key::MemSetClick:
        storeMemory();
        break;
    case Key::MemSetDoubleClick:
        toggleRecording();
        break;
    case Key::LoadClick:
        stepRecall();
        break;
    case Key::LoadDoubleClick:
        recallIndex_ = 0;
        if (indicator_ == MemoryIndicator::Recalled) indicator_ = MemoryIndicator::None;
        break;
    case Key::ProgramExit:
        break;
    }
}

void MeterModel::stepMode(MeterMode first, MeterMode second)
{
    if (mode_ == first) {
        setMode(second);
    } else if (mode_ == second) {
        setMode(MeterMode::None);
    } else {
        setMode(first);
    }
}

void MeterModel::toggleRel()
{
    setMode(mode_ == MeterMode::Rel ? MeterMode::None : MeterMode::Rel);
}

void MeterModel::storeMemory()
{
    const Shown shown = shownValue();
    const MemoryRecord record { clock_, overRange_ ? measure::kOverRange : shown.lux, range_, footCandle_,
        mode_, shown.negative };
    storage_.storeMemory(record);  // a full memory keeps showing its last number
    indicator_ = MemoryIndicator::Stored;
    memoryNumberA_ = static_cast<int>(storage_.memory().size());
}

void MeterModel::stepRecall()
{
    const int count = static_cast<int>(storage_.memory().size());
    if (count == 0) return;
    recallIndex_ = recallIndex_ % count + 1;
    indicator_ = MemoryIndicator::Recalled;
    memoryNumberB_ = recallIndex_;
}

void MeterModel::toggleRecording()
{
    if (storage_.recording()) {
        storage_.stopRecording();
        if (indicator_ == MemoryIndicator::Recording) indicator_ = MemoryIndicator::None;
    } else if (storage_.startRecording(clock_, samplingInterval_, footCandle_)) {
        indicator_ = MemoryIndicator::Recording;
    }
}

MeterModel::Shown MeterModel::shownValue() const
{
    Shown shown { live_, false };
    if (recallIndex_ > 0) {
        const MemoryRecord& record = storage_.memory()[static_cast<std::size_t>(recallIndex_ - 1)];
        shown = { record.lux, record.negative };
    } else if (hold_) {
        shown = held_;
    } else if (isMaxMode(mode_) || isMinMode(mode_)) {
        shown.lux = extreme_;
    } else if (mode_ == MeterMode::Rel) {
        shown = { std::fabs(live_ - relReference_), live_ < relReference_ };
    }
    shown.negative = shown.negative || negative_;
    return shown;
}

void MeterModel::track(double live)
{
    live_ = live;
    if (isMaxMode(mode_)) extreme_ = std::max(extreme_, live);
    if (isMinMode(mode_)) extreme_ = std::min(extreme_, live);
}

MeasurementFrame MeterModel::nextFrame()
{
    track(pattern_.next());
    storage_.recordIfDue(clock_, { overRange_ ? measure::kOverRange : live_, range_ });
    const Shown shown = shownValue();

    FrameContent content;
    content.clock = clock_;
    content.samplingInterval = samplingInterval_;
    content.graphCount = overRange_ ? kOverRangeCount : countFor(live_, range_, footCandle_);
    content.displayCount = overRange_ ? kOverRangeCount : countFor(shown.lux, range_, footCandle_);
    content.rangeIndex = range_;
    content.footCandle = footCandle_;
    content.mode = mode_;
    content.hold = hold_;
    content.memory = indicator_;
    content.memoryNumberA = memoryNumberA_;
    content.memoryNumberB = memoryNumberB_;
    content.clockDisplay = clockDisplay_;
    content.negative = shown.negative;
    content.lowBattery = lowBattery_;
    return encodeFrame(content);
}

}  // namespace brivon::sim
