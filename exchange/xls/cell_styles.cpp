#include "exchange/xls/cell_styles.hpp"

#include <algorithm>
#include <stdexcept>

#include "exchange/xls/utf16.hpp"

namespace tobrel::exchange::xls {

namespace {

constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kPalette = 0x0092;

// The format reserves palette indices 8..63 for the workbook's own colours.
constexpr std::uint16_t kFirstColour = 8;
constexpr std::size_t kPaletteSize = 56;
constexpr unsigned kAutoForeground = 64;
constexpr unsigned kAutoBackground = 65;
// Font index 4 does not exist in the format; the first four are the workbook's defaults.
constexpr std::uint16_t kDefaultFontCount = 4;
constexpr std::uint16_t kBuiltInFormatCount = 16;
constexpr unsigned kThin = 1;

// Every cell is looked up, so the family, the one costly field, is compared last.
bool sameFont(const sheet::CellFont& a, const sheet::CellFont& b) {
    return a.pointSize == b.pointSize && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut && a.colour == b.colour &&
           a.family == b.family;
}

bool sameLook(const sheet::CellLook& a, const sheet::CellLook& b) {
    return a.fill == b.fill && a.horizontal == b.horizontal && a.vertical == b.vertical &&
           sameFont(a.font, b.font);
}

unsigned horizontalCode(sheet::HorizontalAlignment alignment) {
    switch (alignment) {
        case sheet::HorizontalAlignment::Left:
            return 1;
        case sheet::HorizontalAlignment::Centre:
            return 2;
        case sheet::HorizontalAlignment::Right:
            return 3;
    }
    return 0;
}

unsigned verticalCode(sheet::VerticalAlignment alignment) {
    switch (alignment) {
        case sheet::VerticalAlignment::Top:
            return 0;
        case sheet::VerticalAlignment::Middle:
            return 1;
        case sheet::VerticalAlignment::Bottom:
            return 2;
    }
    return 2;
}

void writeFont(RecordWriter& writer, const sheet::CellFont& font, unsigned colour) {
    Payload body;
    body.u16(static_cast<unsigned>(font.pointSize * 20))
        // Bit 0 repeats the weight for readers that look only at it.
        .u16((font.bold ? 0x01 : 0) | (font.italic ? 0x02 : 0) | (font.strikeOut ? 0x08 : 0))
        .u16(colour)
        .u16(font.bold ? 700 : 400)
        .u16(0)
        .u8(font.underline ? 1 : 0)
        .u8(0)
        .u8(0)
        .u8(0)
        .shortUnicodeString(utf16FromUtf8(font.family));
    writer.record(kFont, body);
}

// The fifteen style formats and the default cell format every workbook starts with.
void writeBuiltInFormats(RecordWriter& writer) {
    for (std::uint16_t i = 0; i < kBuiltInFormatCount; ++i) {
        const bool cellFormat = i == kBuiltInFormatCount - 1;
        const unsigned font = (i == 1 || i == 2) ? 1 : (i == 3 || i == 4) ? 2 : 0;
        Payload body;
        body.u16(cellFormat ? 0 : font)
            .u16(0)
            .u16(cellFormat ? 0x0001 : 0xFFF5)
            .u8(0x20)
            .u8(0)
            .u8(0)
            .u8(i == 0 || cellFormat ? 0x00 : 0xF4)
            .u32(0)
            .u32(0)
            .u16(kAutoForeground | (kAutoBackground << 7));
        writer.record(kXf, body);
    }
}

}  // namespace

std::uint16_t CellStyles::colourIndexOf(const sheet::Rgb& colour) {
    const auto it = std::find(palette_.begin(), palette_.end(), colour);
    if (it != palette_.end())
        return static_cast<std::uint16_t>(kFirstColour + (it - palette_.begin()));
    if (palette_.size() == kPaletteSize)
        throw std::length_error("more colours than the workbook palette holds");
    palette_.push_back(colour);
    return static_cast<std::uint16_t>(kFirstColour + palette_.size() - 1);
}

std::uint16_t CellStyles::fontIndexOf(const sheet::CellFont& font) {
    const auto same = [&](const sheet::CellFont& f) { return sameFont(f, font); };
    auto it = std::find_if(fonts_.begin(), fonts_.end(), same);
    if (it == fonts_.end()) {
        colourIndexOf(font.colour);
        fonts_.push_back(font);
        it = fonts_.end() - 1;
    }
    return static_cast<std::uint16_t>(kDefaultFontCount + 1 + (it - fonts_.begin()));
}

std::uint16_t CellStyles::formatIndexOf(const sheet::CellLook& look) {
    const auto same = [&](const Format& f) { return sameLook(f.look, look); };
    auto it = std::find_if(formats_.begin(), formats_.end(), same);
    if (it == formats_.end()) {
        const std::uint16_t font = fontIndexOf(look.font);
        const std::uint16_t fill = colourIndexOf(look.fill);
        const std::uint16_t border = colourIndexOf(sheet::kGridLine);
        formats_.push_back({look, font, fill, border});
        it = formats_.end() - 1;
    }
    return static_cast<std::uint16_t>(kBuiltInFormatCount + (it - formats_.begin()));
}

void CellStyles::write(RecordWriter& writer) const {
    Payload palette;
    palette.u16(kPaletteSize);
    for (std::size_t i = 0; i < kPaletteSize; ++i) {
        const sheet::Rgb colour = i < palette_.size() ? palette_[i] : sheet::Rgb{255, 255, 255};
        palette.u8(colour.red).u8(colour.green).u8(colour.blue).u8(0);
    }
    writer.record(kPalette, palette);
    writeFonts(writer);
    writeFormats(writer);
    Payload normalStyle;
    normalStyle.u16(0x8000).u8(0).u8(0xFF);
    writer.record(kStyle, normalStyle);
}

void CellStyles::writeFonts(RecordWriter& writer) const {
    const sheet::CellFont workbookDefault{"Arial", 10, false, false, false, false, {}};
    for (std::uint16_t i = 0; i < kDefaultFontCount; ++i)
        writeFont(writer, workbookDefault, 0x7FFF);
    for (const auto& font : fonts_) {
        const auto colour = std::find(palette_.begin(), palette_.end(), font.colour);
        writeFont(writer, font, static_cast<unsigned>(kFirstColour + (colour - palette_.begin())));
    }
}

void CellStyles::writeFormats(RecordWriter& writer) const {
    writeBuiltInFormats(writer);
    for (const auto& format : formats_) {
        // White is the sheet's own background: such cells keep no pattern, so grid lines show.
        const bool filled = !(format.look.fill == sheet::Rgb{255, 255, 255});
        const unsigned b = format.borderColour;
        Payload body;
        body.u16(format.font)
            .u16(0)
            .u16(0x0001)
            .u8(horizontalCode(format.look.horizontal) | (verticalCode(format.look.vertical) << 4))
            .u8(0)
            .u8(0)
            .u8(0xF8)
            .u32(kThin | (kThin << 4) | (kThin << 8) | (kThin << 12) | (b << 16) | (b << 23))
            .u32(b | (b << 7) | ((filled ? 1u : 0u) << 26))
            .u16((filled ? format.fillColour : kAutoForeground) | (kAutoBackground << 7));
        writer.record(kXf, body);
    }
}

}  // namespace tobrel::exchange::xls
