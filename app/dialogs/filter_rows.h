// The file dialogs' filter list ("name|mask|name|mask|") as the eight name and mask rows
// of the options dialog.
#pragma once

#include <array>
#include <string>

namespace wendax {

inline constexpr int kFilterRows = 8;

struct TFilterRow {
    std::string Name;
    std::string Mask;
    friend bool operator==(const TFilterRow&, const TFilterRow&) = default;
};

using TFilterRows = std::array<TFilterRow, kFilterRows>;

// The texts before each "|" fill name 1, mask 1, name 2, ... in order; rows without a
// text stay empty, texts beyond the sixteenth and any text after the last "|" are dropped.
TFilterRows FilterRows(const std::string& filter);

// "name|mask|" for every row, in order, whose name and mask are both non-empty.
std::string FilterFromRows(const TFilterRows& rows);

}  // namespace wendax
