#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/exchange_error.hpp"

namespace tobrel::exchange::xls {

// Little-endian fields of untrusted bytes; reading past the end throws instead of overrunning.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes, const char* what = "a record")
        : bytes_(bytes), what_(what) {}

    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    unsigned u8() { return static_cast<unsigned char>(take(1)[0]); }
    unsigned u16() {
        const auto b = take(2);
        return static_cast<unsigned char>(b[0]) | (static_cast<unsigned char>(b[1]) << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t low = u16();
        return low | (static_cast<std::uint32_t>(u16()) << 16);
    }
    double f64() {
        const std::uint64_t low = u32();
        return std::bit_cast<double>(low | (static_cast<std::uint64_t>(u32()) << 32));
    }
    std::string_view take(std::size_t count) {
        if (count > remaining())
            throw ExchangeError(std::string("The workbook is damaged: ") + what_ + " is too short");
        const auto part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }
    void skip(std::size_t count) { take(count); }

  private:
    std::string_view bytes_;
    const char* what_;
    std::size_t pos_ = 0;
};

}  // namespace tobrel::exchange::xls
