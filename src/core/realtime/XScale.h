#pragma once
// The time axis of the whole run: room for 100 samples at the start of a run,
// compressed by about 12/11 whenever the line reaches the right edge, so the
// run so far always fits.

namespace brivon::realtime {

class XScale {
public:
    static constexpr int kInitialCapacity = 100;

    // The first sample of a run.
    void resetForRun();
    // Compresses until `sampleCount` samples fit across `width` pixels and
    // takes the pitch for that width. True when the axis was compressed.
    bool fit(int sampleCount, int width);
    // Level 0 follows the pitch while not zoomed, and keeps the pitch of the
    // moment of zooming while zoomed, so that a zoomed view keeps its samples.
    void followLevelZero(bool zoomed, int width);
    // Leaving the zoom: level 0 takes the whole run's pitch again.
    void unfreeze() { levelZeroPitch_ = pitch_; }

    int visibleCapacity() const { return visibleCapacity_; }
    float pitch() const { return pitch_; }
    float levelZeroPitch() const { return levelZeroPitch_; }

private:
    int visibleCapacity_ = kInitialCapacity;
    float pitch_ = 0.0f;
    float levelZeroPitch_ = 0.0f;
    int capacityAtZoom_ = kInitialCapacity;
};

}  // namespace brivon::realtime
