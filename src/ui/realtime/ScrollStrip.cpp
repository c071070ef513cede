#include "ui/realtime/ScrollStrip.h"

#include "ui/realtime/StripStyle.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>

namespace brivon::ui {

ScrollStrip::ScrollStrip(QWidget* parent)
    : QWidget(parent)
    , bar_(new QScrollBar(Qt::Horizontal, this))
{
    paintStripBackground(*this, kScrollStripBackground);
    bar_->setObjectName(QStringLiteral("graphScrollBar"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    disableScrolling();
    connect(bar_, &QScrollBar::valueChanged, this, &ScrollStrip::scrolled);
}

void ScrollStrip::setRange(int maximum, int samplesPerScreen)
{
    const QSignalBlocker blocker(bar_);
    bar_->setRange(0, maximum);
    bar_->setSingleStep(1);
    bar_->setPageStep(samplesPerScreen);
    bar_->setEnabled(true);
}

void ScrollStrip::setPosition(int position)
{
    const QSignalBlocker blocker(bar_);
    bar_->setValue(position);
}

void ScrollStrip::disableScrolling()
{
    bar_->setEnabled(false);
}

}  // namespace brivon::ui
