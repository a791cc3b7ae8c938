#include "exchange/xls/record_writer.hpp"

#include <bit>
#include <stdexcept>

namespace tobrel::exchange::xls {

Payload& Payload::u8(unsigned value) {
    data_ += static_cast<char>(value & 0xFF);
    return *this;
}

Payload& Payload::u16(unsigned value) {
    return u8(value).u8(value >> 8);
}

Payload& Payload::u32(std::uint32_t value) {
    return u16(value & 0xFFFF).u16(value >> 16);
}

Payload& Payload::f64(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
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
    const auto size = static_cast<unsigned>(body.size());
    const char header[] = {static_cast<char>(type & 0xFF), static_cast<char>(type >> 8),
                           static_cast<char>(size & 0xFF), static_cast<char>(size >> 8)};
    stream_.append(header, sizeof header);
    stream_ += body;
}

void RecordWriter::patchU32(std::size_t position, std::uint32_t value) {
    Payload bytes;
    bytes.u32(value);
    stream_.replace(position, 4, bytes.data());
}

}  // namespace tobrel::exchange::xls
