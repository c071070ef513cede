#pragma once
// The serial link to the meter: the selected port and with it the port menu's
// check marks, whether the port menu is usable, the probe flags of the
// watchdog, the receive mode, the link restart, the byte sender and the port
// watchdog. All calls go through the SerialPort seam; every error of the
// control is caught here and never shown.

#include "core/link/ReceiveMode.h"
#include "core/platform/Clock.h"
#include "core/platform/SerialPort.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace brivon::link {

class SerialLink {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 16;
    static constexpr int kMenuPorts = 4;  // COM1-COM4 have menu entries
    static constexpr int kFirstOtherPort = 5;  // "Other COM" offers 5-16
    static constexpr int kProbeFlagCount = 20;
    static constexpr int kWatchdogPeriodMs = 2000;

    explicit SerialLink(platform::SerialPort& port);

    // Window creation: settings "9600,n,8,1", the configured port, its check
    // mark and probe flag, then a link restart.
    void create(int configuredPort);

    // Close, reopen and configure the port and send the first poll.
    void restartLink();
    // Sends 1 to 3 bytes while the port is open; a closed port sends nothing.
    void sendBytes(const platform::Bytes& bytes);
    // Close if open, then open: the port ends open. False when the control raised an error.
    bool reopen();

    // COM1-COM4 menu entries.
    void selectMenuPort(int n);
    // "Other COM": the number the dialog starts with, and its result. Numbers
    // outside 5-16 change nothing; returns whether the port was taken.
    int otherComStartNumber() const;
    bool selectOtherPort(int n);

    // What the receive handler expects. A port selection listens again too.
    ReceiveMode receiveMode() const { return receiveMode_; }
    bool listening() const { return receiveMode_ == ReceiveMode::Listening; }
    void expectMemoryDump() { receiveMode_ = ReceiveMode::Memory; }
    void expectLoggerDump() { receiveMode_ = ReceiveMode::Logger; }
    void listenAgain() { receiveMode_ = ReceiveMode::Listening; }

    // Every 2 s while listening: restarts a silent port; "Invalid port number" goes off-line.
    // `now` dates the first restart of a silence (see noAnswerSince).
    void watchdogTick(platform::TimeValue now);
    // An accepted measurement frame: the port menu greys and the probe clears.
    void measurementFrameAccepted();

    // The off-line path of the watchdog, for the window that owns the run.
    void setOfflineHandler(std::function<void()> handler) { offlineHandler_ = std::move(handler); }

    platform::SerialPort& port() { return port_; }
    int portNumber() const { return portNumber_; }
    // The selected port's menu entry is checked; "Other COM" ports have none.
    bool isChecked(int menuPort) const { return isMenuPort(menuPort) && menuPort == portNumber_; }
    // The port menu is usable until a frame arrives, and again once the port goes missing.
    bool isMenuPortEnabled(int menuPort) const { return isMenuPort(menuPort) && portMenuUsable_; }
    bool isOtherComEnabled() const { return portMenuUsable_; }
    bool probeFlag(int portNumber) const;
    const platform::Bytes& sendBuffer() const { return sendBuffer_; }
    // The description of the last error of the control, empty after a good restart.
    const std::string& lastError() const { return lastError_; }
    // When the watchdog first had to restart the port for want of a frame;
    // nothing once a frame arrives or another port is chosen.
    std::optional<platform::TimeValue> noAnswerSince() const { return noAnswerSince_; }

private:
    void closeAndReopen();  // close, select the port, open, empty both buffers; throws SerialError
    void configureAndPoll();  // frame threshold, binary input, the first poll; throws SerialError
    void configureAndPollQuietly();  // the same, an error only remembered
    void closeQuietly();
    void remember(const platform::SerialError& error) { lastError_ = error.description(); }
    static bool isMenuPort(int n) { return n >= kFirstPort && n <= kMenuPorts; }
    void setOnlyProbe(int portNumber);

    platform::SerialPort& port_;
    ReceiveMode receiveMode_ = ReceiveMode::Listening;
    int portNumber_ = kFirstPort;
    bool portMenuUsable_ = true;
    std::array<bool, kProbeFlagCount> probe_ {};
    platform::Bytes sendBuffer_;
    std::string lastError_;
    std::optional<platform::TimeValue> noAnswerSince_;
    std::function<void()> offlineHandler_;
};

}  // namespace brivon::link
