#pragma once
// Builds file bytes by hand, independently of the program's archive writer.

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brivon::support {

class ByteBuilder {
public:
    ByteBuilder& u8(std::uint8_t v)
    {
        bytes_.push_back(static_cast<char>(v));
        return *this;
    }
    ByteBuilder& u16(std::uint16_t v) { return u8(v & 0xFF).u8(v >> 8); }
    ByteBuilder& i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        return u16(u & 0xFFFF).u16(u >> 16);
    }
    ByteBuilder& f32(float v) { return i32(std::bit_cast<std::int32_t>(v)); }
    ByteBuilder& raw(std::string_view text)
    {
        bytes_.append(text);
        return *this;
    }
    // A string with a one-byte length.
    ByteBuilder& str(std::string_view text) { return u8(static_cast<std::uint8_t>(text.size())).raw(text); }
    ByteBuilder& signature() { return str("QV731"); }
    ByteBuilder& ints(std::initializer_list<std::int32_t> values)
    {
        for (const auto v : values)
            i32(v);
        return *this;
    }

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

}  // namespace brivon::support
