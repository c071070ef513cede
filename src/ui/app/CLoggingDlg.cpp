#include "ui/app/CLoggingDlg.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace brivon::ui {

namespace {

constexpr int kDialogWidth = 260;

}  // namespace

CLoggingDlg::CLoggingDlg(
    download::DownloadState& state, link::ModeFlags& modes, link::SerialLink& link, QWidget* parent)
    : QDialog(parent)
    , progress_(state, modes, link, timers_)
    , bar_(new QProgressBar(this))
{
    setWindowTitle("logging...");
    setFixedWidth(kDialogWidth);
    bar_->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
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

void CLoggingDlg::paintEvent(QPaintEvent* event)
{
    progress_.paint();
    showProgress();
    QDialog::paintEvent(event);
}

void CLoggingDlg::showProgress()
{
    bar_->setRange(0, std::max(progress_.maximum(), 1));
    bar_->setValue(progress_.position());
    update();
}

}  // namespace brivon::ui
