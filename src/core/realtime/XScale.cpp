#include "core/realtime/XScale.h"

#include "core/realtime/RealTimeStyle.h"

namespace brivon::realtime {
namespace {

float pitchFor(int width, int capacity)
{
    return static_cast<float>(static_cast<double>(width) / (capacity - 1));
}

}  // namespace

void XScale::resetForRun()
{
    visibleCapacity_ = kInitialCapacity;
    levelZeroPitch_ = pitch_;
}

bool XScale::fit(int sampleCount, int width)
{
    bool compressed = false;
    // Each step leaves a twelfth of the width free and grows the capacity by at least one sample.
    while (width > 0 && sampleCount >= 2 && sampleCount >= visibleCapacity_ + 1) {
        const double usedWidth = width - width * (1.0 / kGridColumns);
        const float compressedPitch = static_cast<float>(usedWidth / visibleCapacity_);
        visibleCapacity_ = static_cast<int>(static_cast<float>(width) / compressedPitch + 1);
        compressed = true;
    }
    pitch_ = pitchFor(width, visibleCapacity_);
    return compressed;
}

void XScale::followLevelZero(bool zoomed, int width)
{
    if (zoomed) {
        levelZeroPitch_ = pitchFor(width, capacityAtZoom_);
        return;
    }
    levelZeroPitch_ = pitch_;
    capacityAtZoom_ = visibleCapacity_;
}

}  // namespace brivon::realtime
