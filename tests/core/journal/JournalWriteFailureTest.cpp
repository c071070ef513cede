// A run journal the disk refuses: the run goes on, the status bar gives the
// system's reason, a person who started the run is told once, and no empty
// or half-written journal is left; once the disk takes writes again the
// journal holds the whole run.

#include "core/app/MainFrameFixture.h"
#include "core/journal/JournalFolder.h"
#include "core/journal/JournalFormat.h"

#include <gmock/gmock.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

namespace brivon {
namespace {

using support::ScratchFolder;
using ::testing::HasSubstr;

enum class Refusal {
    FolderIsAFile,  // a file stands where the journal's folder would be
    DeviceFull,  // the journal's name leads to /dev/full
    NoRoomForAFile,  // a file-size limit of 0: the first write fails
    FullMidRun,  // a file-size limit a little above the journal: a record is cut short
};

// Makes the disk refuse the journal until released.
class RefusingDisk {
public:
    RefusingDisk(Refusal refusal, const std::filesystem::path& folder, const std::filesystem::path& journal)
        : folder_(folder)
    {
        switch (refusal) {
        case Refusal::FolderIsAFile:
            std::filesystem::create_directories(folder_.parent_path());
            ScratchFolder::write(folder_, "not a folder");
            folderIsAFile_ = true;
            break;
        case Refusal::DeviceFull:
            std::filesystem::create_directories(folder_);
            std::filesystem::create_symlink("/dev/full", journal);
            break;
        case Refusal::NoRoomForAFile:
        case Refusal::FullMidRun:
            limitFileSize(refusal == Refusal::NoRoomForAFile ? 0 : std::filesystem::file_size(journal) + 10);
            break;
        }
    }
    ~RefusingDisk() { release(); }

    void release()
    {
        if (limited_) {
            ::setrlimit(RLIMIT_FSIZE, &previous_);
            std::signal(SIGXFSZ, SIG_DFL);
            limited_ = false;
        }
        if (folderIsAFile_) std::filesystem::remove(folder_);
        folderIsAFile_ = false;
    }

private:
    void limitFileSize(std::uintmax_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the test
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = static_cast<rlim_t>(bytes);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        limited_ = true;
    }

    std::filesystem::path folder_;
    rlimit previous_ {};
    bool limited_ = false;
    bool folderIsAFile_ = false;
};

struct RefusalCase {
    const char* name;
    Refusal refusal;
    bool attended;  // Run by a person, or --run
    const char* reason;
};

class RefusedJournal : public support::MainFrameTest, public ::testing::WithParamInterface<RefusalCase> {
protected:
    std::filesystem::path journalFile() const
    {
        return journalFolder()
            / journal::journalFileName(doc.run().startTime(), static_cast<int>(::getpid()));
    }
    std::size_t wholeJournalSize(int samples) const
    {
        return journal::kHeaderSize + journal::kRecordSize * static_cast<std::size_t>(samples);
    }
};

TEST_P(RefusedJournal, TheRunGoesOnWithTheReasonShownAndNoBrokenJournalLeft)
{
    const RefusalCase& c = GetParam();
    const bool midRun = c.refusal == Refusal::FullMidRun;
    create();
    frame();
    if (c.attended) {
        run(1);
    } else {
        logic->runAtLaunch(1);
    }
    if (midRun) periods(2, true);
    RefusingDisk disk(c.refusal, journalFolder(), journalFile());
    period(true);

    EXPECT_EQ(samples(), midRun ? 3 : 1) << "the run goes on";
    EXPECT_THAT(logic->warningStatusText(), HasSubstr(c.reason));
    EXPECT_EQ(events.journalProblems.size(), c.attended ? 1u : 0u);
    std::error_code error;
    if (midRun) {
        EXPECT_EQ(std::filesystem::file_size(journalFile()), wholeJournalSize(2)) << "a cut record stays";
    } else {
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(journalFile(), error)))
            << "a journal without its header was left";
    }
    period(true);
    EXPECT_LE(events.journalProblems.size(), 1u) << "said once";

    disk.release();
    period(true);
    EXPECT_EQ(logic->warningStatusText(), "");
    ASSERT_TRUE(std::filesystem::is_regular_file(journalFile()));
    EXPECT_EQ(std::filesystem::file_size(journalFile()), wholeJournalSize(samples()));
    ASSERT_EQ(journal::listJournals(journalFolder()).size(), 1u);
    EXPECT_EQ(journal::listJournals(journalFolder()).front().sampleCount, samples());
}

INSTANTIATE_TEST_SUITE_P(Refusals, RefusedJournal,
    ::testing::Values(RefusalCase { "FolderIsAFile", Refusal::FolderIsAFile, true, ": Not a directory" },
        RefusalCase { "DeviceFull", Refusal::DeviceFull, true, ".journal: No space left on device" },
        RefusalCase { "NoRoomForAFile", Refusal::NoRoomForAFile, true, ".journal: File too large" },
        RefusalCase { "FullMidRun", Refusal::FullMidRun, true, ".journal: File too large" },
        RefusalCase { "FullMidRunUnattended", Refusal::FullMidRun, false, ".journal: File too large" }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
