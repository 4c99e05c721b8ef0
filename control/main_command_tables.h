// The stored table list of the application's main controller. Its source of truth is
// resources/main_command_tables.txt, compiled in by the build.
#pragma once

#include <string_view>

#include "control/command_processor.h"

namespace wendax {

// The resource text in the table list form of stored_tables_text.h.
std::string_view MainCommandTables();

// Replaces the processor's tables by the application's: "WordStar" without Ctrl+Z,
// Ctrl+A, Ctrl+F and Ctrl+G, then the full "Default".
void LoadMainCommandTables(TOvcCommandProcessor& processor);

}  // namespace wendax
