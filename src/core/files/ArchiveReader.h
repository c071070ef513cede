#pragma once
// Reads an archive's values from a stream. Each read returns false, leaving
// its target untouched, when the stream ends before the value is complete.

#include <cstdint>
#include <istream>
#include <string>

#include "core/files/FileOutcome.h"

namespace brivon::files {

class ArchiveReader {
public:
    explicit ArchiveReader(std::istream& in)
        : in_(in)
    {
    }

    bool read(std::uint8_t& value);
    bool read(std::int32_t& value);
    bool read(float& value);
    bool read(std::string& text);

    // Reads the signature string: ok, InvalidFormat when it differs from the
    // program's in any byte or in length, or EndedEarly.
    FileOutcome readSignature();

private:
    bool read(std::uint16_t& value);
    bool read(std::uint32_t& value);
    bool readStringLength(std::uint32_t& length);
    bool readBytes(void* target, std::size_t count);

    std::istream& in_;
};

}  // namespace brivon::files
