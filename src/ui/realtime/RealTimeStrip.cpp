#include "ui/realtime/RealTimeStrip.h"

#include "ui/draw/QtCanvas.h"
#include "ui/realtime/StripStyle.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brivon::ui {
namespace {

QFrame* etchedLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

QLineEdit* makeStripField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

RealTimeStrip::RealTimeStrip(QWidget* parent)
    : QWidget(parent)
    , startTime_(makeStripField(this, "startTime"))
    , dataNo_(makeStripField(this, "dataNo"))
    , battery_(makeStripField(this, "voltageStage"))
    , sampleRate_(makeStripField(this, "sampleRate"))
    , yAxis_(new QPushButton(QStringLiteral("Y Axis"), this))
{
    setFont(QtCanvas::toQFont(kStripFont));
    paintStripBackground(*this, kStripBackground);
    yAxis_->setObjectName(QStringLiteral("yAxis"));

    auto* grid = new QGridLayout(this);
    auto* caption = new QLabel(QStringLiteral("Real-Time    Graph"), this);
    grid->addWidget(caption, 0, 0, 1, 7);
    grid->addWidget(etchedLine(this), 1, 0, 1, 7);
    grid->addWidget(new QLabel(QStringLiteral("Start Time"), this), 2, 0);
    grid->addWidget(startTime_, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Data No."), this), 2, 2);
    grid->addWidget(dataNo_, 2, 3);
    grid->addWidget(new QLabel(QStringLiteral("voltage stage"), this), 2, 4);
    grid->addWidget(battery_, 2, 5);
    grid->addWidget(new QLabel(QStringLiteral("Sample Rate"), this), 3, 0);
    grid->addWidget(sampleRate_, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Sec"), this), 3, 2);
    grid->addWidget(yAxis_, 3, 5);
    grid->addWidget(etchedLine(this), 4, 0, 1, 7);
    grid->setColumnStretch(6, 1);

    connect(yAxis_, &QPushButton::clicked, this, &RealTimeStrip::yAxisClicked);
}

void RealTimeStrip::setTexts(const realtime::RunStripTexts& texts)
{
    startTime_->setText(QString::fromStdString(texts.startTime));
    dataNo_->setText(QString::fromStdString(texts.dataNo));
    battery_->setText(QString::fromStdString(texts.battery));
    sampleRate_->setText(QString::fromStdString(texts.sampleRate));
}
QString RealTimeStrip::startTime() const
{
    return startTime_->text();
}
QString RealTimeStrip::dataNo() const
{
    return dataNo_->text();
}
QString RealTimeStrip::batteryState() const
{
    return battery_->text();
}
QString RealTimeStrip::sampleRate() const
{
    return sampleRate_->text();
}

}  // namespace brivon::ui
