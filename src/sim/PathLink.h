#pragma once
// A symbolic link that names a path another program is told to open.

#include <string>

namespace brivon::sim {

// A symbolic link to a path, removed again on destruction if it still points there.
// An existing symbolic link at the link path is replaced; any other file is left alone (throws).
class PathLink {
public:
    PathLink(std::string linkPath, std::string target);  // throws std::system_error
    ~PathLink();
    PathLink(const PathLink&) = delete;
    PathLink& operator=(const PathLink&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string target_;
};

}  // namespace brivon::sim
