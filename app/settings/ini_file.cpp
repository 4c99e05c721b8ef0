#include "app/settings/ini_file.h"

#include <algorithm>
#include <charconv>

namespace wendax {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

std::string_view Trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The name inside "[name]", or nothing when the line is not a section header.
std::optional<std::string_view> SectionHeader(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32 || c == 127;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty()) return false;
    return value.front() == '"' || Trim(value).size() != value.size() ||
           std::ranges::any_of(value, IsControl);
}

std::string QuoteValue(std::string_view value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (IsControl(c) || c == ']') {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The value inside a quoted text as QuoteValue writes it, or nothing when `text` is not
// one (then it is a value as it stands).
std::optional<std::string> UnquoteValue(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') return std::nullopt;
        if (text[i] != '\\') {
            value += text[i];
        } else if (i + 1 < text.size() && (text[i + 1] == '"' || text[i + 1] == '\\')) {
            value += text[++i];
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            value += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return value;
}

template <typename T>
std::optional<T> ParseWhole(std::string_view text, int base) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// The line of a key as the file holds it. Behind a key that begins with '[' a ']' of the
// value would make the line a section header, so such a value is quoted too, its ']'
// escaped.
std::string KeyLine(std::string_view key, std::string_view value) {
    const bool bracketed = key.starts_with('[') && value.find(']') != std::string_view::npos;
    const bool quoted = bracketed || NeedsQuotes(value);
    return std::string(key) + "=" + (quoted ? QuoteValue(value) : std::string(value)) + "\n";
}

}  // namespace

TIniFile TIniFile::Parse(std::string_view text) {
    TIniFile ini;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ini.AddLine(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return ini;
}

void TIniFile::AddLine(std::string_view line) {
    if (const auto name = SectionHeader(line)) {
        FSections.push_back(TSection{std::string(*name), {}});
        return;
    }
    const auto equals = line.find('=');
    const std::string_view key = Trim(line.substr(0, equals));
    if (equals == std::string_view::npos || key.empty() || key.front() == ';') {
        // Written back with a line feed only, a carriage return at the end would be taken
        // for part of a CR LF line end on the next reading.
        while (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        FSections.back().Lines.push_back(TLine{{}, {}, std::string(line)});
        return;
    }
    const std::string_view value = Trim(line.substr(equals + 1));
    FSections.back().Lines.push_back(
        TLine{std::string(key), UnquoteValue(value).value_or(std::string(value)), {}});
}

std::string TIniFile::Text() const {
    std::string text;
    for (const TSection& section : FSections) {
        if (&section != &FSections.front()) text += "[" + section.Name + "]\n";
        for (const TLine& line : section.Lines)
            text += line.Key.empty() ? line.Raw + "\n" : KeyLine(line.Key, line.Value);
    }
    return text;
}

TIniFile::TSection* TIniFile::FindSection(std::string_view name) {
    const auto found = std::find_if(FSections.begin() + 1, FSections.end(),
                                    [&](const TSection& s) { return SameName(s.Name, name); });
    return found == FSections.end() ? nullptr : &*found;
}

const TIniFile::TSection* TIniFile::FindSection(std::string_view name) const {
    return const_cast<TIniFile*>(this)->FindSection(name);
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const {
    const TSection* found = FindSection(section);
    if (found == nullptr) return std::nullopt;
    for (const TLine& line : found->Lines)
        if (!line.Key.empty() && SameName(line.Key, key)) return line.Value;
    return std::nullopt;
}

void TIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    TSection* found = FindSection(section);
    if (found == nullptr) {
        FSections.push_back(TSection{std::string(section), {}});
        found = &FSections.back();
    }
    for (TLine& line : found->Lines) {
        if (!line.Key.empty() && SameName(line.Key, key)) {
            line.Value = value;
            return;
        }
    }
    // A new key goes after the section's last key, ahead of trailing blank lines.
    auto at = found->Lines.end();
    while (at != found->Lines.begin() && std::prev(at)->Key.empty() &&
           Trim(std::prev(at)->Raw).empty())
        --at;
    found->Lines.insert(at, TLine{std::string(key), std::string(value), {}});
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto bits = ParseWhole<std::uint32_t>(text.substr(2), 16);
        if (!bits) return std::nullopt;
        return static_cast<std::int32_t>(*bits);
    }
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    return ParseWhole<std::int32_t>(text, 10);
}

std::string ReadIniString(const TIniFile& ini, std::string_view section, std::string_view key,
                          std::string_view defaultValue) {
    const auto value = ini.Read(section, key);
    return std::string(value ? *value : defaultValue).substr(0, kIniReadLimit);
}

std::int32_t ReadIniInteger(const TIniFile& ini, std::string_view section, std::string_view key,
                            std::int32_t defaultValue) {
    const auto value = ini.Read(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool ReadIniBool(const TIniFile& ini, std::string_view section, std::string_view key,
                 bool defaultValue) {
    return ReadIniInteger(ini, section, key, defaultValue ? 1 : 0) != 0;
}

void WriteIniInteger(TIniFile& ini, std::string_view section, std::string_view key,
                     std::int32_t value) {
    ini.Write(section, key, std::to_string(value));
}

void WriteIniBool(TIniFile& ini, std::string_view section, std::string_view key, bool value) {
    ini.Write(section, key, value ? "1" : "0");
}

}  // namespace wendax
