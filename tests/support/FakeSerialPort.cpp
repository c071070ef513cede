#include "support/FakeSerialPort.h"

#include <cstdio>

namespace brivon::support {

std::string hex(const platform::Bytes& bytes)
{
    std::string text;
    char digits[4];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", b);
        text += digits;
    }
    return text;
}

void FakeSerialPort::setCommPort(int portNumber)
{
    commPort_ = portNumber;
    record("port=" + std::to_string(portNumber));
}

void FakeSerialPort::setPortOpen(bool open)
{
    if (open) {
        if (missingPorts.count(commPort_)) throw platform::SerialError(platform::kInvalidPortNumber);
        if (!openFailure.empty()) throw platform::SerialError(openFailure);
    } else {
        waiting_.clear();
    }
    open_ = open;
    record(open ? "open" : "close");
}

void FakeSerialPort::setRThreshold(int count)
{
    threshold_ = count;
    record("threshold=" + std::to_string(count));
}

void FakeSerialPort::discardInput()
{
    waiting_.clear();
    record("discard-in");
}

platform::Bytes FakeSerialPort::input()
{
    record("input");
    platform::Bytes all;
    all.swap(waiting_);
    return all;
}

void FakeSerialPort::output(const platform::Bytes& bytes)
{
    if (!open_) throw platform::SerialError("Port is closed");
    writes_.push_back(bytes);
    record("write " + hex(bytes));
}

void FakeSerialPort::deliver(const platform::Bytes& bytes)
{
    if (!open_) return;
    waiting_.insert(waiting_.end(), bytes.begin(), bytes.end());
    if (static_cast<int>(waiting_.size()) >= threshold_) {
        event_ = platform::kCommEventReceive;
        raiseEvent();
    }
}

void FakeSerialPort::raiseErrorEvent()
{
    event_ = platform::kCommEventError;
    raiseEvent();
}

platform::Bytes FakeSerialPort::writtenBytes() const
{
    platform::Bytes all;
    for (const auto& w : writes_)
        all.insert(all.end(), w.begin(), w.end());
    return all;
}

void FakeSerialPort::clearLog()
{
    operations_.clear();
    writes_.clear();
}

}  // namespace brivon::support
