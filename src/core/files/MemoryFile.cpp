#include "core/files/MemoryFile.h"

#include "core/files/ArchiveReader.h"
#include "core/files/ArchiveWriter.h"
#include "core/files/GraphFile.h"
#include "core/files/RegularFile.h"

#include <fstream>
#include <memory>

namespace brivon::files {
namespace {

bool readRecord(ArchiveReader& archive, store::MemoryRecord& record)
{
    store::MemoryRecord read;
    if (!(archive.read(read.value) && archive.read(read.footCandle) && archive.read(read.status)
            && archive.read(read.negative) && archive.read(read.time))) {
        return false;
    }
    record = std::move(read);
    return true;
}

}  // namespace

std::string memoryFileBytes(const store::MemoryBlock& block)
{
    ArchiveWriter out;
    out.writeSignature();
    const auto records = block.used();
    out.writeInt32(static_cast<std::int32_t>(records.size()));
    for (const store::MemoryRecord& record : records) {
        out.writeFloat(record.value);
        out.writeUInt8(record.footCandle);
        out.writeString(record.status);
        out.writeUInt8(record.negative);
        out.writeString(record.time);
    }
    return out.bytes();
}

FileOutcome readMemoryFile(std::istream& in, store::MemoryBlock& block)
{
    ArchiveReader archive(in);
    if (FileOutcome signature = archive.readSignature(); !signature.ok()) return signature;

    std::int32_t recordCount = 0;
    if (!archive.read(recordCount)) return file_outcome::endedEarly();
    if (recordCount < 0 || recordCount > store::MemoryBlock::kCapacity) {
        return file_outcome::countOutOfRange(recordCount, store::MemoryBlock::kCapacity, "memory records");
    }
    block.recordCount = 0;
    for (std::int32_t i = 0; i < recordCount; ++i) {
        if (!readRecord(archive, block.records[static_cast<std::size_t>(i)]))
            return file_outcome::endedEarly();
        block.recordCount = i + 1;
    }
    return file_outcome::success();
}

FileOutcome readMemoryFile(const std::filesystem::path& path, store::MemoryBlock& block)
{
    std::ifstream in;
    if (FileOutcome opened = openForReading(path, in); !opened.ok()) return opened;
    auto read = std::make_unique<store::MemoryBlock>(block);
    FileOutcome outcome = readMemoryFile(in, *read);
    if (!outcome.ok()) {
        in.clear();
        in.seekg(0);
        if (holdsGraphFile(in)) return file_outcome::otherKind(kGraphFileKind, kMemoryListKind);
    }
    block = std::move(*read);
    return outcome;
}

bool holdsMemoryList(std::istream& in)
{
    const auto scratch = std::make_unique<store::MemoryBlock>();
    return readMemoryFile(in, *scratch).ok() && in.peek() == std::char_traits<char>::eof();
}

}  // namespace brivon::files
