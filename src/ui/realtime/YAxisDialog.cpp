#include "ui/realtime/YAxisDialog.h"

#include "ui/draw/QtCanvas.h"
#include "ui/realtime/StripStyle.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace brivon::ui {
namespace {

template <std::size_t N>
QComboBox* choiceList(QWidget* parent, const std::array<realtime::AxisChoice, N>& choices, const char* name)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (const auto& choice : choices)
        list->addItem(QString::fromLatin1(choice.text.data(), static_cast<qsizetype>(choice.text.size())));
    list->setCurrentIndex(-1);
    return list;
}

std::optional<int> chosenIndex(const QComboBox& list)
{
    return list.currentIndex() < 0 ? std::nullopt : std::optional<int>(list.currentIndex());
}

}  // namespace

YAxisDialog::YAxisDialog(QWidget* parent)
    : QDialog(parent)
    , offset_(choiceList(this, realtime::kOffsetChoices, "offset"))
    , gain_(choiceList(this, realtime::kGainChoices, "gain"))
{
    setWindowTitle(QStringLiteral("Y OFFSET And Y GAINS Setup"));
    const QFont font = QtCanvas::toQFont(kYAxisDialogFont);
    auto* form = new QFormLayout(this);
    auto* offsetLabel = new QLabel(QStringLiteral("Y OFFSET(DIV)"), this);
    auto* gainLabel = new QLabel(QStringLiteral("Y GAINS/DIV"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    for (QWidget* widget :
        { static_cast<QWidget*>(offsetLabel), static_cast<QWidget*>(gainLabel), static_cast<QWidget*>(ok) })
        widget->setFont(font);
    ok->setDefault(true);
    form->addRow(offsetLabel, offset_);
    form->addRow(gainLabel, gain_);
    form->addRow(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

realtime::YAxisSetting YAxisDialog::chosen(realtime::YAxisSetting current) const
{
    return realtime::applyAxisChoice(current, chosenIndex(*gain_), chosenIndex(*offset_));
}

std::optional<realtime::YAxisSetting> YAxisDialog::ask(QWidget* parent, realtime::YAxisSetting current)
{
    YAxisDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen(current);
}

}  // namespace brivon::ui
