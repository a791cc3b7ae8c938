#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tobrel::exchange::xls {

// One record with the bodies of the CONTINUE records that follow it.
struct Record {
    std::uint16_t type = 0;
    std::string_view first;
    std::vector<std::string_view> continues;  // the bodies of CONTINUE records after it, if any
    std::string_view body() const { return first; }
    std::size_t partCount() const { return 1 + continues.size(); }
    std::string_view part(std::size_t index) const {
        return index == 0 ? first : continues[index - 1];
    }
};

// Walks the records of a stream from an offset; a record running past the stream's end throws.
class RecordReader {
  public:
    RecordReader(std::string_view stream, std::size_t offset);
    std::optional<Record> next();
    // Fraction of the stream passed, for progress.
    std::size_t position() const { return pos_; }

  private:
    std::optional<std::pair<std::uint16_t, std::string_view>> header();

    std::string_view stream_;
    std::size_t pos_;
};

// Reads fields and strings across a record and its CONTINUE parts. A string's characters may go on
// in the next part, which then starts with a new flags byte (one or two bytes per character).
class PartsReader {
  public:
    // The record must outlive the reader.
    explicit PartsReader(const Record& record) : record_(record) {}

    unsigned u8();
    unsigned u16();
    std::uint32_t u32();
    void skip(std::size_t count);
    // XLUnicodeString / XLUnicodeRichExtendedString with a 16-bit count (or 8-bit when short).
    std::u16string unicodeString(bool shortCount = false);
    bool atEnd() const;

  private:
    void nextPartIfDone();
    std::string_view current() const { return record_.part(index_); }

    const Record& record_;
    std::size_t index_ = 0;
    std::size_t pos_ = 0;
};

}  // namespace tobrel::exchange::xls
