#include "core/app/ScratchFolder.h"
#include "core/files/GraphFile.h"
#include "core/files/MemoryFile.h"
#include "core/files/SafeSave.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace brivon {
namespace {

namespace fs = std::filesystem;

class NotAFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("brivon-not-a-file-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path fifo(const std::string& name) const
    {
        const fs::path path = folder_ / name;
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }

    fs::path folder_;
};

// Each is refused by what it is before any open: a FIFO with no writer would
// block the open for good.
TEST_F(NotAFile, ReadersRefuseFoldersFifosAndDevices)
{
    fs::create_directory(folder_ / "run.AsmDat");
    const std::pair<fs::path, std::string> cases[] = {
        { folder_ / "run.AsmDat", "run.AsmDat is a folder, not a file" },
        { fifo("list.MemDat"), "list.MemDat is a FIFO, not a file" },
        { "/dev/null", "null is a device, not a file" },
    };
    for (const auto& [path, what] : cases) {
        SCOPED_TRACE(path);
        auto set = std::make_unique<store::CurrentSet>();
        const files::FileOutcome graph = files::readGraphFile(path, *set, support::FixedClock());
        EXPECT_EQ(graph.status, files::FileStatus::NotAFile);
        EXPECT_EQ(graph.message, what);
        auto block = std::make_unique<store::MemoryBlock>();
        const files::FileOutcome memory = files::readMemoryFile(path, *block);
        EXPECT_EQ(memory.status, files::FileStatus::NotAFile);
        EXPECT_EQ(memory.message, what);
    }
}

TEST_F(NotAFile, ASaveOntoAFifoIsRefusedAndLeavesIt)
{
    const fs::path target = fifo("run.txt");
    const files::PendingFile pending[] = { { target, "text" } };
    const files::FileOutcome saved = files::saveFilesSafely(pending);
    EXPECT_EQ(saved.message, "run.txt is a FIFO, not a file");
    EXPECT_TRUE(fs::is_fifo(target));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// A save writes through a link to the file it names, so the link stays a link,
// also when that file does not exist yet.
TEST_F(NotAFile, ASaveOntoALinkWritesItsTargetAndKeepsTheLink)
{
    fs::create_directory(folder_ / "data");
    std::ofstream(folder_ / "data" / "run.txt") << "old";
    fs::create_symlink("data/run.txt", folder_ / "link.txt");
    fs::create_symlink(folder_ / "data" / "new.txt", folder_ / "new-link.txt");
    const files::PendingFile pending[]
        = { { folder_ / "link.txt", "new" }, { folder_ / "new-link.txt", "made" } };
    ASSERT_TRUE(files::saveFilesSafely(pending).ok());
    EXPECT_TRUE(fs::is_symlink(folder_ / "link.txt"));
    EXPECT_TRUE(fs::is_symlink(folder_ / "new-link.txt"));
    EXPECT_EQ(support::ScratchFolder::read(folder_ / "data" / "run.txt"), "new");
    EXPECT_EQ(support::ScratchFolder::read(folder_ / "data" / "new.txt"), "made");
}

}  // namespace
}  // namespace brivon
