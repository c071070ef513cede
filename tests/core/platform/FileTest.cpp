#include "core/platform/File.h"

#include "core/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>

#include <sys/resource.h>

namespace brivon {
namespace {

using support::ScratchFolder;

constexpr std::filesystem::perms kPrivate
    = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
constexpr std::size_t kLimitBytes = 10;

// A file-size limit for the process while it lives: a write past it is cut
// short, and the next one fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_DFL);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_ {};
};

struct RefusedWrite {
    const char* name;
    bool onFullDevice;  // else into a file over a size limit, after a short write
    std::errc expected;
    std::size_t kept;
};

class FileWriteAll : public ::testing::TestWithParam<RefusedWrite> { };

TEST_P(FileWriteAll, ReportsTheErrorThatStoppedIt)
{
    ScratchFolder folder;
    const std::filesystem::path path = GetParam().onFullDevice ? "/dev/full" : folder / "limited";
    std::error_code error;
    platform::File file = platform::File::openForAppend(path, true, kPrivate, error);
    ASSERT_FALSE(error) << error.message();
    std::optional<FileSizeLimit> limit;
    if (!GetParam().onFullDevice) limit.emplace(kLimitBytes);
    EXPECT_EQ(file.writeAll(std::string(2 * kLimitBytes, 'x')), std::make_error_code(GetParam().expected));
    limit.reset();
    if (!GetParam().onFullDevice) {
        EXPECT_EQ(std::filesystem::file_size(path), GetParam().kept);
    }
}

INSTANTIATE_TEST_SUITE_P(Refusals, FileWriteAll,
    ::testing::Values(RefusedWrite { "FullDevice", true, std::errc::no_space_on_device, 0 },
        RefusedWrite { "ShortWriteThenLimit", false, std::errc::file_too_large, kLimitBytes }),
    [](const auto& test) { return std::string(test.param.name); });

TEST(File, AMovedFromFileLeavesTheDescriptorOpen)
{
    ScratchFolder folder;
    std::error_code error;
    platform::File kept;
    {
        platform::File opened = platform::File::openForAppend(folder / "moved", true, kPrivate, error);
        kept = std::move(opened);
    }
    EXPECT_FALSE(kept.writeAll("still open"));
    EXPECT_FALSE(kept.close());
    EXPECT_EQ(ScratchFolder::read(folder / "moved"), "still open");
}

}  // namespace
}  // namespace brivon
