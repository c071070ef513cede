#include "ui/link/CMSComm.h"

#include <QFileInfo>
#include <QStringList>

namespace brivon::ui {

namespace {

QSerialPort::Parity parityFrom(const QString& letter)
{
    if (letter == "e") return QSerialPort::EvenParity;
    if (letter == "o") return QSerialPort::OddParity;
    if (letter == "m") return QSerialPort::MarkParity;
    if (letter == "s") return QSerialPort::SpaceParity;
    return QSerialPort::NoParity;
}

}  // namespace

CMSComm::CMSComm(link::PortMap portMap, QObject* parent)
    : QObject(parent)
    , portMap_(std::move(portMap))
{
    connect(&port_, &QSerialPort::readyRead, this, [this] {
        takeArrivedBytes();
        raiseReceiveIfDue();
    });
    connect(&port_, &QSerialPort::errorOccurred, this, &CMSComm::onErrorOccurred);
}

void CMSComm::setCommPort(int portNumber)
{
    if (port_.isOpen()) throw platform::SerialError("Port already open");
    if (portNumber < 1 || portNumber > link::PortMap::kPortCount)
        throw platform::SerialError(platform::kInvalidPortNumber);
    portNumber_ = portNumber;
}

// "9600,n,8,1": baud rate, parity letter, data bits, stop bits.
void CMSComm::setSettings(const std::string& settings)
{
    const QStringList parts = QString::fromStdString(settings).toLower().split(',');
    bool ok = parts.size() == 4;
    const int baud = ok ? parts[0].toInt(&ok) : 0;
    const int bits = ok ? parts[2].toInt(&ok) : 0;
    if (!ok || baud <= 0 || bits < 5 || bits > 8) throw platform::SerialError("Invalid property value");
    baudRate_ = baud;
    parity_ = parityFrom(parts[1]);
    dataBits_ = static_cast<QSerialPort::DataBits>(bits);
    stopBits_ = parts[3] == "2" ? QSerialPort::TwoStop : QSerialPort::OneStop;
    if (port_.isOpen()) applySettings();
}

void CMSComm::setPortOpen(bool open)
{
    if (!open) {
        if (port_.isOpen()) port_.close();
        waiting_.clear();
        return;
    }
    if (port_.isOpen()) throw platform::SerialError("Port already open");
    const QString path = QString::fromStdString(devicePath());
    if (path.isEmpty() || !QFileInfo::exists(path)) throw platform::SerialError(platform::kInvalidPortNumber);
    port_.setPortName(path);
    if (!port_.open(QIODevice::ReadWrite)) throw openError();
    applySettings();
    waiting_.clear();
}

platform::SerialError CMSComm::openError() const
{
    const std::string path = devicePath();
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
        return platform::SerialError(platform::kInvalidPortNumber);
    case QSerialPort::PermissionError:
        return platform::SerialError(
            "No permission to open " + path + ": add your user to the dialout group, then log in again");
    case QSerialPort::UnsupportedOperationError:  // the terminal settings cannot be read
        return platform::SerialError(path + " is not a serial device");
    default:
        return platform::SerialError("Cannot open " + path + ": " + port_.errorString().toStdString());
    }
}

void CMSComm::applySettings()
{
    port_.setBaudRate(baudRate_);
    port_.setParity(parity_);
    port_.setDataBits(dataBits_);
    port_.setStopBits(stopBits_);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

void CMSComm::setRThreshold(int count)
{
    threshold_ = count;
    raiseReceiveIfDue();
}

void CMSComm::requireOpen(const char* operation) const
{
    if (!port_.isOpen())
        throw platform::SerialError(std::string("Operation valid only when the port is open: ") + operation);
}

void CMSComm::discardInput()
{
    if (port_.isOpen()) {
        takeArrivedBytes();
        port_.clear(QSerialPort::Input);
    }
    waiting_.clear();
}

// Drops only what has not been handed to the device yet. Output hands every
// command over at once, and the program discards output right after each
// command: flushing the device's queue too would lose the command itself
// (a pseudo-terminal, or a UART at 9600 baud, still holds it at that moment).
void CMSComm::discardOutput()
{
    if (port_.isOpen() && port_.bytesToWrite() > 0) port_.clear(QSerialPort::Output);
}

platform::Bytes CMSComm::input()
{
    requireOpen("Input");
    takeArrivedBytes();
    platform::Bytes all(waiting_.begin(), waiting_.end());
    waiting_.clear();
    return all;
}

void CMSComm::output(const platform::Bytes& bytes)
{
    requireOpen("Output");
    const auto size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        throw platform::SerialError("Cannot write to " + devicePath());
    // Hand the bytes to the device now: the port may be closed right after a command.
    port_.flush();
}

void CMSComm::takeArrivedBytes()
{
    if (port_.isOpen()) waiting_.append(port_.readAll());
}

void CMSComm::raiseReceiveIfDue()
{
    if (threshold_ <= 0 || waiting_.size() < threshold_) return;
    commEvent_ = platform::kCommEventReceive;
    raiseEvent();
}

void CMSComm::onErrorOccurred(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !port_.isOpen()) return;
    commEvent_ = platform::kCommEventError;
    // A vanished device (adapter unplugged) leaves the port closed, so the
    // watchdog's next restart finds it missing and goes off-line.
    if (error == QSerialPort::ResourceError) port_.close();
    raiseEvent();
}

}  // namespace brivon::ui
