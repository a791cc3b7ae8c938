#include "exchange/xls/record_reader.hpp"

#include "exchange/exchange_error.hpp"
#include "exchange/xls/biff_records.hpp"
#include "exchange/xls/byte_reader.hpp"

namespace tobrel::exchange::xls {

namespace {

constexpr std::size_t kHeaderSize = 4;

[[noreturn]] void damaged(const std::string& what) {
    throw ExchangeError("The workbook is damaged: " + what);
}

}  // namespace

RecordReader::RecordReader(std::string_view stream, std::size_t offset)
    : stream_(stream), pos_(offset) {
    if (offset > stream.size())
        damaged("a worksheet lies outside the workbook stream");
}

std::optional<std::pair<std::uint16_t, std::string_view>> RecordReader::header() {
    if (pos_ >= stream_.size())
        return std::nullopt;
    if (stream_.size() - pos_ < kHeaderSize)
        damaged("the last record is cut off");
    ByteReader fields(stream_.substr(pos_, kHeaderSize));
    const auto type = static_cast<std::uint16_t>(fields.u16());
    const std::size_t length = fields.u16();
    if (stream_.size() - pos_ - kHeaderSize < length)
        damaged("a record runs past the end of the file");
    return std::pair{type, stream_.substr(pos_ + kHeaderSize, length)};
}

std::optional<Record> RecordReader::next() {
    const auto first = header();
    if (!first)
        return std::nullopt;
    Record record{first->first, first->second, {}};
    pos_ += kHeaderSize + first->second.size();
    while (const auto more = header()) {
        if (more->first != record::kContinue)
            break;
        record.continues.push_back(more->second);
        pos_ += kHeaderSize + more->second.size();
    }
    return record;
}

void PartsReader::nextPartIfDone() {
    while (pos_ == current().size() && index_ + 1 < record_.partCount()) {
        ++index_;
        pos_ = 0;
    }
}

unsigned PartsReader::u8() {
    nextPartIfDone();
    if (pos_ >= current().size())
        damaged("a record is too short");
    return static_cast<unsigned char>(current()[pos_++]);
}

unsigned PartsReader::u16() {
    const unsigned low = u8();
    return low | (u8() << 8);
}

std::uint32_t PartsReader::u32() {
    const std::uint32_t low = u16();
    return low | (static_cast<std::uint32_t>(u16()) << 16);
}

void PartsReader::skip(std::size_t count) {
    while (count > 0) {
        nextPartIfDone();
        const std::size_t available = current().size() - pos_;
        if (available == 0)
            damaged("a record is too short");
        const std::size_t step = std::min(available, count);
        pos_ += step;
        count -= step;
    }
}

bool PartsReader::atEnd() const {
    if (pos_ < current().size())
        return false;
    for (std::size_t i = index_ + 1; i < record_.partCount(); ++i) {
        if (!record_.part(i).empty())
            return false;
    }
    return true;
}

std::u16string PartsReader::unicodeString(bool shortCount) {
    const std::size_t count = shortCount ? u8() : u16();
    const unsigned flags = u8();
    bool wide = flags & 0x01;
    const std::size_t runs = (flags & 0x08) ? u16() : 0;
    const std::size_t extension = (flags & 0x04) ? u32() : 0;
    std::u16string text;
    text.reserve(count);
    while (text.size() < count) {
        if (pos_ == current().size()) {
            if (index_ + 1 >= record_.partCount())
                damaged("a text is cut off");
            ++index_;
            pos_ = 0;
            wide = u8() & 0x01;
            continue;
        }
        text += static_cast<char16_t>(wide ? u16() : u8());
    }
    skip(4 * runs);
    skip(extension);
    return text;
}

}  // namespace tobrel::exchange::xls
