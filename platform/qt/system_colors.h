// Colours of the editor library as Qt colours.
#pragma once

#include <QColor>
#include <QPalette>

#include "platform/geometry.h"

namespace wendax {

// A fixed colour (0x00BBGGRR) as it is; a system colour as the colour of the matching role
// of `palette` in its active group (grey text from the disabled group). Unknown system
// colour indexes take the window text colour.
QColor ResolveColor(TColor color, const QPalette& palette);

}  // namespace wendax
