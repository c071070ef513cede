#pragma once
// A real-time run for the graph tests: samples, the series the graph reads,
// and a model laid out paint by paint as the view would do it.

#include "core/realtime/GraphModel.h"
#include "support/FixedClock.h"

#include <vector>

namespace brivon::support {

// 1024 x 768: the plot spans x 294..974 (W = 680) and y 150..618 (H = 467).
inline constexpr draw::Rect kClient { 0, 0, 1024, 768 };
inline constexpr platform::TimeValue kStart = 1291730709;  // 07/12/10 14:05:09 UTC

struct GraphRun {
    FixedClock clock { kStart };
    realtime::GraphModel model { clock };
    std::vector<float> samples;
    int yGain = 40;
    int yOffset = 0;
    bool footCandles = false;
    int periodMs = 1000;

    realtime::GraphSeries series() const
    {
        realtime::GraphSeries s;
        s.samples = samples;
        s.sampleCount = static_cast<int>(samples.size());
        s.readingCount = s.sampleCount;
        s.startTime = kStart;
        s.samplePeriodMs = periodMs;
        s.footCandles = footCandles;
        s.yGain = yGain;
        s.yOffset = yOffset;
        return s;
    }

    realtime::RealTimeFrame paint(const draw::Rect& client = kClient)
    {
        return model.layout(series(), client);
    }

    // Commits samples one at a time with a paint after each, as a live run does.
    realtime::RealTimeFrame record(const std::vector<float>& values, const draw::Rect& client = kClient)
    {
        realtime::RealTimeFrame frame = paint(client);
        for (float v : values) {
            samples.push_back(v);
            frame = paint(client);
        }
        return frame;
    }

    realtime::RealTimeFrame recordRamp(int count, const draw::Rect& client = kClient)
    {
        std::vector<float> values;
        for (int i = 0; i < count; ++i)
            values.push_back(static_cast<float>(i % 400));
        return record(values, client);
    }

    // A drag from `from` to `to` on the current level, and the paint after it.
    bool zoom(draw::Point from, draw::Point to, const draw::Rect& client = kClient)
    {
        model.zoomScroll().startSelection(from);
        model.zoomScroll().endSelection(to);
        const bool entered = model.zoomScroll().zoomToSelection();
        paint(client);
        return entered;
    }
};

}  // namespace brivon::support
