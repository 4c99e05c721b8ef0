#include "engine/utf8_case_fold.h"

#include "engine/char_set.h"

namespace wendax {

// Lead bytes 0xC2-0xD3 begin the two-byte forms of U+0080-U+04FF, the folding blocks above
// ASCII; a continuation byte never looks like one of them or like ASCII.
void FoldUtf8Case(std::string_view text, std::string& out) {
    out.resize(text.size());
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size;) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out[i++] = b >= 'a' && b <= 'z' ? static_cast<char>(b - 32) : static_cast<char>(b);
            continue;
        }
        const bool pair = b >= 0xC2 && b <= 0xD3 && i + 1 < size &&
                          (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80;
        if (!pair) {
            out[i] = text[i];
            ++i;
            continue;
        }
        const char32_t code =
            (char32_t{b} & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
        const char32_t upper = UpperCaseCode(code);
        const bool same = upper < 0x80 || upper >= 0x800;
        out[i] = same ? text[i] : static_cast<char>(0xC0 | (upper >> 6));
        out[i + 1] = same ? text[i + 1] : static_cast<char>(0x80 | (upper & 0x3F));
        i += 2;
    }
}

}  // namespace wendax
