#include "control/stored_tables_text.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "base/exceptions.h"

namespace wendax {

namespace {

constexpr std::string_view kListKind = "wendax-command-tables";
constexpr std::string_view kSingleKind = "wendax-command-table";
constexpr std::string_view kVersion = "1";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Splits off the next blank-separated word of `s`.
std::string_view NextWord(std::string_view& s) {
    s = Trim(s);
    std::size_t length = 0;
    while (length < s.size() && !IsBlank(s[length]))
        ++length;
    const std::string_view word = s.substr(0, length);
    s.remove_prefix(length);
    return word;
}

// Hands out the meaningful lines of a text, trimmed, and reports errors by line number.
class TLineReader {
  public:
    explicit TLineReader(std::string_view text) : FRest(text) {}

    // The next line that is neither blank nor a comment; false at the end of the text.
    bool Next(std::string_view& line) {
        while (!FRest.empty()) {
            const auto end = FRest.find('\n');
            line = FRest.substr(0, end);
            FRest.remove_prefix(end == std::string_view::npos ? FRest.size() : end + 1);
            ++FLineNumber;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            line = Trim(line);
            if (!line.empty() && line.front() != '#') return true;
        }
        return false;
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw EInvalidTableData("line " + std::to_string(FLineNumber) + ": " + why);
    }

  private:
    std::string_view FRest;
    int FLineNumber = 0;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads a quoted name from the front of `s`, leaving what follows the closing quote.
std::string ParseQuotedName(std::string_view& s, const TLineReader& reader) {
    if (s.empty() || s.front() != '"') reader.Fail("expected a quoted table name");
    std::string name;
    std::size_t i = 1;
    for (; i < s.size() && s[i] != '"'; ++i) {
        if (s[i] != '\\') {
            name += s[i];
        } else if (i + 1 < s.size() && (s[i + 1] == '"' || s[i + 1] == '\\')) {
            name += s[++i];
        } else if (i + 3 < s.size() && s[i + 1] == 'x' && HexDigit(s[i + 2]) >= 0 &&
                   HexDigit(s[i + 3]) >= 0) {
            name += static_cast<char>(HexDigit(s[i + 2]) * 16 + HexDigit(s[i + 3]));
            i += 3;
        } else {
            reader.Fail("bad escape in the table name");
        }
    }
    if (i >= s.size()) reader.Fail("unterminated table name");
    s.remove_prefix(i + 1);
    return name;
}

// `table "Name" active|inactive [whole]`
TStoredTable ParseTableLine(std::string_view line, const TLineReader& reader) {
    if (NextWord(line) != "table") reader.Fail("expected \"table\"");
    line = Trim(line);
    TStoredTable table;
    table.Name = ParseQuotedName(line, reader);
    if (!line.empty() && !IsBlank(line.front())) reader.Fail("expected a blank after the name");
    const std::string_view flag = NextWord(line);
    if (flag != "active" && flag != "inactive") reader.Fail("expected active or inactive");
    table.Active = flag == "active";
    const std::string_view whole = NextWord(line);
    if (!whole.empty() && whole != "whole") reader.Fail("unexpected text after the active flag");
    if (!Trim(line).empty()) reader.Fail("unexpected text after \"whole\"");
    table.WholeContent = !whole.empty();
    return table;
}

template <typename T>
bool ParseNumber(std::string_view word, T& value) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return !word.empty() && error == std::errc{} && end == word.data() + word.size();
}

TStoredPair ParsePair(std::string_view line, const TLineReader& reader) {
    TStoredPair pair;
    if (!ParseNumber(NextWord(line), pair.Sequence)) reader.Fail("bad key sequence");
    if (!ParseNumber(NextWord(line), pair.Cmd)) reader.Fail("bad command code");
    if (!Trim(line).empty()) reader.Fail("unexpected text after the command code");
    return pair;
}

// The block whose `table` line has just been read, up to and including its `end`.
TStoredTable ParseBlock(TLineReader& reader, std::string_view tableLine) {
    TStoredTable table = ParseTableLine(tableLine, reader);
    std::string_view line;
    for (;;) {
        if (!reader.Next(line)) reader.Fail("missing \"end\" of table \"" + table.Name + "\"");
        if (line == "end") return table;
        table.Pairs.push_back(ParsePair(line, reader));
    }
}

void ParseHeader(TLineReader& reader, std::string_view kind) {
    std::string_view line;
    if (!reader.Next(line)) reader.Fail("empty text");
    if (NextWord(line) != kind) reader.Fail("expected \"" + std::string(kind) + "\"");
    if (NextWord(line) != kVersion || !Trim(line).empty()) reader.Fail("unsupported version");
}

std::string QuoteName(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 32 || byte > 126) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 15];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string FormatBlock(const TStoredTable& table) {
    std::string text = "table " + QuoteName(table.Name) + (table.Active ? " active" : " inactive") +
                       (table.WholeContent ? " whole\n" : "\n");
    for (const TStoredPair& pair : table.Pairs) {
        text += std::to_string(pair.Sequence) + ' ' + std::to_string(pair.Cmd) + '\n';
    }
    return text + "end\n";
}

}  // namespace

std::string FormatTableList(const std::vector<TStoredTable>& tables) {
    std::string text = std::string(kListKind) + ' ' + std::string(kVersion) + '\n';
    for (const TStoredTable& table : tables)
        text += FormatBlock(table);
    return text;
}

std::vector<TStoredTable> ParseTableList(std::string_view text) {
    TLineReader reader(text);
    ParseHeader(reader, kListKind);
    std::vector<TStoredTable> tables;
    std::string_view line;
    while (reader.Next(line))
        tables.push_back(ParseBlock(reader, line));
    return tables;
}

std::string FormatCommandList(const TStoredTable& table) {
    return std::string(kSingleKind) + ' ' + std::string(kVersion) + '\n' + FormatBlock(table);
}

TStoredTable ParseCommandList(std::string_view text) {
    TLineReader reader(text);
    ParseHeader(reader, kSingleKind);
    std::string_view line;
    if (!reader.Next(line)) reader.Fail("missing the table");
    TStoredTable table = ParseBlock(reader, line);
    if (reader.Next(line)) reader.Fail("unexpected text after the table");
    return table;
}

}  // namespace wendax
