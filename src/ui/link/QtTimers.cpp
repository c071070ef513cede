#include "ui/link/QtTimers.h"

namespace brivon::ui {

void QtTimers::start(int id, int periodMs)
{
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer.get(), &QTimer::timeout, this, [this, id] { fire(id); });
    }
    timer->start(periodMs);
}

void QtTimers::stop(int id)
{
    if (const auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

bool QtTimers::isActive(int id) const
{
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

}  // namespace brivon::ui
