// An INI-style text file held in memory: sections of "key=value" lines. Reading and
// writing follow the profile rules the settings file has always had: section and key
// names match without regard to ASCII letter case, values are trimmed of surrounding
// blanks, writing an existing key replaces its value in place and a new key goes to the
// end of its section (a new section to the end of the file). Lines the program does not
// understand (comments, blank lines) are kept as they are, less carriage returns at their
// end.
//
// Every value survives writing and reading byte for byte. A value that could not stand as
// it is (one holding a control character (a byte below 32, or 127), beginning or ending
// with a blank, or beginning with a double quote) is written in double quotes, with \\ for
// a backslash, \" for a double quote and \xHH (two hexadecimal digits) for a control
// character or ']'; so no value can end its line or start a section. Reading undoes this for a
// value that is such a quoted text and takes any other value as it stands, as older files
// wrote every value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendax {

class TIniFile {
  public:
    // Accepts LF and CRLF line ends; the text is kept byte for byte (no encoding).
    static TIniFile Parse(std::string_view text);
    // The whole file, each line ended by LF.
    std::string Text() const;

    // The value of the first `key` in the first `section` of that name.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    void Write(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct TLine {
        std::string Key;  // empty for a line that is not a key (comment, blank, junk)
        std::string Value;
        std::string Raw;  // the original text of a line that is not a key
    };
    struct TSection {
        std::string Name;  // empty for the lines before the first section header
        std::vector<TLine> Lines;
    };

    TSection* FindSection(std::string_view name);
    const TSection* FindSection(std::string_view name) const;
    void AddLine(std::string_view line);

    std::vector<TSection> FSections{TSection{}};
};

// Typed values. A missing key or a value that is not a number gives the default.
// Numbers are signed 32-bit decimal, or hexadecimal after "0x"/"0X" when the value is
// longer than two characters (up to eight hex digits, read as the 32-bit pattern).
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// Strings are cut to this many characters when read.
inline constexpr std::size_t kIniReadLimit = 1023;

std::string ReadIniString(const TIniFile& ini, std::string_view section, std::string_view key,
                          std::string_view defaultValue);
std::int32_t ReadIniInteger(const TIniFile& ini, std::string_view section, std::string_view key,
                            std::int32_t defaultValue);
// A Boolean is read as an integer: non-zero is true.
bool ReadIniBool(const TIniFile& ini, std::string_view section, std::string_view key,
                 bool defaultValue);

void WriteIniInteger(TIniFile& ini, std::string_view section, std::string_view key,
                     std::int32_t value);
// Written as "1" or "0".
void WriteIniBool(TIniFile& ini, std::string_view section, std::string_view key, bool value);

}  // namespace wendax
