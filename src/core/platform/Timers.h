#pragma once
// The timer seam: window timers with small integer ids, one set per window.
// The Qt layer runs one QTimer per id; tests advance virtual time.

#include <functional>

namespace brivon::platform {

class Timers {
public:
    virtual ~Timers() = default;
    // (Re)starts timer `id` to fire every `periodMs` until stopped.
    virtual void start(int id, int periodMs) = 0;
    virtual void stop(int id) = 0;
    virtual bool isActive(int id) const = 0;

    void setHandler(std::function<void(int id)> handler) { handler_ = std::move(handler); }

protected:
    void fire(int id) const
    {
        if (handler_) handler_(id);
    }

private:
    std::function<void(int)> handler_;
};

}  // namespace brivon::platform
