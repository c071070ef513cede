#include "SetFileNames.h"

#include "core/files/DataFileNames.h"

#include <string>

namespace brivon::cli {

std::filesystem::path SetFileNames::next(const platform::LocalTime& start)
{
    const std::string stem = files::defaultFileName(start);
    std::filesystem::path candidate = folder_ / (stem + files::kGraphFileExtension);
    for (int copy = 2; !isFree(candidate); ++copy) {
        candidate = folder_ / (stem + " (" + std::to_string(copy) + ")" + files::kGraphFileExtension);
    }
    given_.insert(candidate);
    return candidate;
}

bool SetFileNames::isFree(const std::filesystem::path& dataFile) const
{
    std::error_code error;
    const auto exists = [&error](const std::filesystem::path& path) {
        return std::filesystem::exists(std::filesystem::symlink_status(path, error));
    };
    return !given_.contains(dataFile) && !exists(dataFile)
        && !exists(files::textExportPath(dataFile, files::DataFileKind::Graph));
}

}  // namespace brivon::cli
