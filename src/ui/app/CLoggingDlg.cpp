#include "ui/app/CLoggingDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace brivon::ui {

namespace {

constexpr const char* kCaption = "logging...";
constexpr int kDialogWidth = 360;  // the bar and its text beside it

}  // namespace

CLoggingDlg::CLoggingDlg(download::DownloadState& state, link::SerialLink& link, QWidget* parent)
    : QDialog(parent)
    , state_(state)
    , progress_(state, link, timers_)
    , bar_(new QProgressBar(this))
    , label_(new QLabel(this))
{
    setWindowTitle(kCaption);
    setFixedWidth(kDialogWidth);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    auto* barRow = new QHBoxLayout;
    barRow->addWidget(bar_, 1);
    barRow->addWidget(label_);
    layout->addLayout(barRow);
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
    label_->setText(QString::fromStdString(download::progressText(state_)));
}

}  // namespace brivon::ui
