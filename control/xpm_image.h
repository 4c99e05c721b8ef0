// Pictures compiled into the program in the XPM text form: a header "width height colours
// 1", one line per colour ("X c #RRGGBB" or "X c None"), then one line per row with one
// character per pixel.
#pragma once

#include <cstddef>

#include "platform/geometry.h"

namespace wendax {

// The picture of `lines` (`count` of them), "None" pixels transparent, the others opaque.
// An ill-formed picture gives an empty bitmap.
TBitmap ReadXpm(const char* const* lines, std::size_t count);

}  // namespace wendax
