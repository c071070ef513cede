#pragma once
// The meter link as one piece: the serial link, the command set, the frame
// decoder, the statistics and the receive handler, wired to the port, the
// main window's timers and the clock. The program's main window and
// brivon-cli both talk to the meter through it. It knows whether a meter is
// on line and the state of its battery.

#include "core/link/FrameDecoder.h"
#include "core/link/MeterCommands.h"
#include "core/link/MeterStatistics.h"
#include "core/link/ReceiveHandler.h"
#include "core/link/SerialLink.h"

#include <functional>
#include <optional>

namespace brivon::link {

class MeterLink : private ReceiveSink {
public:
    MeterLink(platform::SerialPort& port, platform::Timers& mainTimers, const platform::Clock& clock,
        ReceiveSink& sink);

    // Settings, the configured port and the first poll.
    void create(int configuredPort) { link_.create(configuredPort); }
    // The main window's poll timer (the caller stops it first).
    void pollTimerExpired() { commands_.poll(); }
    // The view's 2-second watchdog timer.
    void watchdogTick() { link_.watchdogTick(clock_.now()); }
    // Called on "Invalid port number", after the battery watch is re-armed.
    void setOfflineHandler(std::function<void()> handler) { offlineHandler_ = std::move(handler); }

    SerialLink& serialLink() { return link_; }
    MeterCommands& commands() { return commands_; }
    FrameDecoder& decoder() { return decoder_; }
    const MeterStatistics& statistics() const { return statistics_; }
    void resetStatistics() { statistics_.reset(); }

    // No measurement frame was accepted yet, or none since the port went missing.
    bool offline() const { return offline_; }
    // The meter reported a low battery; it sticks until the port goes missing
    // and a later frame says otherwise.
    bool lowBattery() const { return decoder_.lowBattery(); }
    // The battery as the last accepted frame left it; nothing before the first frame.
    std::optional<bool> batteryState() const
    {
        return frameSeen_ ? std::optional<bool>(lowBattery()) : std::nullopt;
    }

private:
    // Everything received goes on to the caller's sink; a frame also puts the link on line.
    void measurementReceived(const MeasurementUpdate& update) override;
    void memoryDumpReceived(const platform::Bytes& block) override { sink_.memoryDumpReceived(block); }
    void loggerBlockReceived(const platform::Bytes& block) override { sink_.loggerBlockReceived(block); }
    void eventFinished() override { sink_.eventFinished(); }

    const platform::Clock& clock_;
    ReceiveSink& sink_;
    SerialLink link_;
    MeterCommands commands_;
    FrameDecoder decoder_;
    MeterStatistics statistics_;
    ReceiveHandler receiveHandler_;
    std::function<void()> offlineHandler_;
    bool offline_ = true;
    bool frameSeen_ = false;
};

}  // namespace brivon::link
