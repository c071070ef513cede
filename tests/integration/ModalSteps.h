#pragma once
// Acts on the modal dialogs the program opens, one step per dialog, from inside
// their own event loops: while a dialog runs, a test cannot wait outside it.
// A step waits until a dialog of its type is the active modal one. Past the
// deadline every modal dialog is closed, so that a failing test ends.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <deque>
#include <functional>

namespace brivon::support {

class ModalSteps {
public:
    static constexpr int kPollMs = 10;

    explicit ModalSteps(int deadlineMs = 20000)
        : deadlineMs_(deadlineMs)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { poll(); });
        poll_.start(kPollMs);
        clock_.start();
    }

    template <typename Dialog> ModalSteps& then(std::function<void(Dialog&)> act)
    {
        steps_.push_back([act = std::move(act)](QWidget& modal) {
            auto* dialog = qobject_cast<Dialog*>(&modal);
            if (dialog) act(*dialog);
            return dialog != nullptr;
        });
        return *this;
    }

    bool done() const { return steps_.empty(); }
    bool timedOut() const { return timedOut_; }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (clock_.elapsed() > deadlineMs_) {
            timedOut_ = !steps_.empty();
            steps_.clear();
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        if (steps_.empty() || !modal || !modal->isVisible()) return;
        // Taken off first: a step may run nested event loops that poll again.
        auto step = std::move(steps_.front());
        steps_.pop_front();
        if (!step(*modal)) steps_.push_front(std::move(step));
    }

    std::deque<std::function<bool(QWidget&)>> steps_;
    QTimer poll_;
    QElapsedTimer clock_;
    int deadlineMs_;
    bool timedOut_ = false;
};

}  // namespace brivon::support
