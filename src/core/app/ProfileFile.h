#pragma once
// An initialisation file of the classic form: [section] lines and key=value
// lines. Reads follow the private-profile rules the configuration relies on:
// names compare without regard to case, blanks around names and values are
// dropped, a quoted value loses its quotes, and an integer is the value's
// leading decimal digits. Every call reads or rewrites the file on disk, so
// there is no cached state to go stale.

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace brivon::app {

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

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

    // Why the file on disk cannot be read; nothing when it was read or does not exist.
    std::optional<std::string> readProblem() const;

    // Replaces each entry's value, or adds its key (and section) when missing,
    // in one read-modify-write: the whole file is written to a temporary file
    // of its own beside it, flushed to disk and renamed over it, so readers see
    // the old file or the new one. A file that cannot be read is never written
    // over. Nothing on success, else why it failed.
    std::optional<std::string> writeEntries(std::span<const ProfileEntry> entries) const;

private:
    struct Lines {
        std::vector<std::string> lines;
        std::optional<std::string> problem;
    };
    Lines readLines() const;

    std::string path_;
};

}  // namespace brivon::app
