#include "core/realtime/RunBookkeeping.h"

#include "core/store/RunLimits.h"

#include <algorithm>

namespace brivon::realtime {

RunBookkeeping::RunBookkeeping()
    : samples_(store::run_limits::kSampleCapacity, 0.0f)
    , readingToSample_(store::run_limits::kMaxReadings, 0)
{
}

void RunBookkeeping::append(float lux, bool footCandle)
{
    samples_[static_cast<std::size_t>(sampleCount_)] = lux;
    newReading_ = true;
    unitFlag_ = footCandle ? 1 : 0;
}

void RunBookkeeping::resetForNewRun(platform::TimeValue start)
{
    started_ = true;
    startTime_ = start;
    sampleCount_ = 0;
    readingCount_ = 0;
}

void RunBookkeeping::startBeforeFirstFrame(platform::TimeValue confirmed)
{
    samples_[0] = samples_[static_cast<std::size_t>(sampleCount_)];
    resetForNewRun(confirmed);
    newReading_ = false;
}

void RunBookkeeping::restore(const store::RealTimeRun& run)
{
    // Never more than a run can hold.
    const std::span<const float> committed = run.committedSamples().first(
        std::min<std::size_t>(run.committedSamples().size(), store::run_limits::kMaxSamples));
    std::copy(committed.begin(), committed.end(), samples_.begin());
    const auto readings
        = run.readingToSample.first(std::min({ static_cast<std::size_t>(std::max(0, run.readingCount)),
            run.readingToSample.size(), static_cast<std::size_t>(store::run_limits::kMaxReadings) }));
    std::copy(readings.begin(), readings.end(), readingToSample_.begin());
    sampleCount_ = static_cast<int>(committed.size());
    readingCount_ = static_cast<int>(readings.size());
    started_ = true;
    newReading_ = false;
    unitFlag_ = run.unitFlag;
    startTime_ = run.runStart;
    samplePeriodMs_ = run.samplePeriodMs;
    currentGain_ = run.currentGain;
}

bool RunBookkeeping::isFull() const
{
    return readingCount_ >= store::run_limits::kMaxReadings || sampleCount_ >= store::run_limits::kMaxSamples;
}

RunBookkeeping::Commit RunBookkeeping::commit()
{
    readingToSample_[static_cast<std::size_t>(readingCount_)] = sampleCount_;
    if (newReading_) {
        newReading_ = false;
        ++sampleCount_;
        ++readingCount_;
        return Commit::NewReading;
    }
    // A silent period repeats the sample before it, so the graph holds the
    // last value. With no sample yet the slot keeps what it holds.
    if (sampleCount_ > 0) {
        samples_[static_cast<std::size_t>(sampleCount_)]
            = samples_[static_cast<std::size_t>(sampleCount_ - 1)];
    }
    ++sampleCount_;
    return Commit::Repeated;
}

store::RealTimeRun RunBookkeeping::realTimeRun() const
{
    store::RealTimeRun run;
    run.readingCount = readingCount_;
    run.sampleCount = sampleCount_;
    run.samples = samples_;
    run.readingToSample = readingToSample_;
    run.currentGain = currentGain_;
    run.unitFlag = unitFlag_;
    run.runStart = startTime_;
    run.samplePeriodMs = samplePeriodMs_;
    return run;
}

}  // namespace brivon::realtime
