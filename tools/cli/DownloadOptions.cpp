#include "DownloadOptions.h"

#include "core/files/DataFileNames.h"

namespace brivon::cli {

Parsed<DownloadOptions> parseDownloadOptions(const Arguments& args)
{
    if (args.empty()) return {};
    DownloadOptions options;
    if (args[0] == "memory") {
        options.kind = DownloadKind::Memory;
    } else if (args[0] == "logger") {
        options.kind = DownloadKind::Logger;
    } else {
        return {};
    }
    std::string output;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name != "--device" && name != "-o")
            return refusedBecause<DownloadOptions>(unknownOptionText(name));
        if (i + 1 >= args.size()) return {};
        const std::string& value = args[++i];
        if (name == "--device") {
            options.device = value;
        } else {
            output = value;
        }
    }
    if (options.device.empty() || output.empty()) return {};
    // The list file gets its extension as the save dialog's default extension gives it.
    options.output = options.kind == DownloadKind::Memory
        ? files::dataFilePath(output, files::DataFileKind::Memory)
        : std::filesystem::path(output);
    return { options, {} };
}

}  // namespace brivon::cli
