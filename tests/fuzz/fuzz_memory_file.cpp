// The memory file reader: a file it accepts, written again by the writer,
// gives the same bytes back when read and written once more, and the same
// text export.

#include "FuzzCheck.h"
#include "core/files/MemoryFile.h"
#include "core/files/TextExport.h"

#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace brivon;
    using fuzz::require;
    auto block = std::make_unique<store::MemoryBlock>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const files::FileOutcome outcome = files::readMemoryFile(in, *block);
    require(block->recordCount >= 0 && block->recordCount <= store::MemoryBlock::kCapacity,
        "the record count stays within the block");
    if (!outcome.signatureAccepted()) return 0;

    const std::string text = files::memoryExport(*block);
    require(!text.empty(), "the export has its header");
    if (!outcome.ok()) return 0;

    const std::string written = files::memoryFileBytes(*block);
    auto again = std::make_unique<store::MemoryBlock>();
    std::istringstream writtenIn(written);
    require(files::readMemoryFile(writtenIn, *again).ok(), "a written file is read back");
    require(files::memoryFileBytes(*again) == written, "the same bytes when written again");
    require(files::memoryExport(*again) == text, "the same text export");
    return 0;
}
