#include "engine/word_delimiters.h"

#include <array>

namespace wendax {

namespace {

constexpr std::array<bool, 256> MakeDelimiterTable() {
    std::array<bool, 256> table{};
    for (const char c : kWordDelimiters)
        table[static_cast<unsigned char>(c)] = true;
    return table;
}

constexpr std::array<bool, 256> kIsDelimiter = MakeDelimiterTable();

}  // namespace

bool IsWordDelimiter(char c) {
    return kIsDelimiter[static_cast<unsigned char>(c)];
}

}  // namespace wendax
