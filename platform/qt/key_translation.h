// Qt key events as the editor library sees them: virtual-key numbers, modifier bits and
// the bytes a key types.
#pragma once

#include <cstdint>
#include <string>

#include <QString>
#include <Qt>

namespace wendax {

// The virtual-key number of a Qt key, 0 for a key that has none. Digits are the keys of
// the top row also when Shift turns them into symbols (read from the physical key where
// the window system reports it, else from the symbols of the US layout); keypad digits and
// operators have numbers of their own, keypad navigation keys the ordinary ones.
std::uint8_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers,
                          std::uint32_t nativeScanCode = 0);

// The modifier bits (ksShift, ksCtrl, ksAlt) held in `modifiers`.
std::uint8_t ShiftBitsOf(Qt::KeyboardModifiers modifiers);

// The characters (code points) typed by a key press with `text`, except that DEL is never
// typed, and that with Ctrl held a character from A to ~ types its control code (a letter
// its Ctrl+letter code) and any other printable character nothing. Alt-held keys type
// nothing; NUL is never typed.
std::u32string TypedChars(const QString& text, Qt::KeyboardModifiers modifiers);

}  // namespace wendax
