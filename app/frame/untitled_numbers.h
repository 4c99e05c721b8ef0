// The numbers of untitled windows: "NONAME" followed by 1 .. 255. Each window takes the
// smallest free number and gives it back when it closes or is saved under a real name.
#pragma once

#include <bitset>
#include <optional>
#include <string>
#include <string_view>

namespace wendax {

inline constexpr std::string_view kUntitledPrefix = "NONAME";

class TUntitledNumbers {
  public:
    // The smallest free number in 1..255, now taken; 0 (nothing taken) when all are.
    int Take();
    void Release(int number);
    bool IsTaken(int number) const;

    // "NONAME" followed by the number in decimal.
    static std::string NameFor(int number);
    // The number of a caption "NONAME" followed by decimal digits only; nothing otherwise.
    static std::optional<int> NumberOf(std::string_view caption);

  private:
    std::bitset<256> FTaken;  // bit 0 is never set
};

// True when `fileName` begins with "NONAME" (case-sensitive).
bool IsUntitledName(std::string_view fileName);

}  // namespace wendax
