// The main window's menu bar as data: every item with its object name, caption (with "&"
// before the access key), shortcut, hint and, for a hidden item, the visible item whose
// command it gives a second shortcut.
#pragma once

#include <vector>

namespace wendax {

struct TMenuItemRow {
    const char* Name;           // object name, MI_...
    const char* Caption;        // nullptr for a separator
    const char* Shortcut = "";  // portable key text, e.g. "Ctrl+O"
    const char* Hint = "";
    const char* TwinOf = nullptr;  // set on a hidden item: the name of its visible twin
};

struct TMenuRow {
    const char* Name;
    const char* Caption;
    const char* Hint;
    std::vector<TMenuItemRow> Items;
};

// The top-level menus from left to right, each with its items from top to bottom.
const std::vector<TMenuRow>& MainMenuTable();

}  // namespace wendax
