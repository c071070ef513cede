#pragma once
// Numbers typed on the command line.

#include <charconv>
#include <optional>
#include <string_view>

namespace brivon::cli {

// The whole text as one number of type T, or nothing.
template <typename T> std::optional<T> wholeNumber(std::string_view text)
{
    T value {};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace brivon::cli
