// The mouse cursor shown over the left margin of an editor window.
#pragma once

#include <QCursor>

namespace wendax {

// An arrow pointing up and to the right, its tip on the hot spot.
QCursor MakeMarginCursor();

}  // namespace wendax
