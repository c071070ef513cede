#include "core/app/Configuration.h"

#include "core/app/ScratchFolder.h"

#include <gtest/gtest.h>

#include <climits>

namespace brivon {
namespace {

using support::ScratchFolder;

class ConfigurationFile : public ::testing::Test {
protected:
    std::filesystem::path file() const { return folder / "brivon" / app::Configuration::kFileName; }
    app::Configuration configuration() const { return app::Configuration(file().string()); }
    void givenFile(const std::string& text) const
    {
        std::filesystem::create_directories(file().parent_path());
        ScratchFolder::write(file(), text);
    }

    ScratchFolder folder;
};

TEST_F(ConfigurationFile, WithoutAFileTheDefaultsHoldAndCloseWritesAllThreeKeys)
{
    const app::Configuration config = configuration();
    EXPECT_EQ(config.portNumber(), 1);
    EXPECT_EQ(config.yGain(), 40);
    EXPECT_EQ(config.yOffset(), 0);

    ASSERT_EQ(config.writeAtClose(1, 40, 0), std::nullopt);
    EXPECT_EQ(
        ScratchFolder::read(file()), "[COMInfo]\nCOM num=1\n[GainInfo]\nGain=40\n[OffsetInfo]\nOffset=0\n");
}

TEST_F(ConfigurationFile, CloseReplacesValuesAndKeepsEverythingElse)
{
    givenFile("; kept\r\n[GainInfo]\r\nGain=4000\r\nOther=x\r\n\r\n[COMInfo]\r\nCOM num=3\r\n");
    ASSERT_EQ(configuration().writeAtClose(7, 400, 2), std::nullopt);
    EXPECT_EQ(ScratchFolder::read(file()),
        "; kept\n[GainInfo]\nGain=400\nOther=x\n\n[COMInfo]\nCOM num=7\n[OffsetInfo]\nOffset=2\n");
}

TEST_F(ConfigurationFile, AMissingKeyIsAddedAtTheEndOfItsSection)
{
    givenFile("[COMInfo]\nOther=1\n\n[GainInfo]\nGain=4\n");
    ASSERT_EQ(configuration().writeAtClose(2, 4, 0), std::nullopt);
    EXPECT_EQ(ScratchFolder::read(file()),
        "[COMInfo]\nOther=1\nCOM num=2\n\n[GainInfo]\nGain=4\n[OffsetInfo]\nOffset=0\n");
}

TEST_F(ConfigurationFile, AFileThatCannotBeWrittenReportsIt)
{
    ScratchFolder::write(folder / "brivon", "a file where the folder should be");
    EXPECT_NE(configuration().writeAtClose(1, 40, 0), std::nullopt);
}

TEST_F(ConfigurationFile, DevicePathsAreTheNumberedKeysOfThePortsSection)
{
    givenFile("[Ports]\n1=/dev/ttyUSB0\n 16 = /dev/ttyACM1 \nx=/dev/null\n17=/dev/ttyS9\n0=/dev/ttyS0\n3=\n");
    const auto paths = configuration().devicePaths();
    EXPECT_EQ(paths, (std::map<int, std::string> { { 1, "/dev/ttyUSB0" }, { 16, "/dev/ttyACM1" } }));
}

TEST_F(ConfigurationFile, AWrittenDevicePathReplacesItsNumberAndKeepsTheOthers)
{
    givenFile("[Ports]\n1=/dev/ttyUSB0\n7=/dev/ttyS2\n");
    ASSERT_EQ(configuration().writeDevicePath(7, "/dev/serial/by-id/usb-meter"), std::nullopt);
    ASSERT_EQ(configuration().writeDevicePath(12, "/dev/ttyUSB3"), std::nullopt);
    EXPECT_EQ(configuration().devicePaths(),
        (std::map<int, std::string> {
            { 1, "/dev/ttyUSB0" }, { 7, "/dev/serial/by-id/usb-meter" }, { 12, "/dev/ttyUSB3" } }));
}

// How the integer reader reads a value: leading decimal digits, the default
// only when the key is missing or empty.
struct ValueCase {
    const char* name;
    const char* line;
    int expected;
};

class ProfileIntegers : public ConfigurationFile, public ::testing::WithParamInterface<ValueCase> { };

TEST_P(ProfileIntegers, ReadLeadingDigits)
{
    givenFile(std::string("[GainInfo]\n") + GetParam().line + "\n");
    EXPECT_EQ(app::ProfileFile(file().string()).readInt("GainInfo", "Gain", 40), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileIntegers,
    ::testing::Values(ValueCase { "Plain", "Gain=400", 400 },
        ValueCase { "SpacesAround", "Gain = 4000 ", 4000 }, ValueCase { "TrailingLetter", "Gain=40k", 40 },
        ValueCase { "LeadingLetter", "Gain=k40", 0 }, ValueCase { "Negative", "Gain=-4", 0 },
        ValueCase { "Empty", "Gain=", 40 }, ValueCase { "Quoted", "Gain=\"4\"", 4 },
        ValueCase { "LowerCaseKey", "gain=4", 4 }, ValueCase { "OtherKey", "Gains=4", 40 },
        ValueCase { "BeyondTheLargestInteger", "Gain=99999999999", INT_MAX },
        ValueCase { "CommentedOut", "; Gain=4", 40 }),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(ConfigurationFile, SectionNamesIgnoreCaseAndOnlyTheirOwnSectionCounts)
{
    givenFile("[OffsetInfo]\nGain=4\n[ gaininfo ]\nGain=400\n");
    EXPECT_EQ(configuration().yGain(), 400);
    EXPECT_EQ(configuration().yOffset(), 0);
}

class PortNumbers : public ConfigurationFile, public ::testing::WithParamInterface<ValueCase> { };

TEST_P(PortNumbers, OutsideOneToSixteenFallBackToOne)
{
    givenFile(std::string("[COMInfo]\n") + GetParam().line + "\n");
    EXPECT_EQ(configuration().portNumber(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, PortNumbers,
    ::testing::Values(ValueCase { "Seven", "COM num=7", 7 }, ValueCase { "Sixteen", "COM num=16", 16 },
        ValueCase { "Seventeen", "COM num=17", 1 }, ValueCase { "Zero", "COM num=0", 1 },
        ValueCase { "Nineteen", "COM num=19", 1 }, ValueCase { "KeyWithoutSpace", "COMnum=5", 1 }),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ConfigurationPath, FollowsTheDesktopsConfigurationFolder)
{
    EXPECT_EQ(app::configurationPath("/x/conf", "/home/u"), "/x/conf/brivon/Brivonconfig.ini");
    EXPECT_EQ(app::configurationPath(nullptr, "/home/u"), "/home/u/.config/brivon/Brivonconfig.ini");
    EXPECT_EQ(app::configurationPath("", "/home/u"), "/home/u/.config/brivon/Brivonconfig.ini");
    EXPECT_EQ(app::configurationPath("relative", "/home/u"), "/home/u/.config/brivon/Brivonconfig.ini");
}

}  // namespace
}  // namespace brivon
