#include "key_notation.h"

#include <gtest/gtest.h>

#include <map>

#include "base/library_messages.h"

namespace wendax::testkit {

namespace {

std::uint8_t ParseKeyName(std::string_view name) {
    static const std::map<std::string_view, std::uint8_t> named = {
        {"Backspace", vkBack}, {"Tab", vkTab},         {"Enter", vkReturn},      {"Shift", vkShift},
        {"Ctrl", vkControl},   {"Alt", vkMenu},        {"CapsLock", vkCapital},  {"PgUp", vkPrior},
        {"PgDn", vkNext},      {"End", vkEnd},         {"Home", vkHome},         {"Left", vkLeft},
        {"Up", vkUp},          {"Right", vkRight},     {"Down", vkDown},         {"Ins", vkInsert},
        {"Del", vkDelete},     {"NumLock", vkNumLock}, {"ScrollLock", vkScroll}, {"F2", vkF(2)},
        {"F3", vkF(3)},        {"F5", vkF(5)},
    };
    if (const auto it = named.find(name); it != named.end()) return it->second;
    EXPECT_EQ(name.size(), 1u) << "unknown key " << name;
    return static_cast<std::uint8_t>(name.empty() ? 0 : name[0]);
}

}  // namespace

TKeyMessage ParseKey(std::string_view text) {
    TKeyMessage key;
    for (;;) {
        const auto plus = text.find('+', 1);
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = text.substr(0, plus);
        if (modifier == "Ctrl") key.Shift |= ksCtrl;
        if (modifier == "Shift") key.Shift |= ksShift;
        if (modifier == "Alt") key.Shift |= ksAlt;
        text.remove_prefix(plus + 1);
    }
    key.Key = ParseKeyName(text);
    return key;
}

TCommandCode ParseCommand(std::string_view name) {
    for (int code = 0; code <= ccLastNamedCommand; ++code) {
        if (CommandName(code) == name) return static_cast<TCommandCode>(code);
    }
    ADD_FAILURE() << "unknown command " << name;
    return ccNone;
}

CommandRec ParseEntry(std::string_view text) {
    const auto blank = text.rfind(' ');
    const std::string_view keys = text.substr(0, blank);
    CommandRec entry;
    entry.Cmd = ParseCommand(text.substr(blank + 1));
    const auto comma = keys.find(',');
    const TKeyMessage first = ParseKey(keys.substr(0, comma));
    entry.Key1 = first.Key;
    entry.Shift1 = first.Shift;
    if (comma != std::string_view::npos) {
        entry.Key2 = ParseKey(keys.substr(comma + 1)).Key;
        entry.Shift2 = ksNoneOrCtrl;
    }
    return entry;
}

std::vector<CommandRec> ParseEntries(std::string_view text) {
    std::vector<CommandRec> entries;
    while (!text.empty()) {
        const auto end = text.find("; ");
        entries.push_back(ParseEntry(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
    }
    return entries;
}

}  // namespace wendax::testkit
