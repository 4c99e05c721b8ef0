#include "engine/char_set_conversion.h"

#include "engine/eight_bit_table.h"

namespace wendax {

namespace {

std::int32_t Utf8Length(char32_t code) {
    if (code < 0x80) return 1;
    if (code < 0x800) return 2;
    return code < 0x10000 ? 3 : 4;
}

}  // namespace

bool ConvertText(TCharSet to, std::string_view text, std::string& out, TMissingChar& missing) {
    if (to == chUtf8) {
        out = EightBitToUtf8(text);
        return true;
    }
    if (Utf8ToEightBit(text, out, missing.Code)) return true;
    // The bytes before the missing character are its code points, one byte each.
    missing.Offset = static_cast<std::int32_t>(Utf8Size(out));
    missing.NotUtf8 = !DecodeUtf8(text, missing.Offset).Valid;
    return false;
}

std::int64_t Utf8Size(std::string_view text) {
    std::int64_t size = 0;
    for (const char byte : text)
        size += Utf8Length(EightBitChar(static_cast<std::uint8_t>(byte)));
    return size;
}

// Walks the converted bytes code point by code point, counting the bytes each took before.
std::int32_t ConvertedOffset(TCharSet to, std::string_view converted, std::int32_t offset) {
    const auto size = static_cast<std::int32_t>(converted.size());
    std::int32_t before = 0;
    std::int32_t at = 0;
    while (at < size) {
        std::int32_t oldBytes = 1;
        std::int32_t newBytes = 1;
        if (to == chUtf8) {
            newBytes = DecodeUtf8(converted, at).Bytes;
        } else {
            oldBytes = Utf8Length(EightBitChar(static_cast<std::uint8_t>(converted[at])));
        }
        if (before + oldBytes > offset) return at;
        before += oldBytes;
        at += newBytes;
    }
    return at + (offset - before);
}

}  // namespace wendax
