#pragma once
// "COM Port Setup": the number of a port from 5 to 16 for the "Other COM"
// entry, or a serial port present picked from its list.

#include <QDialog>

#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;

namespace brivon::ui {

// A serial port present, as the list shows it.
struct SerialPortEntry {
    QString device;  // "/dev/ttyUSB0"
    QString description;
    QString manufacturer;
    QString serialNumber;
};

class ComPortDialog : public QDialog {
    Q_OBJECT
public:
    // What OK gives: the typed number (any integer, the caller takes only
    // 5-16; nothing when none was typed) and the device picked, if any.
    struct Choice {
        std::optional<int> number;
        std::optional<QString> device;
    };

    ComPortDialog(int startNumber, std::vector<SerialPortEntry> ports, QWidget* parent = nullptr);

    // The serial ports of this machine.
    static std::vector<SerialPortEntry> presentPorts();
    // Nothing on Cancel.
    static std::optional<Choice> ask(QWidget* parent, int startNumber, std::vector<SerialPortEntry> ports);

    QLineEdit& numberEdit() { return *number_; }
    QListWidget& portList() { return *portList_; }
    Choice choice() const;

protected:
    void accept() override;

private:
    QLineEdit* number_;
    QListWidget* portList_;
    std::vector<SerialPortEntry> ports_;
};

}  // namespace brivon::ui
