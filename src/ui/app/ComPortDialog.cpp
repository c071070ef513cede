#include "ui/app/ComPortDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPortInfo>
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

// "/dev/ttyUSB0  FT232R USB UART, FTDI, A10K1234": the parts a port reports.
QString entryText(const SerialPortEntry& port)
{
    QStringList parts;
    for (const QString& part : { port.description, port.manufacturer, port.serialNumber })
        if (!part.isEmpty()) parts << part;
    return parts.isEmpty() ? port.device : port.device + "  " + parts.join(", ");
}

}  // namespace

ComPortDialog::ComPortDialog(int startNumber, std::vector<SerialPortEntry> ports, QWidget* parent)
    : QDialog(parent)
    , number_(new QLineEdit(this))
    , portList_(new QListWidget(this))
    , ports_(std::move(ports))
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

    auto* portGroup = new QGroupBox("Serial ports present", this);
    for (const SerialPortEntry& port : ports_)
        portList_->addItem(entryText(port));
    auto* portColumn = new QVBoxLayout(portGroup);
    portColumn->addWidget(portList_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(portGroup);
    layout->addWidget(buttons);
}

std::vector<SerialPortEntry> ComPortDialog::presentPorts()
{
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back(
            { info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber() });
    return ports;
}

ComPortDialog::Choice ComPortDialog::choice() const
{
    Choice choice;
    bool ok = false;
    const int typed = number_->text().trimmed().toInt(&ok);
    if (ok) choice.number = typed;
    const int row = portList_->currentRow();
    if (row >= 0 && static_cast<std::size_t>(row) < ports_.size())
        choice.device = ports_[static_cast<std::size_t>(row)].device;
    return choice;
}

void ComPortDialog::accept()
{
    const Choice chosen = choice();
    if (!chosen.number && !chosen.device) {
        QMessageBox::warning(this, windowTitle(), "Please enter an integer.");
        number_->setFocus();
        return;
    }
    QDialog::accept();
}

std::optional<ComPortDialog::Choice> ComPortDialog::ask(
    QWidget* parent, int startNumber, std::vector<SerialPortEntry> ports)
{
    ComPortDialog dialog(startNumber, std::move(ports), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

}  // namespace brivon::ui
