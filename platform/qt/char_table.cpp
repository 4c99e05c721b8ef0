#include "platform/qt/char_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace wendax {

namespace {

constexpr char16_t kControlPictures = 0x2400;  // picture of NUL; SOH is +1 and so on
constexpr char16_t kDeletePicture = 0x2421;

// Characters for 0x80-0x9F; the five bytes without a glyph keep their own number.
constexpr std::array<char16_t, 32> kHighControlRow = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t CharOf(int byte) {
    if (byte < 0x20) return static_cast<char16_t>(kControlPictures + byte);
    if (byte == 0x7F) return kDeletePicture;
    if (byte >= 0x80 && byte < 0xA0) return kHighControlRow[byte - 0x80];
    return static_cast<char16_t>(byte);
}

constexpr std::array<char16_t, 256> MakeTable() {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = CharOf(byte);
    return table;
}

constexpr std::array<char16_t, 256> kTable = MakeTable();

using TInverseEntry = std::pair<char16_t, std::uint8_t>;

// (character, byte) for every byte whose character differs from its number, sorted.
std::array<TInverseEntry, 256> MakeInverse() {
    std::array<TInverseEntry, 256> inverse{};
    for (int byte = 0; byte < 256; ++byte)
        inverse[byte] = {kTable[byte], static_cast<std::uint8_t>(byte)};
    std::sort(inverse.begin(), inverse.end());
    return inverse;
}

QChar PlainCharOf(std::uint8_t byte) {
    const bool control = byte < 0x20 || byte == 0x7F;
    return control ? QChar(byte) : QChar(ByteToChar(byte));
}

}  // namespace

char16_t ByteToChar(std::uint8_t byte) {
    return kTable[byte];
}

std::uint8_t CharToByte(char32_t ch) {
    static const std::array<TInverseEntry, 256> inverse = MakeInverse();
    if ((ch >= 0x01 && ch < 0x20) || ch == 0x7F) return static_cast<std::uint8_t>(ch);
    if (ch == 0 || ch > 0xFFFF) return '?';
    const auto it = std::lower_bound(inverse.begin(), inverse.end(),
                                     TInverseEntry{static_cast<char16_t>(ch), 0});
    if (it == inverse.end() || it->first != ch || it->second == 0) return '?';
    return it->second;
}

bool IsPictureByte(std::uint8_t byte) {
    return byte < 0x20 || byte == 0x7F || (byte >= 0x80 && byte < 0xA0 && kTable[byte] < 0xA0);
}

QString BytesToText(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(kTable[static_cast<std::uint8_t>(byte)]);
    return text;
}

std::string TextToBytes(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t ch = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        bytes.push_back(static_cast<char>(CharToByte(ch)));
    }
    return bytes;
}

QString ToPlainText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text.append(PlainCharOf(static_cast<std::uint8_t>(bytes[i])));
    }
    return text;
}

std::string FromPlainText(QStringView text) {
    const qsizetype nul = text.indexOf(QChar(0));
    const std::string plain = TextToBytes(nul < 0 ? text : text.first(nul));
    std::string bytes;
    bytes.reserve(plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        if (c == '\r' && i + 1 < plain.size() && plain[i + 1] == '\n') ++i;
        if (c == '\r' || c == '\n')
            bytes += "\r\n";
        else
            bytes.push_back(c);
    }
    return bytes;
}

}  // namespace wendax
