#include "sim/ByteLog.h"

#include <algorithm>

namespace brivon::sim {

void ByteLog::append(std::span<const std::uint8_t> bytes)
{
    {
        const std::lock_guard lock(mutex_);
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    arrived_.notify_all();
}

void ByteLog::clear()
{
    const std::lock_guard lock(mutex_);
    bytes_.clear();
}

std::vector<std::uint8_t> ByteLog::bytes() const
{
    const std::lock_guard lock(mutex_);
    return bytes_;
}

std::size_t ByteLog::size() const
{
    const std::lock_guard lock(mutex_);
    return bytes_.size();
}

bool ByteLog::waitForCount(std::size_t count, std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return bytes_.size() >= count; });
}

bool ByteLog::waitForPattern(
    std::span<const std::uint8_t> pattern, std::chrono::milliseconds timeout, std::size_t from) const
{
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return contains(pattern, from); });
}

bool ByteLog::contains(std::span<const std::uint8_t> pattern, std::size_t from) const
{
    if (from > bytes_.size()) return false;
    const auto start = bytes_.begin() + static_cast<std::ptrdiff_t>(from);
    return std::search(start, bytes_.end(), pattern.begin(), pattern.end()) != bytes_.end();
}

}  // namespace brivon::sim
