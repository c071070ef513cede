#pragma once
// The simulated meter on a pseudo-terminal, served by its own thread. A serial
// port client opens slavePath() (or the link) as it would open the meter's port;
// it may close and reopen it at will.

#include "sim/ByteLog.h"
#include "sim/MeterSimulator.h"
#include "sim/PathLink.h"
#include "sim/PseudoTerminal.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

namespace brivon::sim {

struct PtyMeterOptions {
    std::string linkPath;  // when set, a symbolic link to the slave is made there
    bool pace = false;  // send at the speed of 9600 baud, 8N1, with no pause between bursts
    bool followSystemClock = true;  // the meter's clock is the computer's local time
    // Called on the meter's thread with every chunk received, before it is handled.
    std::function<void(std::span<const std::uint8_t>)> onReceived;
};

class PtyMeter {
public:
    // One byte at 9600 baud with start and stop bits.
    static constexpr std::chrono::nanoseconds kByteTime { 1'041'667 };

    explicit PtyMeter(PtyMeterOptions options = {});  // throws std::system_error
    ~PtyMeter();
    PtyMeter(const PtyMeter&) = delete;
    PtyMeter& operator=(const PtyMeter&) = delete;

    const std::string& slavePath() const { return terminal_.slavePath(); }
    // The link path when one was made, else the slave path.
    const std::string& portPath() const { return link_ ? link_->path() : slavePath(); }
    const ByteLog& received() const { return received_; }
    ByteLog& received() { return received_; }

    // Runs `change` on the simulator while the meter's thread is held off.
    void script(const std::function<void(MeterSimulator&)>& change);

private:
    void run();
    void handleInput();
    bool send(const Burst& burst);
    bool writeAll(const std::uint8_t* data, std::size_t length);
    // Waits for the master to be writable; false when stopping.
    bool waitWritable();
    // Sleeps until the deadline; false when stopping.
    bool sleepUntil(std::chrono::steady_clock::time_point deadline);
    // Waits until the master is readable or the timeout passes; false when stopping.
    bool waitReadable(std::chrono::nanoseconds timeout);

    PtyMeterOptions options_;
    PseudoTerminal terminal_;
    std::unique_ptr<PathLink> link_;
    ByteLog received_;
    std::mutex simulatorMutex_;
    MeterSimulator simulator_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::atomic<bool> stopping_ { false };
    std::thread thread_;
};

}  // namespace brivon::sim
