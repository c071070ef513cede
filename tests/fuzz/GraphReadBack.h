#pragma once
// What a save would write: contents the writers' check refuses are never
// written; any other reads back through the program's reader byte for byte.

#include "FuzzCheck.h"
#include "core/files/GraphFile.h"

#include <memory>
#include <optional>
#include <sstream>
#include <string>

namespace brivon::fuzz {

// A field of the start's date and time, which a set's header or a journal's
// start time may put outside the file's ranges.
inline bool isStartField(const std::string& field)
{
    for (std::size_t i = 0; i + 1 < files::kTimeFieldRanges.size(); ++i)
        if (field == files::kTimeFieldRanges[i].name) return true;
    return false;
}

// The field the save refuses, or nothing when the written file read back as written.
inline std::optional<files::FieldProblem> requireReadBack(
    const files::GraphFileContents& contents, const platform::Clock& clock)
{
    if (auto problem = files::graphFileProblem(contents)) return problem;
    const std::string bytes = files::graphFileBytes(contents);
    std::istringstream in(bytes);
    auto read = std::make_unique<store::CurrentSet>();
    require(files::readGraphFile(in, *read, clock).ok(), "a file the writers accept is read");
    require(
        files::graphFileBytes(files::readFileContents(*read)) == bytes, "it reads back as it was written");
    return std::nullopt;
}

}  // namespace brivon::fuzz
