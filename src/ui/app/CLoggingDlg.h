#pragma once
// "logging...": the modal progress dialog shown while the meter transfers its
// stored data. Cancel, Escape and the close button end the transfer as its
// time-out does.

#include "core/download/DownloadProgress.h"
#include "ui/link/QtTimers.h"

#include <QDialog>

class QLabel;
class QProgressBar;

namespace brivon::ui {

class CLoggingDlg : public QDialog {
    Q_OBJECT
public:
    CLoggingDlg(download::DownloadState& state, link::SerialLink& link, QWidget* parent = nullptr);

    // Shows the dialog until the transfer ends or times out.
    download::DownloadEnd runModal();

    // The transfer's state changed: the dialog looks at it once more, soon
    // after, outside any paint.
    void invalidate();

    const QProgressBar& bar() const { return *bar_; }
    // How far the download is: the bytes of a data-logger dump, the records of a memory dump.
    const QLabel& progressLabel() const { return *label_; }

    // Cancel, Escape and the window's close button all come here.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The core's look at the transfer (start the bar, notice its end), then the bar and its text.
    void takeStep();
    void showProgress();

    QtTimers timers_;
    const download::DownloadState& state_;
    download::DownloadProgress progress_;
    QProgressBar* bar_;
    QLabel* label_;
    download::DownloadEnd end_ = download::DownloadEnd::TimedOut;
    bool stepPending_ = false;
};

}  // namespace brivon::ui
