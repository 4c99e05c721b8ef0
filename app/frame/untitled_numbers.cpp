#include "app/frame/untitled_numbers.h"

#include <charconv>

namespace wendax {

int TUntitledNumbers::Take() {
    for (int n = 1; n < static_cast<int>(FTaken.size()); ++n) {
        if (!FTaken[n]) {
            FTaken[n] = true;
            return n;
        }
    }
    return 0;
}

void TUntitledNumbers::Release(int number) {
    if (number > 0 && number < static_cast<int>(FTaken.size())) FTaken[number] = false;
}

bool TUntitledNumbers::IsTaken(int number) const {
    return number > 0 && number < static_cast<int>(FTaken.size()) && FTaken[number];
}

std::string TUntitledNumbers::NameFor(int number) {
    return std::string(kUntitledPrefix) + std::to_string(number);
}

std::optional<int> TUntitledNumbers::NumberOf(std::string_view caption) {
    if (!IsUntitledName(caption)) return std::nullopt;
    const std::string_view digits = caption.substr(kUntitledPrefix.size());
    int number = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, number);
    if (digits.empty() || digits.front() == '-' || ec != std::errc() || ptr != end)
        return std::nullopt;
    return number;
}

bool IsUntitledName(std::string_view fileName) {
    return fileName.starts_with(kUntitledPrefix);
}

}  // namespace wendax
