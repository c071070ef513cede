#include "sim/PtyMeter.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <unistd.h>

namespace brivon::sim {
namespace {

constexpr std::size_t kReadChunk = 4096;
// While no client holds the slave the master may report a hang-up; look again after this.
constexpr std::chrono::milliseconds kIdleRetry { 10 };
constexpr auto kForever = std::chrono::nanoseconds::max();

timespec toTimespec(std::chrono::nanoseconds duration)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(duration);
    return { static_cast<time_t>(seconds.count()), static_cast<long>((duration - seconds).count()) };
}

}  // namespace

PtyMeter::PtyMeter(PtyMeterOptions options)
    : options_(std::move(options))
{
    if (!options_.linkPath.empty()) link_ = std::make_unique<PathLink>(options_.linkPath, slavePath());
    std::array<int, 2> wake {};
    if (pipe2(wake.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        throw std::system_error(errno, std::generic_category(), "pipe2");
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    thread_ = std::thread([this] { run(); });
}

PtyMeter::~PtyMeter()
{
    stopping_ = true;
    const std::uint8_t wake = 1;
    [[maybe_unused]] const ssize_t written = write(wakeWrite_, &wake, 1);
    thread_.join();
    close(wakeRead_);
    close(wakeWrite_);
}

void PtyMeter::script(const std::function<void(MeterSimulator&)>& change)
{
    const std::lock_guard lock(simulatorMutex_);
    change(simulator_);
}

void PtyMeter::run()
{
    while (waitReadable(kForever))
        handleInput();
}

void PtyMeter::handleInput()
{
    std::array<std::uint8_t, kReadChunk> buffer {};
    const ssize_t length = read(terminal_.masterFd(), buffer.data(), buffer.size());
    if (length <= 0) {
        // EAGAIN, or EIO/hang-up while no client holds the slave: try again shortly.
        if (length < 0 && errno != EAGAIN) sleepUntil(std::chrono::steady_clock::now() + kIdleRetry);
        return;
    }
    const std::span<const std::uint8_t> bytes(buffer.data(), static_cast<std::size_t>(length));
    received_.append(bytes);
    if (options_.onReceived) options_.onReceived(bytes);

    std::vector<Burst> answers;
    {
        const std::lock_guard lock(simulatorMutex_);
        if (options_.followSystemClock) simulator_.model().setClock(computerClock());
        answers = simulator_.receive(bytes);
    }
    for (const Burst& burst : answers) {
        if (!send(burst)) return;
    }
}

bool PtyMeter::send(const Burst& burst)
{
    if (!options_.pace) {
        if (!writeAll(burst.bytes.data(), burst.bytes.size())) return false;
    } else {
        auto deadline = std::chrono::steady_clock::now();
        for (const std::uint8_t byte : burst.bytes) {
            if (!writeAll(&byte, 1)) return false;
            deadline += kByteTime;
            if (!sleepUntil(deadline)) return false;
        }
    }
    // A paced line runs on without gaps, byte after byte, as the meter's own does.
    if (options_.pace || burst.pauseAfter.count() == 0) return true;
    return sleepUntil(std::chrono::steady_clock::now() + burst.pauseAfter);
}

bool PtyMeter::writeAll(const std::uint8_t* data, std::size_t length)
{
    while (length > 0) {
        const ssize_t written = write(terminal_.masterFd(), data, length);
        if (written > 0) {
            data += written;
            length -= static_cast<std::size_t>(written);
        } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
            return !stopping_;  // the line is gone: the answer is lost, as on a real line
        } else if (!waitWritable()) {
            return false;
        }
    }
    return !stopping_;
}

bool PtyMeter::waitWritable()
{
    std::array<pollfd, 2> fds { { { terminal_.masterFd(), POLLOUT, 0 }, { wakeRead_, POLLIN, 0 } } };
    while (!stopping_) {
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) return false;
        if (fds[1].revents != 0) return false;
        if (fds[0].revents & POLLOUT) return true;
        if (fds[0].revents & (POLLHUP | POLLERR)) {
            return sleepUntil(std::chrono::steady_clock::now() + kIdleRetry);
        }
    }
    return false;
}

bool PtyMeter::sleepUntil(std::chrono::steady_clock::time_point deadline)
{
    pollfd wake { wakeRead_, POLLIN, 0 };
    while (!stopping_) {
        const auto remaining = deadline - std::chrono::steady_clock::now();
        if (remaining <= std::chrono::nanoseconds::zero()) return true;
        const timespec timeout = toTimespec(remaining);
        if (ppoll(&wake, 1, &timeout, nullptr) > 0) return false;
    }
    return false;
}

bool PtyMeter::waitReadable(std::chrono::nanoseconds timeout)
{
    std::array<pollfd, 2> fds { { { terminal_.masterFd(), POLLIN, 0 }, { wakeRead_, POLLIN, 0 } } };
    const timespec limit = toTimespec(timeout);
    while (!stopping_) {
        const int ready = ppoll(fds.data(), fds.size(), timeout == kForever ? nullptr : &limit, nullptr);
        if (ready < 0 && errno != EINTR) return false;
        if (fds[1].revents != 0) return false;
        if (fds[0].revents != 0 || ready == 0) return true;
    }
    return false;
}

}  // namespace brivon::sim
