#pragma once
// printf-style formatting into a std::string, for the program's fixed texts
// ("%.2f  Lux", "%d%d:%d%d:%d%d", ...).

#include <cstdio>
#include <string>

namespace brivon::util {

template <typename... Args> std::string printfString(const char* format, Args... args)
{
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

}  // namespace brivon::util
