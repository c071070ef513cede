#include "core/link/PortChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace brivon {
namespace {

TEST(PortChoice, MenuTextNamesTheDeviceAndMarksAPresentOne)
{
    EXPECT_EQ(link::portMenuText(1, "/dev/ttyUSB0", false), "COM1  /dev/ttyUSB0");
    EXPECT_EQ(link::portMenuText(4, "/dev/ttyACM1", true), "COM4  /dev/ttyACM1 (present)");
    EXPECT_TRUE(link::devicePresent("/dev/null"));
    EXPECT_FALSE(link::devicePresent("/"));
    EXPECT_FALSE(link::devicePresent("/dev/no-such-device"));
}

struct PickCase {
    const char* name;
    std::optional<int> typed;
    const char* device;
    std::set<std::string> present;
    std::optional<int> number;
};

class PickedDevice : public ::testing::TestWithParam<PickCase> { };

TEST_P(PickedDevice, TakesTheTypedOrTheNextFreeNumber)
{
    const PickCase& c = GetParam();
    link::PortMap map;
    map.setPath(9, "/dev/ttyUSB9");
    const auto present = [&](const std::string& path) { return c.present.count(path) > 0; };
    EXPECT_EQ(link::numberForPickedDevice(map, c.device, c.typed, present), c.number);
}

const std::set<std::string> kAllOthersPresent { "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3",
    "/dev/ttyUSB9", "/dev/ttyUSB3", "/dev/ttyACM2", "/dev/ttyACM3", "/dev/ttyUSB4", "/dev/ttyUSB5",
    "/dev/ttyUSB6", "/dev/ttyUSB7" };

INSTANTIATE_TEST_SUITE_P(Rules, PickedDevice,
    ::testing::Values(PickCase { "Typed", 12, "/dev/ttyX", {}, 12 },
        PickCase { "MenuNumberTypedIsNotTaken", 2, "/dev/ttyX", {}, 5 },
        PickCase { "AlreadyMapped", std::nullopt, "/dev/ttyUSB9", { "/dev/ttyS0" }, 9 },
        PickCase { "FirstWithoutDevice", std::nullopt, "/dev/ttyX", { "/dev/ttyS0", "/dev/ttyS1" }, 7 },
        PickCase { "AllTaken", std::nullopt, "/dev/ttyX", kAllOthersPresent, std::nullopt }),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace brivon
