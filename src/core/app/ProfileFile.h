#pragma once
// An initialisation file of the classic form: [section] lines and key=value
// lines. Reads follow the private-profile rules the configuration relies on:
// names compare without regard to case, blanks around names and values are
// dropped, a quoted value loses its quotes, and an integer is the value's
// leading decimal digits. Every call reads or rewrites the file on disk, so
// there is no cached state to go stale.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace brivon::app {

class ProfileFile {
public:
    explicit ProfileFile(std::string path)
        : path_(std::move(path))
    {
    }

    const std::string& path() const { return path_; }

    // The value of `key` in `section`; nothing when the file, the section or the key is missing.
    std::optional<std::string> readString(const std::string& section, const std::string& key) const;
    // The value's leading decimal digits as a number (0 when it starts with
    // anything else); `fallback` when the key is missing or its value empty.
    int readInt(const std::string& section, const std::string& key, int fallback) const;
    // Every key=value pair of `section`, in file order.
    std::vector<std::pair<std::string, std::string>> readSection(const std::string& section) const;

    // Replaces the value, or adds the key (and the section) when missing. The
    // file is replaced in one step; false when it could not be written.
    bool writeString(const std::string& section, const std::string& key, const std::string& value) const;

private:
    std::vector<std::string> readLines() const;

    std::string path_;
};

}  // namespace brivon::app
