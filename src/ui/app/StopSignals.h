#pragma once
// SIGINT (Ctrl+C in the terminal), SIGTERM and SIGHUP (the session or the
// terminal ending) turned into
// a Qt signal on the user-interface thread, so the program can close as its
// Close command does instead of dying with the port half-used.

#include <QObject>

class QSocketNotifier;

namespace brivon::ui {

class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    void stopRequested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brivon::ui
