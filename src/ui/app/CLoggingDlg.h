#pragma once
// "logging...": the modal progress dialog shown while the meter transfers its stored data.

#include "core/app/DownloadProgress.h"
#include "ui/link/QtTimers.h"

#include <QDialog>

class QProgressBar;

namespace brivon::ui {

class CLoggingDlg : public QDialog {
    Q_OBJECT
public:
    CLoggingDlg(
        app::DownloadState& state, link::ModeFlags& modes, link::SerialLink& link, QWidget* parent = nullptr);

    // Shows the dialog until the transfer ends or times out.
    app::DownloadEnd runModal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showProgress();

    QtTimers timers_;
    app::DownloadProgress progress_;
    QProgressBar* bar_;
    app::DownloadEnd end_ = app::DownloadEnd::TimedOut;
};

}  // namespace brivon::ui
