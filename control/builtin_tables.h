// The three command tables built into the library: "Default" (cursor keys and clipboard
// keys), "WordStar" (control letters and two-key sequences) and "Grid" (for grid controls).
#pragma once

#include <span>
#include <string_view>

#include "control/command_rec.h"

namespace wendax {

inline constexpr std::string_view kDefaultTableName = "Default";
inline constexpr std::string_view kWordStarTableName = "WordStar";
inline constexpr std::string_view kGridTableName = "Grid";

// The built-in entries of the table with this name, compared ignoring letter case, in
// their built-in order; an empty span for any other name.
std::span<const CommandRec> BuiltinEntries(std::string_view tableName);

bool IsBuiltinTableName(std::string_view tableName);

// ASCII letter case only, as table names are compared everywhere.
bool SameTableName(std::string_view a, std::string_view b);

}  // namespace wendax
