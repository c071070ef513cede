#include "DownloadOptions.h"

#include "core/files/DataFileNames.h"

namespace brivon::cli {

std::optional<DownloadOptions> parseDownloadOptions(const Arguments& args)
{
    if (args.empty()) return std::nullopt;
    DownloadOptions options;
    if (args[0] == "memory") {
        options.kind = DownloadKind::Memory;
    } else if (args[0] == "logger") {
        options.kind = DownloadKind::Logger;
    } else {
        return std::nullopt;
    }
    std::string output;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (i + 1 >= args.size()) return std::nullopt;
        const std::string& value = args[++i];
        if (name == "--device") {
            options.device = value;
        } else if (name == "-o") {
            output = value;
        } else {
            return std::nullopt;
        }
    }
    if (options.device.empty() || output.empty()) return std::nullopt;
    // The list file gets its extension as the save dialog's default extension gives it.
    options.output = options.kind == DownloadKind::Memory
        ? files::dataFilePath(output, files::DataFileKind::Memory)
        : std::filesystem::path(output);
    return options;
}

}  // namespace brivon::cli
