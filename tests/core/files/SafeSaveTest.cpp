#include "core/files/SafeSave.h"

#include "core/files/DataFileSaves.h"
#include "core/files/GraphFile.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brivon {
namespace {

namespace fs = std::filesystem;

constexpr uid_t kOtherUser = 4242;

std::string contentsOf(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class SafeSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("brivon-safe-save-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Only the named entries exist in the folder: no temporary file was left behind.
    void expectFolderHolds(std::set<std::string> names) const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_))
            found.insert(entry.path().filename().string());
        EXPECT_EQ(found, names);
    }

    fs::path folder_;
};

TEST_F(SafeSave, ReplacesEveryTargetWhenAllAreWritten)
{
    writeFile(folder_ / "a.txt", "old text");
    const std::vector<files::PendingFile> files { { folder_ / "a.txt", "new text" },
        { folder_ / "a.AsmDat", std::string(5000, 'd') } };
    ASSERT_TRUE(files::saveFilesSafely(files).ok());
    EXPECT_EQ(contentsOf(folder_ / "a.txt"), "new text");
    EXPECT_EQ(contentsOf(folder_ / "a.AsmDat"), std::string(5000, 'd'));
    expectFolderHolds({ "a.txt", "a.AsmDat" });
}

TEST_F(SafeSave, AFullDiskLeavesTheOldFilesUntouched)
{
    // The file size limit makes writes beyond it fail as on a full disk, for root as well.
    writeFile(folder_ / "a.txt", "old text");
    writeFile(folder_ / "a.AsmDat", "old data");
    rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const std::vector<files::PendingFile> files { { folder_ / "a.txt", "new text" },
        { folder_ / "a.AsmDat", std::string(10000, 'd') } };
    const files::FileOutcome outcome = files::saveFilesSafely(files);

    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(outcome.status, files::FileStatus::CannotWrite);
    EXPECT_NE(outcome.message.find("a.AsmDat: File too large"), std::string::npos) << outcome.message;
    EXPECT_EQ(contentsOf(folder_ / "a.txt"), "old text");
    EXPECT_EQ(contentsOf(folder_ / "a.AsmDat"), "old data");
    expectFolderHolds({ "a.txt", "a.AsmDat" });
}

TEST_F(SafeSave, ATargetThatCannotBeReplacedLeavesItAndTheOtherFilesAlone)
{
    // A folder in the target's place cannot be renamed over, for root as well.
    fs::create_directory(folder_ / "a.AsmDat");
    writeFile(folder_ / "a.txt", "old text");
    const std::vector<files::PendingFile> files { { folder_ / "a.AsmDat", "data" },
        { folder_ / "a.txt", "new text" } };
    const files::FileOutcome outcome = files::saveFilesSafely(files);
    EXPECT_EQ(outcome.status, files::FileStatus::CannotWrite);
    EXPECT_TRUE(fs::is_directory(folder_ / "a.AsmDat"));
    EXPECT_EQ(contentsOf(folder_ / "a.txt"), "old text");
    expectFolderHolds({ "a.txt", "a.AsmDat" });
}

TEST_F(SafeSave, ASecondTargetThatCannotBeReplacedPutsTheFirstBack)
{
    writeFile(folder_ / "a.AsmDat", "old data");
    fs::create_directory(folder_ / "a.txt");
    const std::vector<files::PendingFile> files { { folder_ / "a.AsmDat", "new data" },
        { folder_ / "a.txt", "text" } };
    EXPECT_EQ(files::saveFilesSafely(files).status, files::FileStatus::CannotWrite);
    EXPECT_EQ(contentsOf(folder_ / "a.AsmDat"), "old data");
    EXPECT_TRUE(fs::is_directory(folder_ / "a.txt"));
    expectFolderHolds({ "a.txt", "a.AsmDat" });
}

TEST_F(SafeSave, ANewPairThatCannotBeCompletedLeavesNoFirstFile)
{
    fs::create_directory(folder_ / "b.txt");
    const std::vector<files::PendingFile> files { { folder_ / "b.AsmDat", "data" },
        { folder_ / "b.txt", "text" } };
    EXPECT_EQ(files::saveFilesSafely(files).status, files::FileStatus::CannotWrite);
    expectFolderHolds({ "b.txt" });
}

class SafeSaveUnwritablePlace : public ::testing::TestWithParam<const char*> { };

TEST_P(SafeSaveUnwritablePlace, ReportsAnErrorAndCreatesNothing)
{
    // Neither a folder that does not exist nor /proc takes new files, for root as well.
    const fs::path target = GetParam();
    const std::vector<files::PendingFile> files { { target, "data" } };
    const files::FileOutcome outcome = files::saveFilesSafely(files);
    EXPECT_EQ(outcome.status, files::FileStatus::CannotWrite);
    EXPECT_NE(outcome.message.find(target.string() + ": "), std::string::npos) << outcome.message;
    EXPECT_FALSE(fs::exists(target));
}

INSTANTIATE_TEST_SUITE_P(Places, SafeSaveUnwritablePlace,
    ::testing::Values("/nonexistent-brivon-folder/run.AsmDat", "/proc/brivon-run.AsmDat"),
    [](const auto& param) {
        return std::string(
            std::string_view(param.param).starts_with("/proc/") ? "ProcFileSystem" : "MissingFolder");
    });

TEST_F(SafeSave, AReplacedFileKeepsItsPermissionsAndOwner)
{
    const fs::path file = folder_ / "private.txt";
    writeFile(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), kOtherUser, kOtherUser), 0);
    }
    const std::vector<files::PendingFile> files { { file, "new" } };
    ASSERT_TRUE(files::saveFilesSafely(files).ok());
    struct stat saved { };
    ASSERT_EQ(::stat(file.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0600u);
    if (root) {
        EXPECT_EQ(saved.st_uid, kOtherUser);
    }
    EXPECT_EQ(contentsOf(file), "new");
}

TEST_F(SafeSave, ALinkOfAnotherUserIsNotFollowed)
{
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    writeFile(folder_ / "target.txt", "old");
    fs::create_symlink("target.txt", folder_ / "own.txt");
    fs::create_symlink("target.txt", folder_ / "planted.txt");
    ASSERT_EQ(::lchown((folder_ / "planted.txt").c_str(), kOtherUser, kOtherUser), 0);

    const std::vector<files::PendingFile> planted { { folder_ / "planted.txt", "planted" } };
    const files::FileOutcome refused = files::saveFilesSafely(planted);
    EXPECT_EQ(refused.status, files::FileStatus::CannotWrite);
    EXPECT_NE(
        refused.message.find((folder_ / "planted.txt").string() + " is a symbolic link of another user"),
        std::string::npos)
        << refused.message;
    EXPECT_EQ(contentsOf(folder_ / "target.txt"), "old");

    const std::vector<files::PendingFile> own { { folder_ / "own.txt", "own" } };
    ASSERT_TRUE(files::saveFilesSafely(own).ok());
    EXPECT_EQ(contentsOf(folder_ / "target.txt"), "own");
    expectFolderHolds({ "target.txt", "own.txt", "planted.txt" });
}

TEST_F(SafeSave, TheNextSaveRemovesOnlyItsOwnStaleTemporaries)
{
    struct Leftover {
        const char* name;
        bool stale;
        bool removed;
    };
    const Leftover leftovers[] = {
        { ".a.AsmDat.brivon-save-Xy12ab", true, true },
        { ".a.AsmDat.brivon-save-Zz99zz", false, false },  // a save still writing
        { ".a.AsmDat.Xy12ab", true, false },
        { "a.brivon-save-Xy12ab", true, false },
        { ".brivon-save-Xy12ab", true, false },
    };
    std::set<std::string> kept { "b.txt" };
    for (const Leftover& leftover : leftovers) {
        writeFile(folder_ / leftover.name, "left");
        if (leftover.stale)
            fs::last_write_time(
                folder_ / leftover.name, fs::file_time_type::clock::now() - std::chrono::minutes(2));
        if (!leftover.removed) kept.insert(leftover.name);
    }
    const std::vector<files::PendingFile> files { { folder_ / "b.txt", "text" } };
    ASSERT_TRUE(files::saveFilesSafely(files).ok());
    expectFolderHolds(kept);
}

TEST_F(SafeSave, CurrentSetSaveWritesTheDataFileAndItsExportBeside)
{
    const support::FixedClock clock;
    auto set = std::make_unique<store::CurrentSet>();
    set->loadedSampleCount = 2;
    set->loadedSamples[0] = 1.0f;
    set->loadedSamples[1] = 5000000.0f;
    set->loadedSamplePeriod = 1;
    const fs::path data = folder_ / "10-12-07 14.05.09.AsmDat";
    ASSERT_TRUE(files::saveCurrentSet(data, *set, "Set 1", clock).ok());
    EXPECT_EQ(contentsOf(data).size(), 47u + 8);
    EXPECT_NE(contentsOf(folder_ / "10-12-07 14.05.09.txt").find("OL"), std::string::npos);

    auto read = std::make_unique<store::CurrentSet>();
    ASSERT_TRUE(files::readGraphFile(data, *read, clock).ok());
    EXPECT_EQ(read->loadedSamples[1], 5000000.0f);
}

TEST_F(SafeSave, AMemorySaveIntoAMissingFolderWritesNeitherFile)
{
    const files::FileOutcome outcome
        = files::saveMemoryBlock(folder_ / "gone" / "list.MemDat", store::MemoryBlock {});
    EXPECT_EQ(outcome.status, files::FileStatus::CannotWrite);
    EXPECT_FALSE(outcome.message.empty());
    expectFolderHolds({});
}

}  // namespace
}  // namespace brivon
