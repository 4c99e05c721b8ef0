// Colours of the settings on the screen: a fixed colour 0x00BBGGRR as it is, a system
// colour (0x80000000 + index) as the palette role of the desktop that plays its part.
#pragma once

#include <QColor>
#include <QPalette>

#include "platform/geometry.h"

namespace wendax {

QColor ToQColor(TColor color, const QPalette& palette);

}  // namespace wendax
