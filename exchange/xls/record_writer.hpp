#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tobrel::exchange::xls {

// Little-endian field bytes of one record body.
class Payload {
  public:
    Payload& u8(unsigned value);
    Payload& u16(unsigned value);
    Payload& u32(std::uint32_t value);
    Payload& f64(double value);
    Payload& bytes(std::string_view data);
    Payload& zeros(std::size_t count);
    // Empties the payload for reuse, keeping its memory.
    Payload& clear() {
        data_.clear();
        return *this;
    }
    // A string with a 16-bit (or 8-bit) character count and the flags byte, always as UTF-16.
    Payload& unicodeString(std::u16string_view text);
    Payload& shortUnicodeString(std::u16string_view text);
    const std::string& data() const { return data_; }
    std::size_t size() const { return data_.size(); }

  private:
    std::string data_;
};

// The growing record stream of one workbook.
class RecordWriter {
  public:
    // The largest record body the format allows; longer data goes on in CONTINUE records.
    static constexpr std::size_t kMaxBody = 8224;

    void record(std::uint16_t type, const Payload& body) { record(type, body.data()); }
    void record(std::uint16_t type, std::string_view body);
    std::size_t position() const { return stream_.size(); }
    void reserve(std::size_t bytes) { stream_.reserve(bytes); }
    // Overwrites 4 bytes at an absolute stream position (a forward offset known later).
    void patchU32(std::size_t position, std::uint32_t value);
    std::string& stream() { return stream_; }

  private:
    std::string stream_;
};

}  // namespace tobrel::exchange::xls
