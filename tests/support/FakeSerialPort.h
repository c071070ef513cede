#pragma once
// A scripted serial port: records every operation, delivers bytes on demand and
// raises the receive event by the threshold rule; ports can be made to fail.

#include "core/platform/SerialPort.h"

#include <set>
#include <string>
#include <vector>

namespace brivon::support {

class FakeSerialPort : public platform::SerialPort {
public:
    void setCommPort(int portNumber) override;
    int commPort() const override { return commPort_; }
    void setSettings(const std::string& settings) override { settings_ = settings; }
    bool portOpen() const override { return open_; }
    void setPortOpen(bool open) override;
    void setInputMode(int mode) override { record("mode=" + std::to_string(mode)); }
    void setInputLen(int length) override { record("len=" + std::to_string(length)); }
    void setRThreshold(int count) override;
    int rThreshold() const override { return threshold_; }
    void discardInput() override;
    void discardOutput() override { record("discard-out"); }
    platform::Bytes input() override;
    void output(const platform::Bytes& bytes) override;
    int commEvent() const override { return event_; }
    std::string devicePath() const override { return "/dev/ttyFAKE" + std::to_string(commPort_); }

    // Bytes arrive from the meter; the receive event fires when the threshold is met.
    void deliver(const platform::Bytes& bytes);
    // A non-receive event (a line error).
    void raiseErrorEvent();

    std::set<int> missingPorts;  // opening these throws "Invalid port number"
    std::string openFailure;  // when set, every open throws this description

    const std::string& settings() const { return settings_; }
    const std::vector<std::string>& operations() const { return operations_; }
    const std::vector<platform::Bytes>& writes() const { return writes_; }
    platform::Bytes writtenBytes() const;
    void clearLog();

private:
    void record(const std::string& op) { operations_.push_back(op); }

    int commPort_ = 1;
    std::string settings_;
    bool open_ = false;
    int threshold_ = 0;
    int event_ = 0;
    platform::Bytes waiting_;
    std::vector<std::string> operations_;
    std::vector<platform::Bytes> writes_;
};

std::string hex(const platform::Bytes& bytes);

}  // namespace brivon::support
