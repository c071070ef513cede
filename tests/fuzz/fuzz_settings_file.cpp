// The settings file: any content is read key by key, written at close and read
// back. The values written are the ones read back, and the close keeps the
// [Ports] entries.

#include "FuzzCheck.h"
#include "core/app/Configuration.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// One folder per process, so parallel fuzzing jobs do not share the file.
const std::filesystem::path& settingsPath()
{
    static const std::filesystem::path path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "brivon-fuzz-XXXXXX").string();
        brivon::fuzz::require(mkdtemp(folder.data()) != nullptr, "a temporary folder");
        return std::filesystem::path(folder) / brivon::app::Configuration::kFileName;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    using fuzz::require;
    {
        std::ofstream out(settingsPath(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        require(static_cast<bool>(out.flush()), "the input written to the settings file");
    }
    const app::Configuration configuration(settingsPath().string());
    require(!configuration.readProblem(), "a readable file reads without a problem");
    const int port = configuration.portNumber();
    const int gain = configuration.yGain();
    const int offset = configuration.yOffset();
    const auto paths = configuration.devicePaths();

    require(!configuration.writeAtClose(port, gain, offset), "the close writes the file");
    require(configuration.portNumber() == port, "the port reads back");
    require(configuration.yGain() == gain, "the gain reads back");
    require(configuration.yOffset() == offset, "the offset reads back");
    require(configuration.devicePaths() == paths, "the close keeps the device paths");
    return 0;
}
