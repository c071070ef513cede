#pragma once
// The serial-port seam: the property set of the serial control exactly as the
// program uses it. The Qt layer implements it over QSerialPort (CMSComm);
// tests use a scripted fake.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brivon::platform {

using Bytes = std::vector<std::uint8_t>;

// An error raised by the control. description() is the text a user sees;
// a port that does not exist is exactly "Invalid port number".
class SerialError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    std::string description() const { return what(); }
};

inline constexpr const char* kInvalidPortNumber = "Invalid port number";

// Communication event codes.
inline constexpr int kCommEventReceive = 2;
inline constexpr int kCommEventError = 1000;

class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual void setCommPort(int portNumber) = 0;  // throws SerialError
    virtual int commPort() const = 0;
    virtual void setSettings(const std::string& settings) = 0;  // "9600,n,8,1"
    virtual bool portOpen() const = 0;
    virtual void setPortOpen(bool open) = 0;  // throws SerialError
    virtual void setInputMode(int mode) = 0;  // 1 = binary
    virtual void setInputLen(int length) = 0;  // 0 = read everything waiting
    virtual void setRThreshold(int count) = 0;
    virtual int rThreshold() const = 0;
    virtual void discardInput() = 0;  // InBufferCount := 0
    virtual void discardOutput() = 0;  // OutBufferCount := 0
    virtual Bytes input() = 0;  // every byte waiting; throws SerialError
    virtual void output(const Bytes& bytes) = 0;  // throws SerialError
    virtual int commEvent() const = 0;
    // The device behind the current port number, for the user's eyes; empty when it has none.
    virtual std::string devicePath() const = 0;

    // Called once per communication event: a receive event once at least
    // RThreshold bytes are waiting, or an error event.
    void setEventHandler(std::function<void()> handler) { eventHandler_ = std::move(handler); }

protected:
    void raiseEvent() const
    {
        if (eventHandler_) eventHandler_();
    }

private:
    std::function<void()> eventHandler_;
};

}  // namespace brivon::platform
