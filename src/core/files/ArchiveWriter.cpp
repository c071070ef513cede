#include "core/files/ArchiveWriter.h"

#include "core/files/ArchiveFormat.h"

#include <bit>

namespace brivon::files {

void ArchiveWriter::writeUInt8(std::uint8_t value)
{
    bytes_.push_back(static_cast<char>(value));
}

void ArchiveWriter::writeUInt16(std::uint16_t value)
{
    writeUInt8(static_cast<std::uint8_t>(value & 0xFF));
    writeUInt8(static_cast<std::uint8_t>(value >> 8));
}

void ArchiveWriter::writeUInt32(std::uint32_t value)
{
    writeUInt16(static_cast<std::uint16_t>(value & 0xFFFF));
    writeUInt16(static_cast<std::uint16_t>(value >> 16));
}

void ArchiveWriter::writeInt32(std::int32_t value)
{
    writeUInt32(static_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeFloat(float value)
{
    writeUInt32(std::bit_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeString(std::string_view text)
{
    if (text.size() < archive::kLongLengthMarker) {
        writeUInt8(static_cast<std::uint8_t>(text.size()));
    } else if (text.size() < archive::kVeryLongLengthMarker) {
        writeUInt8(archive::kLongLengthMarker);
        writeUInt16(static_cast<std::uint16_t>(text.size()));
    } else {
        writeUInt8(archive::kLongLengthMarker);
        writeUInt16(archive::kVeryLongLengthMarker);
        writeUInt32(static_cast<std::uint32_t>(text.size()));
    }
    bytes_.append(text);
}

void ArchiveWriter::writeSignature()
{
    writeString(archive::kSignature);
}

}  // namespace brivon::files
