#include "core/files/DataFileNames.h"

#include <algorithm>
#include <cctype>

namespace brivon::files {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size()) return false;
    return std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
        [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
}

}  // namespace

const char* extensionOf(DataFileKind kind)
{
    return kind == DataFileKind::Graph ? kGraphFileExtension : kMemoryFileExtension;
}

std::filesystem::path textExportPath(const std::filesystem::path& dataFile, DataFileKind kind)
{
    std::string name = dataFile.filename().string();
    const std::string_view extension = extensionOf(kind);
    if (endsWithIgnoringCase(name, extension)) name.resize(name.size() - extension.size());
    return dataFile.parent_path() / (name + kTextExportExtension);
}

bool dataFileKindOf(const std::filesystem::path& file, DataFileKind& kind)
{
    for (const DataFileKind candidate : { DataFileKind::Graph, DataFileKind::Memory }) {
        if (endsWithIgnoringCase(file.filename().string(), extensionOf(candidate))) {
            kind = candidate;
            return true;
        }
    }
    return false;
}

std::string defaultFileName(const platform::LocalTime& time)
{
    return platform::formatTime(time, kDefaultFileNameFormat);
}

std::filesystem::path withExtension(const std::filesystem::path& chosen, std::string_view extension)
{
    std::filesystem::path file = chosen;
    if (!endsWithIgnoringCase(file.filename().string(), extension)) file += extension;
    return file;
}

std::filesystem::path dataFilePath(const std::filesystem::path& chosen, DataFileKind kind)
{
    return withExtension(chosen, extensionOf(kind));
}

}  // namespace brivon::files
