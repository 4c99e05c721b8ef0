#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/qt/key_translation.h"
#include "platform/virtual_keys.h"

namespace wendax {
namespace {

TEST(QtKeyTranslation, LettersDigitsAndFunctionKeysTakeTheirNumbers) {
    for (int i = 0; i < 26; ++i)
        EXPECT_EQ(VirtualKeyOf(Qt::Key_A + i, {}), 65 + i);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(VirtualKeyOf(Qt::Key_0 + i, {}), 48 + i);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(VirtualKeyOf(Qt::Key_F1 + i, {}), 112 + i);
}

TEST(QtKeyTranslation, NavigationEditingAndModifierKeysTakeTheirNumbers) {
    const std::vector<std::pair<int, int>> keys = {
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},     {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},     {Qt::Key_Backspace, 8},
        {Qt::Key_Tab, 9},       {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},   {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},
        {Qt::Key_CapsLock, 20}, {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    };
    for (const auto& [qtKey, number] : keys)
        EXPECT_EQ(VirtualKeyOf(qtKey, {}), number) << qtKey;
}

TEST(QtKeyTranslation, ShiftedDigitsAreTheirDigitKeys) {
    const int symbols[] = {Qt::Key_ParenRight,  Qt::Key_Exclam,    Qt::Key_At,
                           Qt::Key_NumberSign,  Qt::Key_Dollar,    Qt::Key_Percent,
                           Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                           Qt::Key_ParenLeft};
    for (int digit = 0; digit < 10; ++digit)
        EXPECT_EQ(VirtualKeyOf(symbols[digit], Qt::ShiftModifier), vkDigit(digit));
}

TEST(QtKeyTranslation, KeypadDigitsHaveOwnNumbersAndKeypadNavigationTheUsualOnes) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_5, Qt::KeypadModifier), 101);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Home, Qt::KeypadModifier), vkHome);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter, Qt::KeypadModifier), vkReturn);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Launch0, {}), 0);
}

TEST(QtKeyTranslation, EveryModifierCombinationGivesItsBits) {
    for (int mask = 0; mask < 8; ++mask) {
        Qt::KeyboardModifiers modifiers = Qt::KeypadModifier;
        int bits = 0;
        if (mask & 1) modifiers |= Qt::ShiftModifier, bits |= ksShift;
        if (mask & 2) modifiers |= Qt::ControlModifier, bits |= ksCtrl;
        if (mask & 4) modifiers |= Qt::AltModifier, bits |= ksAlt;
        EXPECT_EQ(ShiftBitsOf(modifiers), bits) << mask;
    }
}

TEST(QtKeyTranslation, TypedTextIsItsCodePoints) {
    EXPECT_EQ(TypedChars(QString::fromUtf8("a€é"), {}), U"a€é");
    EXPECT_EQ(TypedChars(QString::fromUtf8("\xF0\x9F\x98\x80"), {}), U"\U0001F600");
    EXPECT_EQ(TypedChars("\r", {}), U"\r");
    EXPECT_EQ(TypedChars("\x7F", {}), U"");
}

TEST(QtKeyTranslation, CtrlTypesControlBytesOnlyAndAltTypesNothing) {
    EXPECT_EQ(TypedChars("q", Qt::ControlModifier), U"\x11");
    EXPECT_EQ(TypedChars("Q", Qt::ControlModifier | Qt::ShiftModifier), U"\x11");
    EXPECT_EQ(TypedChars("\x11", Qt::ControlModifier), U"\x11");
    EXPECT_EQ(TypedChars("[", Qt::ControlModifier), U"\x1B");
    EXPECT_EQ(TypedChars("1", Qt::ControlModifier), U"");
    EXPECT_EQ(TypedChars("@", Qt::ControlModifier), U"");
    EXPECT_EQ(TypedChars(QString::fromUtf8("é"), Qt::ControlModifier), U"");
    EXPECT_EQ(TypedChars("x", Qt::AltModifier), U"");
}

}  // namespace
}  // namespace wendax
