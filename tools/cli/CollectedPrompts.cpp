#include "CollectedPrompts.h"

#include <algorithm>

namespace brivon::cli {

bool CollectedPrompts::said(const std::string& text) const
{
    return std::ranges::find(messages_, text) != messages_.end();
}

}  // namespace brivon::cli
