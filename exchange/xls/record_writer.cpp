#include "exchange/xls/record_writer.hpp"

#include <array>
#include <bit>
#include <stdexcept>

namespace tobrel::exchange::xls {

Payload& Payload::u8(unsigned value) {
    data_ += static_cast<char>(value & 0xFF);
    return *this;
}

namespace {

// The low `Size` bytes of a value, least significant first.
template <std::size_t Size>
void appendLittleEndian(std::string& data, std::uint64_t value) {
    std::array<char, Size> bytes{};
    for (auto& byte : bytes) {
        byte = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    data.append(bytes.data(), Size);
}

}  // namespace

Payload& Payload::u16(unsigned value) {
    appendLittleEndian<2>(data_, value);
    return *this;
}

Payload& Payload::u32(std::uint32_t value) {
    appendLittleEndian<4>(data_, value);
    return *this;
}

Payload& Payload::f64(double value) {
    appendLittleEndian<8>(data_, std::bit_cast<std::uint64_t>(value));
    return *this;
}

Payload& Payload::bytes(std::string_view data) {
    data_ += data;
    return *this;
}

Payload& Payload::zeros(std::size_t count) {
    data_.append(count, '\0');
    return *this;
}

Payload& Payload::unicodeString(std::u16string_view text) {
    u16(static_cast<unsigned>(text.size())).u8(1);
    for (const char16_t unit : text)
        u16(unit);
    return *this;
}

Payload& Payload::shortUnicodeString(std::u16string_view text) {
    u8(static_cast<unsigned>(text.size())).u8(1);
    for (const char16_t unit : text)
        u16(unit);
    return *this;
}

void RecordWriter::record(std::uint16_t type, std::string_view body) {
    if (body.size() > kMaxBody)
        throw std::logic_error("record body over the format's limit");
    appendLittleEndian<2>(stream_, type);
    appendLittleEndian<2>(stream_, body.size());
    stream_ += body;
}

void RecordWriter::patchU32(std::size_t position, std::uint32_t value) {
    Payload bytes;
    bytes.u32(value);
    stream_.replace(position, 4, bytes.data());
}

}  // namespace tobrel::exchange::xls
