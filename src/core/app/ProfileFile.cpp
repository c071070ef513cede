#include "core/app/ProfileFile.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>

namespace brivon::app {
namespace {

constexpr const char* kBlanks = " \t\r";

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string> sectionName(const std::string& line)
{
    const std::string text = trimmed(line);
    if (text.size() < 2 || text.front() != '[') return std::nullopt;
    const auto close = text.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trimmed(text.substr(1, close - 1));
}

struct KeyValue {
    std::string key;
    std::string value;
};

std::optional<KeyValue> keyValue(const std::string& line)
{
    const auto equals = line.find('=');
    if (equals == std::string::npos || sectionName(line)) return std::nullopt;
    std::string value = trimmed(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return KeyValue { trimmed(line.substr(0, equals)), value };
}

// Where a section's lines are: [begin, end) after its header; begin is npos when it is missing.
struct SectionSpan {
    std::size_t begin = std::string::npos;
    std::size_t end = std::string::npos;
};

SectionSpan findSection(const std::vector<std::string>& lines, const std::string& section)
{
    SectionSpan span;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i]);
        if (!name) continue;
        if (span.begin != std::string::npos) {
            span.end = i;
            return span;
        }
        if (sameName(*name, section)) span.begin = i + 1;
    }
    span.end = lines.size();
    return span;
}

int leadingDigits(const std::string& value)
{
    long long number = 0;
    for (char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        number = std::min<long long>(number * 10 + (c - '0'), INT_MAX);
    }
    return static_cast<int>(number);
}

}  // namespace

std::vector<std::string> ProfileFile::readLines() const
{
    std::vector<std::string> lines;
    std::ifstream in(path_, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::readSection(const std::string& section) const
{
    std::vector<std::pair<std::string, std::string>> pairs;
    const auto lines = readLines();
    const SectionSpan span = findSection(lines, section);
    if (span.begin == std::string::npos) return pairs;
    for (std::size_t i = span.begin; i < span.end; ++i)
        if (const auto kv = keyValue(lines[i])) pairs.emplace_back(kv->key, kv->value);
    return pairs;
}

std::optional<std::string> ProfileFile::readString(const std::string& section, const std::string& key) const
{
    for (const auto& [name, value] : readSection(section))
        if (sameName(name, key)) return value;
    return std::nullopt;
}

int ProfileFile::readInt(const std::string& section, const std::string& key, int fallback) const
{
    const auto value = readString(section, key);
    if (!value || value->empty()) return fallback;
    return leadingDigits(*value);
}

bool ProfileFile::writeString(
    const std::string& section, const std::string& key, const std::string& value) const
{
    auto lines = readLines();
    const std::string entry = key + "=" + value;
    const SectionSpan span = findSection(lines, section);
    if (span.begin == std::string::npos) {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    } else {
        std::size_t insertAt = span.begin;
        bool replaced = false;
        for (std::size_t i = span.begin; i < span.end && !replaced; ++i) {
            const auto kv = keyValue(lines[i]);
            if (kv && sameName(kv->key, key)) {
                lines[i] = entry;
                replaced = true;
            }
            if (!trimmed(lines[i]).empty()) insertAt = i + 1;
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }

    const std::string temporary = path_ + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    return std::rename(temporary.c_str(), path_.c_str()) == 0;
}

}  // namespace brivon::app
