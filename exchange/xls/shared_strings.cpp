#include "exchange/xls/shared_strings.hpp"

#include <algorithm>

namespace tobrel::exchange::xls {

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kMaxBuckets = 128;

struct Bucket {
    std::uint32_t streamOffset;
    std::uint16_t recordOffset;
};

bool fitsOneByte(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit <= 0xFF; });
}

// Fills SST then CONTINUE bodies; a string that does not fit goes on in the next CONTINUE with
// its own flags byte in front of the remaining characters.
class SstBody {
  public:
    explicit SstBody(RecordWriter& writer) : writer_(writer) {}

    void begin(std::uint32_t total, std::uint32_t unique) { body_.u32(total).u32(unique); }

    Bucket add(const std::u16string& text) {
        const bool compressed = fitsOneByte(text);
        const std::size_t unit = compressed ? 1 : 2;
        if (room() < 3 + (text.empty() ? 0 : unit))
            flush();
        const Bucket start{static_cast<std::uint32_t>(writer_.position() + kHeaderSize + size()),
                           static_cast<std::uint16_t>(kHeaderSize + size())};
        body_.u16(static_cast<unsigned>(text.size())).u8(compressed ? 0 : 1);
        std::size_t done = 0;
        while (true) {
            const std::size_t count = std::min(text.size() - done, room() / unit);
            appendUnits(text, done, count, compressed);
            done += count;
            if (done == text.size())
                break;
            flush();
            body_.u8(compressed ? 0 : 1);
        }
        return start;
    }

    void flush() {
        writer_.record(first_ ? kSst : kContinue, body_);
        first_ = false;
        body_ = Payload();
    }

  private:
    std::size_t size() const { return body_.size(); }
    std::size_t room() const { return RecordWriter::kMaxBody - size(); }

    void appendUnits(const std::u16string& text, std::size_t from, std::size_t count,
                     bool compressed) {
        for (std::size_t i = from; i < from + count; ++i) {
            if (compressed)
                body_.u8(text[i]);
            else
                body_.u16(text[i]);
        }
    }

    RecordWriter& writer_;
    Payload body_;
    bool first_ = true;
};

}  // namespace

std::uint32_t SharedStrings::indexOf(const std::u16string& text) {
    ++references_;
    const auto [it, inserted] =
        indices_.try_emplace(text, static_cast<std::uint32_t>(order_.size()));
    if (inserted)
        order_.push_back(&it->first);
    return it->second;
}

void SharedStrings::write(RecordWriter& writer) const {
    const std::size_t perBucket =
        std::max<std::size_t>(8, (order_.size() + kMaxBuckets - 1) / kMaxBuckets);
    std::vector<Bucket> buckets;
    SstBody body(writer);
    body.begin(references_, static_cast<std::uint32_t>(order_.size()));
    for (std::size_t i = 0; i < order_.size(); ++i) {
        const Bucket start = body.add(*order_[i]);
        if (i % perBucket == 0)
            buckets.push_back(start);
    }
    body.flush();
    Payload extSst;
    extSst.u16(static_cast<unsigned>(perBucket));
    for (const Bucket& bucket : buckets)
        extSst.u32(bucket.streamOffset).u16(bucket.recordOffset).u16(0);
    writer.record(kExtSst, extSst);
}

}  // namespace tobrel::exchange::xls
