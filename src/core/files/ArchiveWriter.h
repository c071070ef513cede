#pragma once
// Builds the bytes of an archive in memory, value by value.

#include <cstdint>
#include <string>
#include <string_view>

namespace brivon::files {

class ArchiveWriter {
public:
    void writeUInt8(std::uint8_t value);
    void writeInt32(std::int32_t value);
    void writeFloat(float value);
    void writeString(std::string_view text);
    void writeSignature();

    const std::string& bytes() const { return bytes_; }

private:
    void writeUInt16(std::uint16_t value);
    void writeUInt32(std::uint32_t value);

    std::string bytes_;
};

}  // namespace brivon::files
