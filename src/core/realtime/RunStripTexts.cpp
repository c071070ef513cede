#include "core/realtime/RunStripTexts.h"

#include <string>

namespace brivon::realtime {

std::string startTimeText(platform::TimeValue start, const platform::Clock& clock)
{
    return platform::formatTime(clock.toLocal(start), kStartTimeFormat);
}

RunStripTexts runStripTexts(
    const RunBookkeeping& run, std::optional<bool> lowBattery, const platform::Clock& clock)
{
    RunStripTexts texts;
    if (run.started()) {
        texts.startTime = startTimeText(run.startTime(), clock);
        texts.dataNo = std::to_string(run.readingCount());
        texts.sampleRate = std::to_string(run.samplePeriodMs() / platform::kMillisecondsPerSecond);
    }
    if (lowBattery) texts.battery = *lowBattery ? "Low" : "Normal";
    return texts;
}

}  // namespace brivon::realtime
