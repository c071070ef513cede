#pragma once
// A clock the test sets; local time is UTC so results do not depend on the machine.

#include "core/platform/Clock.h"

namespace brivon::support {

class FixedClock : public platform::Clock {
public:
    explicit FixedClock(platform::TimeValue now = 0)
        : now_(now)
    {
    }
    platform::TimeValue now() const override { return now_; }
    platform::LocalTime toLocal(platform::TimeValue t) const override;
    platform::TimeValue fromLocal(const platform::LocalTime& local) const override;

    void set(platform::TimeValue now) { now_ = now; }
    void advance(platform::TimeValue seconds) { now_ += seconds; }

private:
    platform::TimeValue now_;
};

}  // namespace brivon::support
