#include "ui/link/CMSComm.h"

#include "support/FakeSerialPort.h"
#include "support/PtyPair.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace brivon {
namespace {

using support::hex;

constexpr int kPort = 2;
constexpr int kSettleMs = 100;

class CMSCommTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        link::PortMap map;
        map.setPath(kPort, pty.slavePath());
        comm = std::make_unique<ui::CMSComm>(map);
        comm->setEventHandler([this] {
            events.push_back(comm->commEvent());
            if (comm->commEvent() == platform::kCommEventReceive) received.push_back(comm->input());
        });
        comm->setSettings("9600,n,8,1");
        comm->setCommPort(kPort);
        comm->setPortOpen(true);
    }

    // Lets the event loop deliver what the pty has.
    static void settle() { QTest::qWait(kSettleMs); }

    support::PtyPair pty;
    std::unique_ptr<ui::CMSComm> comm;
    std::vector<int> events;
    std::vector<platform::Bytes> received;
};

TEST_F(CMSCommTest, PiecesAreKeptUntilTheThresholdIsMet)
{
    comm->setRThreshold(19);
    pty.write(platform::Bytes(7, 0x01));
    settle();
    EXPECT_TRUE(events.empty());
    pty.write(platform::Bytes(12, 0x02));
    settle();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].size(), 19u);
    EXPECT_EQ(received[0].front(), 0x01);
    EXPECT_EQ(received[0].back(), 0x02);
}

TEST_F(CMSCommTest, ThresholdZeroRaisesNoReceiveEvent)
{
    comm->setRThreshold(0);
    pty.write(platform::Bytes(30, 0x05));
    settle();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(comm->input().size(), 30u);
}

TEST_F(CMSCommTest, DiscardInputDropsWaitingBytes)
{
    comm->setRThreshold(100);
    pty.write(platform::Bytes(10, 0x05));
    settle();
    comm->discardInput();
    EXPECT_TRUE(comm->input().empty());
}

TEST_F(CMSCommTest, OutputReachesTheDevice)
{
    comm->output({ 0x87, 0x83, 0xEF });
    settle();
    EXPECT_EQ(hex(pty.readAvailable()), "87 83 EF");
}

TEST_F(CMSCommTest, ClosedPortRefusesInputAndOutput)
{
    comm->setPortOpen(false);
    EXPECT_FALSE(comm->portOpen());
    EXPECT_THROW(comm->output({ 0x11 }), platform::SerialError);
    EXPECT_THROW(comm->input(), platform::SerialError);
    comm->setPortOpen(true);
    EXPECT_TRUE(comm->portOpen());
}

TEST(CMSComm, MissingDeviceIsAnInvalidPortNumber)
{
    link::PortMap map;
    map.setPath(1, "/dev/brivon-no-such-device");
    ui::CMSComm comm(map);
    comm.setCommPort(1);
    try {
        comm.setPortOpen(true);
        FAIL() << "opened a missing device";
    } catch (const platform::SerialError& error) {
        EXPECT_EQ(error.description(), "Invalid port number");
    }
    EXPECT_THROW(comm.setCommPort(17), platform::SerialError);
}

}  // namespace
}  // namespace brivon
