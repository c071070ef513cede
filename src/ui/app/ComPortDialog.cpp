#include "ui/app/ComPortDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace brivon::ui {

namespace {

constexpr int kLabelPixelSize = 15;
constexpr int kLabelWeight = 500;

QFont labelFont()
{
    QFont font("Liberation Sans");
    font.setPixelSize(kLabelPixelSize);
    font.setWeight(static_cast<QFont::Weight>(kLabelWeight));
    return font;
}

}  // namespace

ComPortDialog::ComPortDialog(int startNumber, QWidget* parent)
    : QDialog(parent)
    , number_(new QLineEdit(this))
{
    setWindowTitle("COM Port Setup");
    auto* group = new QGroupBox("Input integer number 5 to 16", this);
    auto* label = new QLabel("COM  No.", group);
    label->setFont(labelFont());
    number_->setText(QString::number(startNumber));
    auto* row = new QHBoxLayout(group);
    row->addWidget(label);
    row->addWidget(number_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setFont(labelFont());
    connect(buttons, &QDialogButtonBox::accepted, this, &ComPortDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

int ComPortDialog::number() const
{
    return number_->text().trimmed().toInt();
}

void ComPortDialog::accept()
{
    bool ok = false;
    number_->text().trimmed().toInt(&ok);
    if (!ok) {
        QMessageBox::warning(this, windowTitle(), "Please enter an integer.");
        number_->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<int> ComPortDialog::ask(QWidget* parent, int startNumber)
{
    ComPortDialog dialog(startNumber, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.number();
}

}  // namespace brivon::ui
