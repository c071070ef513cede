#include "ui/app/FileFilter.h"

#include <algorithm>
#include <vector>

namespace brivon::ui {

namespace {

std::vector<std::string> splitBars(const std::string& text)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const auto bar = text.find('|', start);
        const auto end = bar == std::string::npos ? text.size() : bar;
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

}  // namespace

std::string dialogFilter(const std::string& classicFilter)
{
    const std::vector<std::string> parts = splitBars(classicFilter);
    std::string filter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        std::string patterns = parts[i + 1];
        std::replace(patterns.begin(), patterns.end(), ';', ' ');
        if (!filter.empty()) filter += ";;";
        filter += description;
        if (description.find('(') == std::string::npos) filter.append(" (").append(patterns).append(")");
    }
    return filter;
}

}  // namespace brivon::ui
