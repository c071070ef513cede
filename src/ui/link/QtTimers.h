#pragma once
// Window timers on Qt: one QTimer per id.

#include "core/platform/Timers.h"

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

namespace brivon::ui {

class QtTimers : public QObject, public platform::Timers {
    Q_OBJECT
public:
    explicit QtTimers(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    void start(int id, int periodMs) override;
    void stop(int id) override;
    bool isActive(int id) const override;

private:
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

}  // namespace brivon::ui
