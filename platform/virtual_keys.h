// Virtual-key numbers and modifier bits as the command tables store them. The platform
// layers translate their own key events into these numbers.
#pragma once

#include <cstdint>

namespace wendax {

enum TVirtualKey : std::uint8_t {
    vkBack = 8,
    vkTab = 9,
    vkReturn = 13,
    vkShift = 16,
    vkControl = 17,
    vkMenu = 18,  // Alt
    vkPause = 19,
    vkCapital = 20,  // Caps Lock
    vkEscape = 27,
    vkSpace = 32,
    vkPrior = 33,  // Page Up
    vkNext = 34,   // Page Down
    vkEnd = 35,
    vkHome = 36,
    vkLeft = 37,
    vkUp = 38,
    vkRight = 39,
    vkDown = 40,
    vkInsert = 45,
    vkDelete = 46,
    vk0 = 48,  // digits 48..57, letters 65..90 ('A'..'Z')
    vkA = 65,
    vkF1 = 112,  // F1..F24 are 112..135
    vkNumLock = 144,
    vkScroll = 145,
};

constexpr std::uint8_t vkDigit(int n) {
    return static_cast<std::uint8_t>(vk0 + n);
}
constexpr std::uint8_t vkLetter(char upper) {
    return static_cast<std::uint8_t>(upper);
}
constexpr std::uint8_t vkF(int n) {
    return static_cast<std::uint8_t>(vkF1 + n - 1);
}

// Modifier bits of a key event, as the command tables use them.
enum TKeyShift : std::uint8_t {
    ksNone = 0,
    ksShift = 2,
    ksCtrl = 4,
    ksAlt = 8,
};

// One key-down event: the key and the modifier bits held at that moment.
struct TKeyMessage {
    std::uint8_t Key = 0;
    std::uint8_t Shift = ksNone;
};

}  // namespace wendax
