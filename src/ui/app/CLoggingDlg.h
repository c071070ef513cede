#pragma once
// "logging...": the modal progress dialog shown while the meter transfers its stored data.

#include "core/app/DownloadProgress.h"
#include "ui/link/QtTimers.h"

#include <QDialog>

class QProgressBar;

namespace brivon {

class CLoggingDlg : public QDialog {
    Q_OBJECT
public:
    CLoggingDlg(DownloadState& state, ModeFlags& modes, SerialLink& link, QWidget* parent = nullptr);

    // Shows the dialog until the transfer ends or times out.
    DownloadEnd runModal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showProgress();

    QtTimers timers_;
    DownloadProgress progress_;
    QProgressBar* bar_;
    DownloadEnd end_ = DownloadEnd::TimedOut;
};

}  // namespace brivon
