#include "core/realtime/graph/DataPolyline.h"

#include <algorithm>

namespace brivon::graph {
namespace {

// Collects the points of one pixel column and emits the few that draw it.
class ColumnReducer {
public:
    explicit ColumnReducer(std::vector<draw::Point>& out) : out_(out) {}

    void add(draw::Point p)
    {
        if (count_ > 0 && p.x == x_) {
            low_ = std::min(low_, p.y);
            high_ = std::max(high_, p.y);
            last_ = p.y;
            ++count_;
            return;
        }
        flush();
        x_ = p.x;
        first_ = low_ = high_ = last_ = p.y;
        count_ = 1;
    }

    void flush()
    {
        if (count_ == 0) return;
        emit(first_);
        if (count_ > 1) {
            // Walk to the nearer extreme first, then to the other, then to the last point.
            const bool lowFirst = first_ - low_ <= high_ - first_;
            emit(lowFirst ? low_ : high_);
            emit(lowFirst ? high_ : low_);
            emit(last_);
        }
        count_ = 0;
    }

private:
    void emit(int y)
    {
        const draw::Point p{x_, y};
        if (out_.empty() || !(out_.back() == p)) out_.push_back(p);
    }

    std::vector<draw::Point>& out_;
    int x_ = 0;
    int first_ = 0;
    int low_ = 0;
    int high_ = 0;
    int last_ = 0;
    int count_ = 0;
};

}  // namespace

void buildDataPolyline(const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Point>& points)
{
    points.clear();
    const DataLine& line = frame.line;
    if (line.empty() || line.first < 0 || static_cast<std::size_t>(line.last) >= samples.size()) return;
    const YMapping mapping(frame.map.labels, frame.geometry.height(), frame.footCandles);
    ColumnReducer reducer(points);
    for (int i = line.first; i <= line.last; ++i)
        reducer.add({toPixel(frame.map.xOf(static_cast<double>(line.shift) + i)),
                     toPixel(mapping.yOf(samples[static_cast<std::size_t>(i)]))});
    reducer.flush();
}

}  // namespace brivon::graph
