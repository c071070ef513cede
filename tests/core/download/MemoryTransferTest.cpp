#include "StoredDumps.h"
#include "TransferFixture.h"

namespace brivon {
namespace {

using support::memoryRecord;

class MemoryTransfer : public support::TransferTest { };

TEST_F(MemoryTransfer, TheDumpFillsTheMemoryBlockAndTheProgramListensAgain)
{
    requestMemoryDump();
    EXPECT_EQ(port.rThreshold(), 1352);
    std::vector<sim::MemoryRecord> records(7, memoryRecord(12.0));
    records[3].lux = 4000.0;
    port.deliver(sim::encodeMemoryDump(records));

    EXPECT_TRUE(state().memoryComplete);
    EXPECT_FALSE(state().memoryEmpty);
    EXPECT_EQ(state().downloadTotal, 0);
    EXPECT_EQ(download::progressText(state()), "7 records");
    EXPECT_TRUE(listensAgain());
    EXPECT_GE(events.panelChanges, 1);
    const store::MemoryBlock& block = doc.memoryBlock();
    ASSERT_EQ(block.recordCount, 7);
    EXPECT_EQ(block.records[0].value, 12.0f);
    EXPECT_EQ(block.records[3].value, 4000.0f);
    EXPECT_EQ(block.records[6].time, "07/12/10 14:05:09");
}

TEST_F(MemoryTransfer, AnEmptyMemoryIsMarkedForTheList)
{
    requestMemoryDump();
    port.deliver(sim::encodeMemoryDump({}));
    EXPECT_TRUE(state().memoryComplete);
    EXPECT_TRUE(state().memoryEmpty);
    EXPECT_EQ(doc.memoryBlock().recordCount, 0);
    EXPECT_TRUE(prompts.log().empty());
}

TEST_F(MemoryTransfer, ABlockWithoutTheMarkIsNoDump)
{
    requestMemoryDump();
    platform::Bytes noise = sim::encodeMemoryDump({ memoryRecord(1.0) });
    noise[0] = 0x00;
    port.deliver(noise);
    EXPECT_FALSE(state().memoryComplete);
    EXPECT_EQ(receiveMode(), link::ReceiveMode::Memory);
}

}  // namespace
}  // namespace brivon
