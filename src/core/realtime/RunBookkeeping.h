#pragma once
// The samples of the current real-time run and their bookkeeping: the slot a
// measurement frame writes, the commit of one sample per period, the counts,
// the start time and the table that maps each reading to the sample it was
// committed as. The samples of the last run stay until the next run's reset.

#include "core/platform/Clock.h"
#include "core/store/RealTimeRun.h"

#include <cstdint>
#include <span>
#include <vector>

namespace brivon::realtime {

class RunBookkeeping {
public:
    enum class Commit {
        NewReading,  // the slot held a fresh reading and became the next sample
        Repeated,  // no frame came in this period: the previous sample was repeated
    };

    RunBookkeeping();

    // A measurement frame (with or without a run): the value goes into slot
    // [sample count] and stays there until the next commit or frame.
    void append(float lux, bool footCandle);
    // The first frame after Run: a new run starts now and empty.
    void resetForNewRun(platform::TimeValue start);
    // Run was confirmed and no frame of the run has come yet: the run starts
    // empty at `confirmed`, so it is never dated 1970 or after the last run.
    // The slot keeps the latest value, which silent periods repeat, but it is
    // not counted as a reading of this run.
    void startBeforeFirstFrame(platform::TimeValue confirmed);
    // A run kept elsewhere (a recovered journal) becomes the current run.
    void restore(const store::RealTimeRun& run);
    // One sample period of an active run. Only call it while !isFull().
    Commit commit();
    // The run has reached its reading or sample limit; committing would write
    // past the reading-to-sample table or the graph's tables.
    bool isFull() const;

    void setSamplePeriodMs(int periodMs) { samplePeriodMs_ = periodMs; }
    void setCurrentGain(int gain) { currentGain_ = gain; }

    // A run was started or restored: its start time and period mean something.
    bool started() const { return started_; }
    int sampleCount() const { return sampleCount_; }
    int readingCount() const { return readingCount_; }
    bool hasNewReading() const { return newReading_; }
    std::uint8_t unitFlag() const { return unitFlag_; }
    platform::TimeValue startTime() const { return startTime_; }
    int samplePeriodMs() const { return samplePeriodMs_; }
    int currentGain() const { return currentGain_; }
    // Every slot of the store; [0, sampleCount()) are the committed samples.
    std::span<const float> samples() const { return samples_; }
    std::span<const std::int32_t> readingToSample() const { return readingToSample_; }

    // The run as the file writers and the graph read it.
    store::RealTimeRun realTimeRun() const;

private:
    std::vector<float> samples_;
    std::vector<std::int32_t> readingToSample_;
    int sampleCount_ = 0;
    int readingCount_ = 0;
    bool started_ = false;
    bool newReading_ = false;
    std::uint8_t unitFlag_ = 0;
    platform::TimeValue startTime_ = 0;
    int samplePeriodMs_ = 0;  // no period before the first Run
    int currentGain_ = 0;  // set with the Y gain on every range or unit change
};

}  // namespace brivon::realtime
