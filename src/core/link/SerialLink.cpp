#include "core/link/SerialLink.h"

#include "core/link/MeterProtocol.h"

namespace brivon::link {

SerialLink::SerialLink(platform::SerialPort& port)
    : port_(port)
{
}

void SerialLink::create(int configuredPort)
{
    portNumber_ = (configuredPort >= kFirstPort && configuredPort <= kLastPort) ? configuredPort : kFirstPort;
    port_.setSettings(protocol::kPortSettings);
    portMenuUsable_ = true;
    setOnlyProbe(portNumber_);
    restartLink();
}

void SerialLink::closeAndReopen()
{
    if (port_.portOpen()) port_.setPortOpen(false);
    port_.setCommPort(portNumber_);
    if (!port_.portOpen()) port_.setPortOpen(true);
    port_.input();
    port_.discardInput();
    port_.discardOutput();
}

void SerialLink::configureAndPoll()
{
    port_.setRThreshold(protocol::kMeasurementFrameLength);
    port_.setInputMode(protocol::kBinaryInputMode);
    port_.setInputLen(0);
    port_.discardInput();
    sendBytes({ protocol::kPoll });
    port_.discardOutput();
}

void SerialLink::closeQuietly()
{
    try {
        if (port_.portOpen()) port_.setPortOpen(false);
    } catch (const platform::SerialError&) {
    }
}

void SerialLink::configureAndPollQuietly()
{
    try {
        configureAndPoll();
        lastError_.clear();
    } catch (const platform::SerialError& error) {
        remember(error);
    }
}

void SerialLink::restartLink()
{
    try {
        closeAndReopen();
    } catch (const platform::SerialError& error) {
        remember(error);
        closeQuietly();
        return;
    }
    configureAndPollQuietly();
}

void SerialLink::sendBytes(const platform::Bytes& bytes)
{
    sendBuffer_ = bytes;
    if (port_.portOpen()) port_.output(sendBuffer_);
}

bool SerialLink::reopen()
{
    try {
        if (port_.portOpen()) port_.setPortOpen(false);
        if (!port_.portOpen()) port_.setPortOpen(true);
        return true;
    } catch (const platform::SerialError& error) {
        remember(error);
        closeQuietly();
        return false;
    }
}

void SerialLink::selectMenuPort(int n)
{
    if (!isMenuPort(n)) return;
    closeQuietly();
    portNumber_ = n;
    listenAgain();
    restartLink();
    setOnlyProbe(n);
}

int SerialLink::otherComStartNumber() const
{
    return portNumber_ >= kFirstOtherPort ? portNumber_ : kFirstOtherPort;
}

bool SerialLink::selectOtherPort(int n)
{
    if (n < kFirstOtherPort || n > kLastPort) return false;
    setOnlyProbe(n);
    portNumber_ = n;
    listenAgain();
    restartLink();
    return true;
}

void SerialLink::watchdogTick(platform::TimeValue now)
{
    auto& probe = probe_[static_cast<std::size_t>(portNumber_)];
    if (probe && listening()) {
        if (!noAnswerSince_) noAnswerSince_ = now;
        try {
            closeAndReopen();
        } catch (const platform::SerialError& error) {
            remember(error);
            if (error.description() == platform::kInvalidPortNumber) {
                portMenuUsable_ = true;
                if (offlineHandler_) offlineHandler_();
            }
            probe = true;
            closeQuietly();
            return;
        }
        configureAndPollQuietly();
    }
    probe = true;
}

void SerialLink::measurementFrameAccepted()
{
    portMenuUsable_ = false;
    probe_[static_cast<std::size_t>(portNumber_)] = false;
    lastError_.clear();
    noAnswerSince_.reset();
}

bool SerialLink::probeFlag(int portNumber) const
{
    return portNumber >= 0 && portNumber < kProbeFlagCount && probe_[static_cast<std::size_t>(portNumber)];
}

// A newly chosen port is watched afresh.
void SerialLink::setOnlyProbe(int portNumber)
{
    noAnswerSince_.reset();
    probe_.fill(false);
    probe_[static_cast<std::size_t>(portNumber)] = true;
}

}  // namespace brivon::link
