#include "ui/realtime/YAxisDialog.h"

#include "ui/draw/QtCanvas.h"
#include "ui/realtime/StripStyle.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace brivon::ui {
namespace {

constexpr const char* kTitle = "Y OFFSET And Y GAINS Setup";
// Room in the title bar beside its text: the window icon and the close button.
constexpr int kTitleBarDecorationWidth = 120;

// Wide enough for the whole title, measured in bold as window managers often draw it.
int widthForTitle(const QWidget& dialog)
{
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(QString::fromLatin1(kTitle)) + kTitleBarDecorationWidth;
}

template <std::size_t N>
QComboBox* choiceList(QWidget* parent, const std::array<graph::AxisChoice, N>& choices, const char* name)
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

YAxisDialog::YAxisDialog(graph::YAxisSetting current, QWidget* parent)
    : QDialog(parent)
    , current_(current)
    , currentText_(new QLabel(QString::fromStdString(graph::settingText(current)), this))
    , offset_(choiceList(this, graph::kOffsetChoices, "offset"))
    , gain_(choiceList(this, graph::kGainChoices, "gain"))
{
    setWindowTitle(QString::fromLatin1(kTitle));
    setMinimumWidth(widthForTitle(*this));
    const QFont font = QtCanvas::toQFont(kYAxisDialogFont);
    auto* form = new QFormLayout(this);
    auto* offsetLabel = new QLabel(QStringLiteral("Y OFFSET(DIV)"), this);
    auto* gainLabel = new QLabel(QStringLiteral("Y GAINS/DIV"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QWidget* widget :
        std::initializer_list<QWidget*> { currentText_, offsetLabel, gainLabel, ok, cancel })
        widget->setFont(font);
    ok->setDefault(true);
    form->addRow(currentText_);
    form->addRow(offsetLabel, offset_);
    form->addRow(gainLabel, gain_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

graph::YAxisSetting YAxisDialog::chosen() const
{
    return graph::applyAxisChoice(current_, chosenIndex(*gain_), chosenIndex(*offset_));
}

QString YAxisDialog::currentText() const
{
    return currentText_->text();
}

std::optional<graph::YAxisSetting> YAxisDialog::ask(QWidget* parent, graph::YAxisSetting current)
{
    YAxisDialog dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}

}  // namespace brivon::ui
