// Test helpers that write key sequences and commands the way people name them:
// "Ctrl+Shift+PgUp", "Ctrl+Q,S" (second key typed with or without Ctrl), "ccHome".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "control/command_rec.h"
#include "platform/virtual_keys.h"

namespace wendax::testkit {

// One key with modifiers: "Left", "Ctrl+Z", "Alt+Backspace", "F2", "7".
TKeyMessage ParseKey(std::string_view text);

// The command code whose display name is `name`; fails the test for an unknown name.
TCommandCode ParseCommand(std::string_view name);

// "Ctrl+Q,S ccHome": a two-key entry with Shift2 ksNoneOrCtrl, or a one-key entry.
CommandRec ParseEntry(std::string_view text);

// Entries separated by "; ".
std::vector<CommandRec> ParseEntries(std::string_view text);

}  // namespace wendax::testkit
