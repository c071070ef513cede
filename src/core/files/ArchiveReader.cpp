#include "core/files/ArchiveReader.h"

#include "core/files/ArchiveFormat.h"

#include <algorithm>
#include <array>
#include <bit>

namespace brivon::files {
namespace {

// Long strings are read piece by piece, so a damaged length does not make the
// reader allocate far more than the file holds.
constexpr std::size_t kStringChunk = std::size_t { 64 } * 1024;

template <std::size_t N> std::uint32_t littleEndian(const std::array<unsigned char, N>& bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = N; i-- > 0;)
        value = (value << 8) | bytes[i];
    return value;
}

}  // namespace

bool ArchiveReader::readBytes(void* target, std::size_t count)
{
    in_.read(static_cast<char*>(target), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in_.gcount()) == count;
}

bool ArchiveReader::read(std::uint8_t& value)
{
    std::array<unsigned char, 1> bytes {};
    if (!readBytes(bytes.data(), bytes.size())) return false;
    value = bytes[0];
    return true;
}

bool ArchiveReader::read(std::uint16_t& value)
{
    std::array<unsigned char, 2> bytes {};
    if (!readBytes(bytes.data(), bytes.size())) return false;
    value = static_cast<std::uint16_t>(littleEndian(bytes));
    return true;
}

bool ArchiveReader::read(std::uint32_t& value)
{
    std::array<unsigned char, 4> bytes {};
    if (!readBytes(bytes.data(), bytes.size())) return false;
    value = littleEndian(bytes);
    return true;
}

bool ArchiveReader::read(std::int32_t& value)
{
    std::uint32_t raw = 0;
    if (!read(raw)) return false;
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool ArchiveReader::read(float& value)
{
    std::uint32_t raw = 0;
    if (!read(raw)) return false;
    value = std::bit_cast<float>(raw);
    return true;
}

bool ArchiveReader::readStringLength(std::uint32_t& length)
{
    std::uint8_t shortLength = 0;
    if (!read(shortLength)) return false;
    if (shortLength != archive::kLongLengthMarker) {
        length = shortLength;
        return true;
    }
    std::uint16_t longLength = 0;
    if (!read(longLength)) return false;
    if (longLength != archive::kVeryLongLengthMarker) {
        length = longLength;
        return true;
    }
    return read(length);
}

bool ArchiveReader::read(std::string& text)
{
    std::uint32_t length = 0;
    if (!readStringLength(length)) return false;
    std::string result;
    while (result.size() < length) {
        const std::size_t offset = result.size();
        const std::size_t piece = std::min<std::size_t>(kStringChunk, length - offset);
        result.resize(offset + piece);
        if (!readBytes(result.data() + offset, piece)) return false;
    }
    text = std::move(result);
    return true;
}

FileOutcome ArchiveReader::readSignature()
{
    std::uint32_t length = 0;
    if (!readStringLength(length)) return file_outcome::endedEarly();
    // A signature of another length cannot match; its characters are not read.
    if (length != archive::kSignature.size()) return file_outcome::invalidFormat();
    std::string signature(archive::kSignature.size(), '\0');
    if (!readBytes(signature.data(), signature.size())) return file_outcome::endedEarly();
    return signature == archive::kSignature ? file_outcome::success() : file_outcome::invalidFormat();
}

}  // namespace brivon::files
