#pragma once
// A clock the test sets; local time is UTC so results do not depend on the machine.

#include "core/platform/Clock.h"

namespace brivon::testing {

class FixedClock : public Clock {
public:
    explicit FixedClock(TimeValue now = 0)
        : now_(now)
    {
    }
    TimeValue now() const override { return now_; }
    LocalTime toLocal(TimeValue t) const override;
    TimeValue fromLocal(const LocalTime& local) const override;

    void set(TimeValue now) { now_ = now; }
    void advance(TimeValue seconds) { now_ += seconds; }

private:
    TimeValue now_;
};

}  // namespace brivon::testing
