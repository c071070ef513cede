#pragma once
// "logging...": the modal progress dialog shown while the meter transfers its stored data.

#include "core/download/DownloadProgress.h"
#include "ui/link/QtTimers.h"

#include <QDialog>

class QProgressBar;

namespace brivon::ui {

class CLoggingDlg : public QDialog {
    Q_OBJECT
public:
    CLoggingDlg(download::DownloadState& state, link::ModeFlags& modes, link::SerialLink& link,
        QWidget* parent = nullptr);

    // Shows the dialog until the transfer ends or times out.
    download::DownloadEnd runModal();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showProgress();

    QtTimers timers_;
    download::DownloadProgress progress_;
    QProgressBar* bar_;
    download::DownloadEnd end_ = download::DownloadEnd::TimedOut;
};

}  // namespace brivon::ui
