// The text Edit > Time/Date inserts: the local time and date as "h:mm AM/PM m/d/yy", where
// ":" and "/" stand for the desktop's time and date separators.
#pragma once

#include <string>
#include <string_view>

namespace wendax {

struct TLocalTime {
    int Year = 2000;  // four digits
    int Month = 1;    // 1..12
    int Day = 1;      // 1..31
    int Hour = 0;     // 0..23
    int Minute = 0;   // 0..59
};

// Hour on the 12-hour clock without a leading zero, minutes with two digits, "AM" or
// "PM", month and day without leading zeros, the year's last two digits.
std::string TimeDateText(const TLocalTime& time, char timeSeparator, char dateSeparator);

// The separator of a date or time pattern such as "dd.MM.yy" or "HH:mm": the first
// character that is no field letter, quote or space; `fallback` when there is none.
char PatternSeparator(std::string_view pattern, char fallback);

}  // namespace wendax
