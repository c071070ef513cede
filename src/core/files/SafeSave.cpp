#include "core/files/SafeSave.h"

#include <cerrno>
#include <fstream>
#include <system_error>
#include <vector>

namespace brivon::files {
namespace {

constexpr const char* kTemporaryPrefix = ".";
constexpr const char* kTemporarySuffix = ".saving";

// Writes the bytes to `path`, replacing what it holds; false with errno kept on any failure.
bool writeWhole(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) return false;
    out.close();
    return !out.fail();
}

void removeAll(const std::vector<std::filesystem::path>& paths)
{
    for (const auto& path : paths) {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
}

}  // namespace

std::filesystem::path temporaryPathFor(const std::filesystem::path& target)
{
    return target.parent_path() / (kTemporaryPrefix + target.filename().string() + kTemporarySuffix);
}

FileOutcome saveFilesSafely(std::span<const PendingFile> files)
{
    std::vector<std::filesystem::path> written;
    for (const PendingFile& file : files) {
        const std::filesystem::path temporary = temporaryPathFor(file.path);
        errno = 0;
        const bool complete = writeWhole(temporary, file.bytes);
        const int error = errno;
        written.push_back(temporary);
        if (!complete) {
            removeAll(written);
            return file_outcome::cannotWrite(file.path.string(), error);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::error_code error;
        std::filesystem::rename(written[i], files[i].path, error);
        if (error) {
            removeAll({ written.begin() + static_cast<std::ptrdiff_t>(i), written.end() });
            return file_outcome::cannotWrite(files[i].path.string(), error.value());
        }
    }
    return file_outcome::success();
}

}  // namespace brivon::files
