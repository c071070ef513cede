#include "ui/app/CLoggingDlg.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace brivon::ui {

namespace {

constexpr const char* kCaption = "logging...";
constexpr int kDialogWidth = 260;

}  // namespace

CLoggingDlg::CLoggingDlg(download::DownloadState& state, link::SerialLink& link, QWidget* parent)
    : QDialog(parent)
    , progress_(state, link, timers_)
    , bar_(new QProgressBar(this))
{
    setWindowTitle(kCaption);
    setFixedWidth(kDialogWidth);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLoggingDlg::reject);
    layout->addWidget(buttons);
    timers_.setHandler([this](int id) {
        progress_.timerExpired(id);
        showProgress();
    });
    progress_.setEndHandler([this](download::DownloadEnd how) {
        end_ = how;
        accept();
    });
}

download::DownloadEnd CLoggingDlg::runModal()
{
    exec();
    return end_;
}

void CLoggingDlg::reject()
{
    // The end handler closes the dialog.
    progress_.cancel();
}

void CLoggingDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    invalidate();
}

void CLoggingDlg::invalidate()
{
    if (stepPending_) return;
    stepPending_ = true;
    QTimer::singleShot(0, this, &CLoggingDlg::takeStep);
}

void CLoggingDlg::takeStep()
{
    stepPending_ = false;
    progress_.update();
    showProgress();
}

void CLoggingDlg::showProgress()
{
    bar_->setRange(0, std::max(progress_.maximum(), 1));
    bar_->setValue(progress_.position());
}

}  // namespace brivon::ui
