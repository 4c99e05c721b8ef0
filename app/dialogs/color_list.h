// The options dialog's colour lists: 17 entries, the first standing for the list's own
// system colour ("Windows colorset"), the others for sixteen fixed colours.
#pragma once

#include <QPalette>

#include "platform/geometry.h"

class QComboBox;

namespace wendax {

inline constexpr int kColorEntries = 17;

struct TColorEntry {
    const char* Name;
    TColor Value;  // unused for entry 0, whose value is the list's system colour
};

// The entries in list order.
const TColorEntry (&ColorEntries())[kColorEntries];

// Fills `list` with the entries, entry 0 standing for `systemColor`, each with a swatch
// of its colour as `palette` shows it.
void FillColorList(QComboBox& list, TColor systemColor, const QPalette& palette);

// Selects the entry whose value is `color`; entry 0 for a colour not in the list.
void SelectColor(QComboBox& list, TColor color);

// The value of entry `index` of a filled list.
TColor ColorAt(const QComboBox& list, int index);

}  // namespace wendax
