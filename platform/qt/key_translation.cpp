#include "platform/qt/key_translation.h"

#include <algorithm>
#include <array>
#include <utility>

#include <QGuiApplication>

#include "platform/qt/char_table.h"
#include "platform/virtual_keys.h"

namespace wendax {

namespace {

// Numbers the library has no name for, used for keys beyond its command tables.
enum : std::uint8_t {
    vkClear = 12,
    vkPrintScreen = 44,
    vkHelp = 47,
    vkContextMenu = 93,
    vkNumpad0 = 96,
    vkMultiply = 106,
    vkAdd = 107,
    vkSubtract = 109,
    vkDecimal = 110,
    vkDivide = 111,
    vkSemicolon = 0xBA,
    vkEquals = 0xBB,
    vkComma = 0xBC,
    vkMinus = 0xBD,
    vkPeriod = 0xBE,
    vkSlash = 0xBF,
    vkBackQuote = 0xC0,
    vkOpenBracket = 0xDB,
    vkBackslash = 0xDC,
    vkCloseBracket = 0xDD,
    vkQuote = 0xDE,
};

using TKeyPair = std::pair<int, std::uint8_t>;

// Keys whose number does not follow from a range.
constexpr std::array<TKeyPair, 45> kNamedKeys = {{
    {Qt::Key_Backspace, vkBack},
    {Qt::Key_Tab, vkTab},
    {Qt::Key_Backtab, vkTab},
    {Qt::Key_Return, vkReturn},
    {Qt::Key_Enter, vkReturn},
    {Qt::Key_Shift, vkShift},
    {Qt::Key_Control, vkControl},
    {Qt::Key_Alt, vkMenu},
    {Qt::Key_AltGr, vkMenu},
    {Qt::Key_Pause, vkPause},
    {Qt::Key_CapsLock, vkCapital},
    {Qt::Key_Escape, vkEscape},
    {Qt::Key_Space, vkSpace},
    {Qt::Key_PageUp, vkPrior},
    {Qt::Key_PageDown, vkNext},
    {Qt::Key_End, vkEnd},
    {Qt::Key_Home, vkHome},
    {Qt::Key_Left, vkLeft},
    {Qt::Key_Up, vkUp},
    {Qt::Key_Right, vkRight},
    {Qt::Key_Down, vkDown},
    {Qt::Key_Insert, vkInsert},
    {Qt::Key_Delete, vkDelete},
    {Qt::Key_NumLock, vkNumLock},
    {Qt::Key_ScrollLock, vkScroll},
    {Qt::Key_Clear, vkClear},
    {Qt::Key_Print, vkPrintScreen},
    {Qt::Key_Help, vkHelp},
    {Qt::Key_Menu, vkContextMenu},
    {Qt::Key_Semicolon, vkSemicolon},
    {Qt::Key_Colon, vkSemicolon},
    {Qt::Key_Equal, vkEquals},
    {Qt::Key_Plus, vkEquals},
    {Qt::Key_Comma, vkComma},
    {Qt::Key_Less, vkComma},
    {Qt::Key_Minus, vkMinus},
    {Qt::Key_Underscore, vkMinus},
    {Qt::Key_Period, vkPeriod},
    {Qt::Key_Greater, vkPeriod},
    {Qt::Key_Slash, vkSlash},
    {Qt::Key_Question, vkSlash},
    {Qt::Key_QuoteLeft, vkBackQuote},
    {Qt::Key_BracketLeft, vkOpenBracket},
    {Qt::Key_Backslash, vkBackslash},
    {Qt::Key_BracketRight, vkCloseBracket},
}};

// Keys of the US layout that Shift makes of the brackets, quote and digits.
constexpr std::array<TKeyPair, 16> kShiftedKeys = {{
    {Qt::Key_AsciiTilde, vkBackQuote},
    {Qt::Key_BraceLeft, vkOpenBracket},
    {Qt::Key_Bar, vkBackslash},
    {Qt::Key_BraceRight, vkCloseBracket},
    {Qt::Key_Apostrophe, vkQuote},
    {Qt::Key_QuoteDbl, vkQuote},
    {Qt::Key_ParenRight, vkDigit(0)},
    {Qt::Key_Exclam, vkDigit(1)},
    {Qt::Key_At, vkDigit(2)},
    {Qt::Key_NumberSign, vkDigit(3)},
    {Qt::Key_Dollar, vkDigit(4)},
    {Qt::Key_Percent, vkDigit(5)},
    {Qt::Key_AsciiCircum, vkDigit(6)},
    {Qt::Key_Ampersand, vkDigit(7)},
    {Qt::Key_Asterisk, vkDigit(8)},
    {Qt::Key_ParenLeft, vkDigit(9)},
}};

std::uint8_t Lookup(const auto& table, int qtKey) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [qtKey](const TKeyPair& pair) { return pair.first == qtKey; });
    return it == table.end() ? 0 : it->second;
}

// The digit of the top-row key with this scan code (Linux key codes 10-19 are 1..9, 0), where
// the window system reports scan codes; -1 otherwise.
int TopRowDigit(std::uint32_t nativeScanCode) {
    if (nativeScanCode < 10 || nativeScanCode > 19) return -1;
    const QString system = QGuiApplication::platformName();
    if (system != QLatin1String("xcb") && system != QLatin1String("wayland")) return -1;
    return static_cast<int>((nativeScanCode - 9) % 10);
}

std::uint8_t KeypadKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vkNumpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Asterisk:
            return vkMultiply;
        case Qt::Key_Plus:
            return vkAdd;
        case Qt::Key_Minus:
            return vkSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vkDecimal;
        case Qt::Key_Slash:
            return vkDivide;
        default:
            return 0;
    }
}

}  // namespace

std::uint8_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers,
                          std::uint32_t nativeScanCode) {
    if (modifiers & Qt::KeypadModifier) {
        if (const std::uint8_t key = KeypadKeyOf(qtKey)) return key;
    }
    if (const int digit = TopRowDigit(nativeScanCode); digit >= 0) return vkDigit(digit);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::uint8_t>(qtKey);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return vkDigit(qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vkF(qtKey - Qt::Key_F1 + 1);
    if (const std::uint8_t key = Lookup(kNamedKeys, qtKey)) return key;
    return Lookup(kShiftedKeys, qtKey);
}

std::uint8_t ShiftBitsOf(Qt::KeyboardModifiers modifiers) {
    std::uint8_t bits = ksNone;
    if (modifiers & Qt::ShiftModifier) bits |= ksShift;
    if (modifiers & Qt::ControlModifier) bits |= ksCtrl;
    if (modifiers & Qt::AltModifier) bits |= ksAlt;
    return bits;
}

std::u32string TypedChars(const QString& text, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::AltModifier) return {};
    const bool ctrl = (modifiers & Qt::ControlModifier) != 0;
    std::u32string typed;
    for (const char32_t ch : text.toUcs4()) {
        const bool controlTwin = ch >= 0x40 && ch < 0x7F;
        if (ch == 0x7F || (ctrl && ch >= 0x20 && !controlTwin)) continue;
        const char32_t code = ctrl && controlTwin ? ch & 0x1F : ch;
        if (code != 0) typed.push_back(code);
    }
    return typed;
}

}  // namespace wendax
