#include "ui/realtime/StatisticsStrip.h"

#include "ui/draw/QtCanvas.h"
#include "ui/realtime/RealTimeStrip.h"
#include "ui/realtime/StripStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace brivon::ui {

StatisticsStrip::StatisticsStrip(QWidget* parent)
    : QWidget(parent)
    , maximum_(makeStripField(this, "maximum"))
    , maximumTime_(makeStripField(this, "maximumTime"))
    , minimum_(makeStripField(this, "minimum"))
    , minimumTime_(makeStripField(this, "minimumTime"))
    , average_(makeStripField(this, "average"))
{
    setFont(QtCanvas::toQFont(kStripFont));
    paintStripBackground(*this, kStripBackground);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Max"), this), 0, 0);
    grid->addWidget(maximum_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Time"), this), 0, 2);
    grid->addWidget(maximumTime_, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Avg"), this), 0, 4);
    grid->addWidget(average_, 0, 5);
    grid->addWidget(new QLabel(QStringLiteral("Min"), this), 1, 0);
    grid->addWidget(minimum_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Time"), this), 1, 2);
    grid->addWidget(minimumTime_, 1, 3);
    grid->setColumnStretch(6, 1);
}

void StatisticsStrip::setStatistics(const link::StatisticsTexts& texts)
{
    maximum_->setText(QString::fromStdString(texts.maximum));
    maximumTime_->setText(QString::fromStdString(texts.maximumTime));
    minimum_->setText(QString::fromStdString(texts.minimum));
    minimumTime_->setText(QString::fromStdString(texts.minimumTime));
    average_->setText(QString::fromStdString(texts.average));
}

link::StatisticsTexts StatisticsStrip::statistics() const
{
    link::StatisticsTexts texts;
    texts.maximum = maximum_->text().toStdString();
    texts.maximumTime = maximumTime_->text().toStdString();
    texts.minimum = minimum_->text().toStdString();
    texts.minimumTime = minimumTime_->text().toStdString();
    texts.average = average_->text().toStdString();
    return texts;
}

}  // namespace brivon::ui
