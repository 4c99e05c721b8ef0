// One entry of a command table: a key sequence of one or two keys and its command.
#pragma once

#include <cstdint>

#include "base/command_codes.h"
#include "platform/virtual_keys.h"

namespace wendax {

// In Shift2 only: the second key matches when typed with no modifier or with Ctrl alone.
inline constexpr std::uint8_t ksNoneOrCtrl = 0x80;

// Six bytes in this order. Key2 = 0 makes a one-key sequence (Shift2 is then 0 too).
struct CommandRec {
    std::uint8_t Key1 = 0;
    std::uint8_t Shift1 = 0;
    std::uint8_t Key2 = 0;
    std::uint8_t Shift2 = 0;
    TCommandCode Cmd = ccNone;

    // The four key bytes as one number: Key1 + Shift1 x 256 + Key2 x 65536 + Shift2 x 2^24.
    constexpr std::uint32_t KeySequence() const {
        return Key1 | (std::uint32_t{Shift1} << 8) | (std::uint32_t{Key2} << 16) |
               (std::uint32_t{Shift2} << 24);
    }

    static constexpr CommandRec FromSequence(std::uint32_t sequence, TCommandCode cmd) {
        return {static_cast<std::uint8_t>(sequence), static_cast<std::uint8_t>(sequence >> 8),
                static_cast<std::uint8_t>(sequence >> 16),
                static_cast<std::uint8_t>(sequence >> 24), cmd};
    }

    constexpr bool SameSequence(const CommandRec& other) const {
        return KeySequence() == other.KeySequence();
    }

    friend constexpr bool operator==(const CommandRec&, const CommandRec&) = default;
};

static_assert(sizeof(CommandRec) == 6);

}  // namespace wendax
