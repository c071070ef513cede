#include "core/graph/DataPolyline.h"

#include <algorithm>

namespace brivon::graph {
namespace {

// Collects the points of one pixel column and emits the few that draw it.
class ColumnReducer {
public:
    explicit ColumnReducer(std::vector<draw::Point>& out)
        : out_(out)
    {
    }

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
        const draw::Point p { x_, y };
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

// Grows one column's run at a time; the segment between two neighbouring
// columns is split at its middle row.
class ColumnRuns {
public:
    explicit ColumnRuns(std::vector<draw::Rect>& out)
        : out_(out)
    {
    }

    void add(draw::Point p)
    {
        if (open_ && p.x == x_) {
            include(p.y);
            last_ = p.y;
            return;
        }
        const bool neighbour = open_ && p.x == x_ + 1;
        const int middle = neighbour ? midpoint(last_, p.y) : p.y;
        if (neighbour) include(middle);
        flush();
        x_ = p.x;
        low_ = high_ = last_ = p.y;
        open_ = true;
        if (neighbour) include(middle);
    }

    void flush()
    {
        if (open_) out_.push_back({ x_, low_, x_ + 1, high_ + 1 });
        open_ = false;
    }

private:
    static int midpoint(int a, int b) { return static_cast<int>((static_cast<long long>(a) + b) / 2); }
    void include(int y)
    {
        low_ = std::min(low_, y);
        high_ = std::max(high_, y);
    }

    std::vector<draw::Rect>& out_;
    bool open_ = false;
    int x_ = 0;
    int low_ = 0;
    int high_ = 0;
    int last_ = 0;
};

// Calls `add` with the pixel of every sample of the frame's line.
template <typename AddFn>
void forEachPoint(const GraphFrame& frame, std::span<const float> samples, AddFn add)
{
    const DataLine& line = frame.line;
    if (line.empty() || line.first < 0 || static_cast<std::size_t>(line.last) >= samples.size()) return;
    const YMapping mapping(frame.map.labels, frame.geometry.height(), frame.footCandles);
    for (int i = line.first; i <= line.last; ++i)
        add(draw::Point { toPixel(frame.map.xOf(static_cast<double>(line.shift) + i)),
            toPixel(mapping.yOf(samples[static_cast<std::size_t>(i)])) });
}

}  // namespace

bool drawsAsColumns(const GraphFrame& frame)
{
    return frame.map.pitch > 0 && frame.map.pitch <= 1;
}

void buildDataColumns(
    const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Rect>& columns)
{
    columns.clear();
    ColumnRuns runs(columns);
    forEachPoint(frame, samples, [&](draw::Point p) { runs.add(p); });
    runs.flush();
}

void buildDataPolyline(
    const GraphFrame& frame, std::span<const float> samples, std::vector<draw::Point>& points)
{
    points.clear();
    ColumnReducer reducer(points);
    forEachPoint(frame, samples, [&](draw::Point p) { reducer.add(p); });
    reducer.flush();
}

}  // namespace brivon::graph
