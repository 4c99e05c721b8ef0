#include "platform/qt/char_table.h"

#include <array>

#include "engine/eight_bit_table.h"

namespace wendax {

namespace {

constexpr char16_t kControlPictures = 0x2400;  // picture of NUL; SOH is +1 and so on
constexpr char16_t kDeletePicture = 0x2421;

char16_t CharOf(int byte) {
    if (byte < 0x20) return static_cast<char16_t>(kControlPictures + byte);
    if (byte == 0x7F) return kDeletePicture;
    return static_cast<char16_t>(EightBitChar(static_cast<std::uint8_t>(byte)));
}

std::array<char16_t, 256> MakeTable() {
    std::array<char16_t, 256> table{};
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = CharOf(byte);
    return table;
}

const std::array<char16_t, 256> kTable = MakeTable();

QChar PlainCharOf(std::uint8_t byte) {
    const bool control = byte < 0x20 || byte == 0x7F;
    return control ? QChar(byte) : QChar(ByteToChar(byte));
}

}  // namespace

char16_t ByteToChar(std::uint8_t byte) {
    return kTable[byte];
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

QString ToPlainText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        text.append(PlainCharOf(static_cast<std::uint8_t>(bytes[i])));
    }
    return text;
}

}  // namespace wendax
