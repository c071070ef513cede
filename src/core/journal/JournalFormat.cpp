#include "core/journal/JournalFormat.h"

#include "core/files/ArchiveWriter.h"

#include <bit>

namespace brivon::journal {
namespace {

constexpr std::uint32_t kCrcPolynomial = 0xEDB88320u;  // CRC-32 as zlib and PNG use it
constexpr std::uint8_t kNewReadingBit = 0x01;
constexpr std::uint8_t kFootCandleBit = 0x02;
constexpr int kRecordPadding = 3;
constexpr int kBitsPerWord = 32;

std::uint32_t readUInt32(std::string_view bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

std::int32_t readInt32(std::string_view bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(readUInt32(bytes, offset));
}

void writeUInt32(files::ArchiveWriter& out, std::uint32_t value)
{
    out.writeInt32(static_cast<std::int32_t>(value));
}

// The bytes followed by their CRC-32.
std::string sealed(const files::ArchiveWriter& out)
{
    files::ArchiveWriter crc;
    writeUInt32(crc, crc32(out.bytes()));
    return out.bytes() + crc.bytes();
}

// The bytes without their CRC, or nothing when the size or the CRC is wrong.
std::optional<std::string_view> unsealed(std::string_view bytes, std::size_t size)
{
    if (bytes.size() != size) return std::nullopt;
    const std::string_view body = bytes.substr(0, size - 4);
    if (crc32(body) != readUInt32(bytes, size - 4)) return std::nullopt;
    return body;
}

}  // namespace

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ ((crc & 1u) ? kCrcPolynomial : 0u);
    }
    return ~crc;
}

std::string encodeHeader(const JournalHeader& header)
{
    files::ArchiveWriter out;
    for (const char c : kMagic)
        out.writeUInt8(static_cast<std::uint8_t>(c));
    const auto start = static_cast<std::uint64_t>(header.runStart);
    writeUInt32(out, static_cast<std::uint32_t>(start));
    writeUInt32(out, static_cast<std::uint32_t>(start >> kBitsPerWord));
    return sealed(out);
}

std::string encodeRecord(const SampleRecord& record)
{
    files::ArchiveWriter out;
    out.writeInt32(record.index);
    out.writeFloat(record.value);
    out.writeInt32(record.gain);
    out.writeInt32(record.samplePeriodMs);
    out.writeUInt8(static_cast<std::uint8_t>(
        (record.newReading ? kNewReadingBit : 0) | (record.footCandle ? kFootCandleBit : 0)));
    for (int i = 0; i < kRecordPadding; ++i)
        out.writeUInt8(0);
    return sealed(out);
}

std::optional<JournalHeader> decodeHeader(std::string_view bytes)
{
    const auto body = unsealed(bytes, kHeaderSize);
    if (!body || body->substr(0, kMagic.size()) != kMagic) return std::nullopt;
    const std::uint64_t low = readUInt32(*body, kMagic.size());
    const std::uint64_t high = readUInt32(*body, kMagic.size() + 4);
    return JournalHeader { static_cast<platform::TimeValue>(low | (high << kBitsPerWord)) };
}

std::optional<SampleRecord> decodeRecord(std::string_view bytes)
{
    const auto body = unsealed(bytes, kRecordSize);
    if (!body) return std::nullopt;
    const auto flags = static_cast<std::uint8_t>((*body)[16]);
    SampleRecord record;
    record.index = readInt32(*body, 0);
    record.value = std::bit_cast<float>(readUInt32(*body, 4));
    record.gain = readInt32(*body, 8);
    record.samplePeriodMs = readInt32(*body, 12);
    record.newReading = (flags & kNewReadingBit) != 0;
    record.footCandle = (flags & kFootCandleBit) != 0;
    return record;
}

}  // namespace brivon::journal
