#include "core/app/Configuration.h"

#include "core/app/MainFrameFixture.h"
#include "core/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brivon {
namespace {

using support::ScratchFolder;

constexpr uid_t kNobody = 65534;
constexpr const char* kSettings = "[COMInfo]\nCOM num=3\n[Ports]\n3=/dev/meter\n";

class SettingsFile : public ::testing::Test {
protected:
    SettingsFile() { ScratchFolder::write(file(), kSettings); }
    std::filesystem::path file() const { return folder / app::Configuration::kFileName; }
    app::Configuration configuration() const { return app::Configuration(file().string()); }

    // Runs `check` where the settings file cannot be read: with the file's read
    // permission taken away, in a child process as an ordinary user when the
    // tests run as root (who may read anything). True when `check` held.
    template <typename CheckFn> bool whileUnreadable(CheckFn check) const
    {
        ::chmod(file().c_str(), S_IWUSR);
        if (::geteuid() != 0) return check();
        if (::chown(folder.path().c_str(), kNobody, kNobody) != 0
            || ::chown(file().c_str(), kNobody, kNobody) != 0)
            return false;
        const pid_t child = ::fork();
        if (child == 0) _exit(::setuid(kNobody) == 0 && check() ? 0 : 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    ScratchFolder folder;
};

TEST_F(SettingsFile, AFileThatCannotBeReadIsNeverWrittenOver)
{
    EXPECT_TRUE(whileUnreadable([this] {
        const app::Configuration config = configuration();
        return config.readProblem().has_value() && config.portNumber() == 1
            && config.writeAtClose(1, 40, 0).has_value();
    }));
    ::chmod(file().c_str(), S_IRUSR | S_IWUSR);
    EXPECT_EQ(ScratchFolder::read(file()), kSettings);
}

TEST_F(SettingsFile, ConcurrentClosesNeverLoseASection)
{
    std::atomic<bool> writing { true };
    std::atomic<int> incomplete { 0 };
    std::thread reader([&] {
        while (writing)
            incomplete += configuration().devicePaths().size() != 1;
    });
    auto closes = [this](int gain) {
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(configuration().writeAtClose(3, gain, 0), std::nullopt);
    };
    std::thread first(closes, 4);
    std::thread second(closes, 400);
    first.join();
    second.join();
    writing = false;
    reader.join();
    EXPECT_EQ(incomplete, 0);
    EXPECT_EQ(configuration().devicePaths().size(), 1u);
    EXPECT_EQ(configuration().portNumber(), 3);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_EQ(entry.path().filename(), app::Configuration::kFileName)
            << "a temporary file was left behind";
}

TEST_F(SettingsFile, PortKeysWithLeadingZerosNameTheSamePort)
{
    ScratchFolder::write(file(), "[Ports]\n03=/dev/first\n3=/dev/second\n007=/dev/seven\n0100=/dev/x\n");
    EXPECT_EQ(configuration().devicePaths(),
        (std::map<int, std::string> { { 3, "/dev/second" }, { 7, "/dev/seven" } }));
}

struct AxisCase {
    const char* name;
    const char* settings;
    int gain;
    int offset;
};

class SettingsAxis : public SettingsFile, public ::testing::WithParamInterface<AxisCase> { };

TEST_P(SettingsAxis, OnlyTheDialogsChoicesAreTaken)
{
    ScratchFolder::write(file(), GetParam().settings);
    EXPECT_EQ(configuration().yGain(), GetParam().gain);
    EXPECT_EQ(configuration().yOffset(), GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(Values, SettingsAxis,
    ::testing::Values(AxisCase { "Choices", "[GainInfo]\nGain=4000\n[OffsetInfo]\nOffset=10\n", 4000, 10 },
        AxisCase {
            "LargestInteger", "[GainInfo]\nGain=2147483647\n[OffsetInfo]\nOffset=2147483647\n", 40, 0 },
        AxisCase { "BetweenChoices", "[GainInfo]\nGain=41\n[OffsetInfo]\nOffset=3\n", 40, 0 },
        AxisCase { "Zero", "[GainInfo]\nGain=0\n[OffsetInfo]\nOffset=0\n", 40, 0 }),
    [](const auto& param) { return std::string(param.param.name); });

class SettingsAtClose : public support::MainFrameTest,
                        public ::testing::WithParamInterface<app::CloseMode> { };

TEST_P(SettingsAtClose, AFailedWriteIsToldUnlessNobodyIsThere)
{
    // A file where the settings folder should be: nothing can be written.
    ScratchFolder::write(folder / "brivon", "in the way");
    create();
    const bool attended = GetParam() == app::CloseMode::AskToSave;
    logic->close(GetParam());
    ASSERT_EQ(prompts.messages().size(), attended ? 1u : 0u);
    if (attended) {
        EXPECT_EQ(prompts.messages()[0].rfind("The settings could not be saved: ", 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, SettingsAtClose,
    ::testing::Values(app::CloseMode::AskToSave, app::CloseMode::Unattended), [](const auto& param) {
        return std::string(param.param == app::CloseMode::AskToSave ? "ByTheUser" : "BySignal");
    });

}  // namespace
}  // namespace brivon
