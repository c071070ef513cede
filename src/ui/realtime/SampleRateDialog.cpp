#include "ui/realtime/SampleRateDialog.h"

#include "core/platform/Clock.h"
#include "core/realtime/GraphSetup.h"
#include "ui/draw/QtCanvas.h"
#include "ui/realtime/StripStyle.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brivon::ui {
namespace {

}  // namespace

SampleRateDialog::SampleRateDialog(QWidget* parent)
    : QDialog(parent)
    , seconds_(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Sample Rate Setup"));
    const QFont font = QtCanvas::toQFont(kSampleRateDialogFont);
    seconds_->setObjectName(QStringLiteral("seconds"));
    seconds_->setValidator(new QIntValidator(seconds_));
    auto* label = new QLabel(QStringLiteral("Sample Rate"), this);
    auto* unit = new QLabel(QStringLiteral("Sec"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    for (QWidget* widget :
        { static_cast<QWidget*>(label), static_cast<QWidget*>(unit), static_cast<QWidget*>(ok) })
        widget->setFont(font);
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(seconds_);
    row->addWidget(unit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setCurrentPeriodMs(0);
}

void SampleRateDialog::setCurrentPeriodMs(int periodMs)
{
    seconds_->setText(QString::number(realtime::initialSampleRateSeconds(periodMs)));
}

int SampleRateDialog::periodMs() const
{
    // Text the validator let through but that is no number (empty, a lone sign) counts as 0.
    return realtime::samplePeriodMsFromSeconds(seconds_->text().toInt());
}

QString SampleRateDialog::sampleRateText() const
{
    return QString::number(periodMs() / platform::kMillisecondsPerSecond);
}

std::optional<int> SampleRateDialog::ask(QWidget* parent, int currentPeriodMs)
{
    SampleRateDialog dialog(parent);
    dialog.setCurrentPeriodMs(currentPeriodMs);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.periodMs();
}

}  // namespace brivon::ui
