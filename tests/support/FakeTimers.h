#pragma once
// Window timers on virtual time: a test advances the clock and due timers fire
// in time order, as the message loop would deliver them.

#include "core/platform/Timers.h"

#include <map>

namespace brivon::support {

class FakeTimers : public platform::Timers {
public:
    void start(int id, int periodMs) override { timers_[id] = { periodMs, nowMs_ + periodMs }; }
    void stop(int id) override { timers_.erase(id); }
    bool isActive(int id) const override { return timers_.count(id) != 0; }

    void advance(long long ms);
    long long nowMs() const { return nowMs_; }

private:
    struct Entry {
        int periodMs;
        long long dueMs;
    };
    std::map<int, Entry> timers_;
    long long nowMs_ = 0;
};

}  // namespace brivon::support
