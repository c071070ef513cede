#pragma once
// The memory list's five columns: titles and widths in pixels.

#include <array>
#include <string_view>

namespace brivon::memory {

struct MemoryListColumn {
    std::string_view title;
    int width;  // pixels
};

inline constexpr std::array<MemoryListColumn, 5> kMemoryListColumns { { { "NO.", 110 }, { "DATA", 110 },
    { "UNIT", 110 }, { "STATUS", 110 }, { "TIME", 170 } } };

}  // namespace brivon::memory
