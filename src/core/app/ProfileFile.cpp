#include "core/app/ProfileFile.h"

#include "core/files/SafeSave.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
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

void setEntry(std::vector<std::string>& lines, const ProfileEntry& entry)
{
    const std::string line = entry.key + "=" + entry.value;
    const SectionSpan span = findSection(lines, entry.section);
    if (span.begin == std::string::npos) {
        lines.push_back("[" + entry.section + "]");
        lines.push_back(line);
        return;
    }
    std::size_t insertAt = span.begin;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        const auto kv = keyValue(lines[i]);
        if (kv && sameName(kv->key, entry.key)) {
            lines[i] = line;
            return;
        }
        if (!trimmed(lines[i]).empty()) insertAt = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string describe(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

}  // namespace

ProfileFile::Lines ProfileFile::readLines() const
{
    Lines read;
    std::error_code error;
    const auto status = std::filesystem::status(path_, error);
    if (status.type() == std::filesystem::file_type::not_found) return read;
    if (error) {
        read.problem = describe(path_, error.value());
        return read;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        read.problem = path_ + ": not a regular file";
        return read;
    }
    errno = 0;
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        read.problem = describe(path_, errno);
        return read;
    }
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        read.lines.push_back(line);
    }
    if (in.bad()) {
        read.problem = describe(path_, errno);
        read.lines.clear();
    }
    return read;
}

std::optional<std::string> ProfileFile::readProblem() const
{
    return readLines().problem;
}

std::vector<std::pair<std::string, std::string>> ProfileFile::readSection(const std::string& section) const
{
    std::vector<std::pair<std::string, std::string>> pairs;
    const auto lines = readLines().lines;
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

std::optional<std::string> ProfileFile::writeEntries(std::span<const ProfileEntry> entries) const
{
    Lines read = readLines();
    if (read.problem) return read.problem;
    for (const ProfileEntry& entry : entries)
        setEntry(read.lines, entry);
    std::string bytes;
    for (const auto& line : read.lines)
        bytes += line + '\n';
    const files::PendingFile file { path_, bytes };
    const files::FileOutcome outcome = files::saveFilesSafely({ &file, 1 });
    if (outcome.ok()) return std::nullopt;
    return outcome.message;
}

}  // namespace brivon::app
