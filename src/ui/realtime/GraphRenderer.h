#pragma once
// Draws one laid-out frame of the real-time graph onto a QPainter (an image,
// the view's cache): each surface clipped and placed where the view copies
// its off-screen bitmap.

#include "core/realtime/RealTimeFrame.h"
#include "core/realtime/RealTimePainter.h"

#include <span>

class QPainter;

namespace brivon::ui {

// The main window's toolbar above the view: what the layouts drew on the main
// window lies this much higher in the view.
inline constexpr int kToolbarHeight = 30;
// The status bar below the view.
inline constexpr int kStatusBarHeight = 20;

class GraphRenderer {
public:
    void render(QPainter& painter, const realtime::RealTimeFrame& frame, std::span<const float> samples);

private:
    realtime::RealTimePainter painter_;
};

}  // namespace brivon::ui
