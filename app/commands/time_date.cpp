#include "app/commands/time_date.h"

#include <cctype>

namespace wendax {
namespace {

std::string TwoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

std::string TimeDateText(const TLocalTime& t, char timeSeparator, char dateSeparator) {
    const int hour = t.Hour % 12 == 0 ? 12 : t.Hour % 12;
    return std::to_string(hour) + timeSeparator + TwoDigits(t.Minute) +
           (t.Hour < 12 ? " AM " : " PM ") + std::to_string(t.Month) + dateSeparator +
           std::to_string(t.Day) + dateSeparator + TwoDigits(t.Year % 100);
}

char PatternSeparator(std::string_view pattern, char fallback) {
    for (const char c : pattern) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalpha(byte) && c != '\'' && c != ' ' && byte < 0x80) return c;
    }
    return fallback;
}

}  // namespace wendax
