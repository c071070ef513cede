#include "ui/app/MainStatusBar.h"

#include "core/app/StatusBarTexts.h"
#include "core/realtime/Readout.h"

#include <QLabel>
#include <QStatusBar>

namespace brivon::ui {

namespace {

constexpr const char* kScrollLockIndicator = "SCRL";
constexpr std::size_t kScrollLockPane = 3;

QLabel* sunkenPane(QStatusBar& bar)
{
    auto* pane = new QLabel(&bar);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    return pane;
}

}  // namespace

MainStatusBar::MainStatusBar(QStatusBar& bar)
{
    for (QLabel*& pane : panes_)
        pane = sunkenPane(bar);
    for (std::size_t i = 0; i < app::status_bar::kPaneWidths.size(); ++i)
        panes_[i]->setMinimumWidth(app::status_bar::kPaneWidths[i]);
    // The link pane stretches: its text may name a device and what to do about it.
    bar.addWidget(panes_[app::status_bar::kLinkPane], 1);
    warningPane_ = sunkenPane(bar);
    warningPane_->hide();
    bar.addWidget(warningPane_, 1);
    bar.addWidget(panes_[app::status_bar::kTimePane]);
    bar.addWidget(panes_[app::status_bar::kDataPane]);
    panes_[kScrollLockPane]->setText(kScrollLockIndicator);
    panes_[kScrollLockPane]->setEnabled(false);
    bar.addPermanentWidget(panes_[kScrollLockPane]);
    const realtime::Readout empty = realtime::emptyRunReadout();
    setReadout(QString::fromStdString(empty.time), QString::fromStdString(empty.data));
}

void MainStatusBar::setLinkText(const QString& text)
{
    panes_[app::status_bar::kLinkPane]->setText(text);
    panes_[app::status_bar::kLinkPane]->setToolTip(text);
}

void MainStatusBar::setWarningText(const QString& text)
{
    warningPane_->setText(text);
    warningPane_->setToolTip(text);
    warningPane_->setVisible(!text.isEmpty());
}

void MainStatusBar::setReadout(const QString& time, const QString& data)
{
    panes_[app::status_bar::kTimePane]->setText(time);
    panes_[app::status_bar::kDataPane]->setText(data);
}

QString MainStatusBar::paneText(int pane) const
{
    return panes_.at(static_cast<std::size_t>(pane))->text();
}

const QLabel* MainStatusBar::visibleWarningPane() const
{
    return warningPane_->isVisible() ? warningPane_ : nullptr;
}

}  // namespace brivon::ui
