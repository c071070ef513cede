#pragma once
// The names of the files a data-logger download writes into its folder: each
// set's file is named after its start time, "%y-%m-%d %H.%M.%S.AsmDat"; a name
// already given in this download, or already used in the folder by a data
// file or its text export, gets " (2)", " (3)" and so on.

#include "core/platform/Clock.h"

#include <filesystem>
#include <set>

namespace brivon::cli {

class SetFileNames {
public:
    explicit SetFileNames(std::filesystem::path folder)
        : folder_(std::move(folder))
    {
    }

    // The graph data file for a set starting at `start`; its name is taken from then on.
    std::filesystem::path next(const platform::LocalTime& start);

private:
    bool isFree(const std::filesystem::path& dataFile) const;

    std::filesystem::path folder_;
    std::set<std::filesystem::path> given_;
};

}  // namespace brivon::cli
