#include "batch/utf8.hpp"

namespace tobrel::batch {

namespace {

// The number of continuation bytes a lead byte announces, or -1 for a byte that cannot lead.
int continuationCount(unsigned char lead) {
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}

}  // namespace

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int count = continuationCount(lead);
        if (count < 0 || text.size() - i <= static_cast<std::size_t>(count))
            return false;
        char32_t code = count == 0 ? lead : lead & (0x3F >> count);
        for (int k = 1; k <= count; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[count] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(count) + 1;
    }
    return true;
}

}  // namespace tobrel::batch
