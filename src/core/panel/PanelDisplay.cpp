#include "core/panel/PanelDisplay.h"

#include "core/panel/PanelLayout.h"

#include <algorithm>

namespace brivon::panel {

void PanelDisplay::showReading(const link::Reading& reading)
{
    texts_.reading = reading.readingText;
    texts_.unit = reading.unitText;
    texts_.hold = reading.holdText;
    texts_.mode = reading.modeText;
    texts_.range = reading.rangeText;
    texts_.clock = reading.clockText;
    texts_.clockLabel = reading.clockLabel;
    texts_.memoryFlag = reading.memoryFlagText;
    texts_.memoryNumber = reading.memoryNumberText;
    setBarCount(reading.barCount);
}

void PanelDisplay::setBarCount(int count)
{
    barCount_ = std::min(count, panel::kLastTick);
}

}  // namespace brivon::panel
