#include "support/FakeTimers.h"

namespace brivon::support {

void FakeTimers::advance(long long ms)
{
    const long long end = nowMs_ + ms;
    for (;;) {
        int dueId = 0;
        long long dueMs = end + 1;
        for (const auto& [id, entry] : timers_) {
            if (entry.dueMs < dueMs) {
                dueId = id;
                dueMs = entry.dueMs;
            }
        }
        if (dueMs > end) break;
        nowMs_ = dueMs;
        timers_[dueId].dueMs += timers_[dueId].periodMs;
        fire(dueId);
    }
    nowMs_ = end;
}

}  // namespace brivon::support
