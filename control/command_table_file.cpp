// The text file form of one command table (TOvcCommandTable::LoadTableFromFile and
// SaveTableToFile). Lines end with a line feed; a carriage return before it is ignored
// when reading, and blank lines between entries are skipped.
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <limits>
#include <string_view>

#include "control/command_table.h"
#include "platform/services.h"

namespace wendax {

namespace {

std::string ReadWholeFile(const std::string& fileName) {
    auto reader = Platform().Files().OpenRead(fileName);
    std::string text;
    char buffer[8192];
    while (const std::size_t n = reader->Read(buffer, sizeof buffer))
        text.append(buffer, n);
    return text;
}

[[noreturn]] void FailLine(const std::string& fileName, int lineNumber) {
    throw EInOutError(
        "Invalid numeric format in \"" + fileName + "\", line " + std::to_string(lineNumber),
        EINVAL);
}

// Splits off the next line (without its line feed and a carriage return before it).
std::string_view NextLine(std::string_view& text) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Reads the next whitespace-separated decimal number of at most `maximum` from `line`;
// false when there is none or it is malformed or out of range.
bool NextNumber(std::string_view& line, unsigned maximum, unsigned& value) {
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    std::size_t length = 0;
    while (length < line.size() && !IsBlank(line[length]))
        ++length;
    const std::string_view token = line.substr(0, length);
    line.remove_prefix(length);
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return !token.empty() && error == std::errc{} && end == token.data() + token.size() &&
           value <= maximum;
}

bool IsBlankLine(std::string_view line) {
    for (const char c : line) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

// One entry line: exactly five numbers, the keys and shifts bytes and the command a word.
bool ParseEntry(std::string_view line, CommandRec& entry) {
    unsigned k1, s1, k2, s2, cmd;
    const bool ok = NextNumber(line, 255, k1) && NextNumber(line, 255, s1) &&
                    NextNumber(line, 255, k2) && NextNumber(line, 255, s2) &&
                    NextNumber(line, std::numeric_limits<TCommandCode>::max(), cmd);
    if (!ok || !IsBlankLine(line)) return false;
    entry = {static_cast<std::uint8_t>(k1), static_cast<std::uint8_t>(s1),
             static_cast<std::uint8_t>(k2), static_cast<std::uint8_t>(s2),
             static_cast<TCommandCode>(cmd)};
    return true;
}

std::string FormatEntry(const CommandRec& e) {
    char line[40];
    std::snprintf(line, sizeof line, "%4u%4u%4u%4u%6u\n", unsigned{e.Key1}, unsigned{e.Shift1},
                  unsigned{e.Key2}, unsigned{e.Shift2}, unsigned{e.Cmd});
    return line;
}

}  // namespace

void TOvcCommandTable::LoadTableFromFile(const std::string& fileName) {
    const std::string text = ReadWholeFile(fileName);
    std::string_view rest = text;
    const std::string name(NextLine(rest));
    std::vector<CommandRec> entries;
    for (int lineNumber = 2; !rest.empty(); ++lineNumber) {
        const std::string_view line = NextLine(rest);
        if (IsBlankLine(line)) continue;
        if (!ParseEntry(line, entries.emplace_back())) FailLine(fileName, lineNumber);
    }
    FName = name;
    FEntries = std::move(entries);
}

void TOvcCommandTable::SaveTableToFile(const std::string& fileName) const {
    if (FName.find_first_of("\r\n") != std::string::npos) {
        throw EInOutError("The table name \"" + FName + "\" holds a line break", EINVAL);
    }
    auto file = Platform().Files().Replace(fileName);
    file->Write(FName + "\n");
    for (const CommandRec& entry : FEntries)
        file->Write(FormatEntry(entry));
    file->Commit("");
}

}  // namespace wendax
