#pragma once
// The serial control over QSerialPort: the property set the program uses,
// with the receive threshold of the original control. Bytes arrive in
// arbitrary pieces; they are kept until at least RThreshold of them are
// waiting, then one receive event hands over everything that is waiting.

#include "core/link/PortMap.h"
#include "core/platform/SerialPort.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>

namespace brivon::ui {

class CMSComm : public QObject, public platform::SerialPort {
    Q_OBJECT
public:
    explicit CMSComm(link::PortMap portMap, QObject* parent = nullptr);

    void setCommPort(int portNumber) override;
    int commPort() const override { return portNumber_; }
    void setSettings(const std::string& settings) override;
    bool portOpen() const override { return port_.isOpen(); }
    void setPortOpen(bool open) override;
    void setInputMode(int mode) override { inputMode_ = mode; }
    void setInputLen(int length) override { inputLen_ = length; }
    void setRThreshold(int count) override;
    int rThreshold() const override { return threshold_; }
    void discardInput() override;
    void discardOutput() override;
    platform::Bytes input() override;
    void output(const platform::Bytes& bytes) override;
    int commEvent() const override { return commEvent_; }
    std::string devicePath() const override { return portMap_.pathFor(portNumber_); }
    // Bytes received and not yet handed over by a receive event.
    int inBufferCount() const { return static_cast<int>(waiting_.size()); }

    link::PortMap& portMap() { return portMap_; }

private:
    void takeArrivedBytes();
    void raiseReceiveIfDue();
    void onErrorOccurred(QSerialPort::SerialPortError error);
    void applySettings();
    void requireOpen(const char* operation) const;
    platform::SerialError openError() const;

    link::PortMap portMap_;
    QSerialPort port_;
    int portNumber_ = 1;
    int baudRate_ = QSerialPort::Baud9600;
    QSerialPort::Parity parity_ = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits_ = QSerialPort::Data8;
    QSerialPort::StopBits stopBits_ = QSerialPort::OneStop;
    int inputMode_ = 0;
    int inputLen_ = 0;
    int threshold_ = 0;
    int commEvent_ = 0;
    QByteArray waiting_;
};

}  // namespace brivon::ui
