#include "control/marker_glyphs.h"

#include <iterator>

#include "control/xpm_image.h"
#include "resources/markers.xpm"

namespace wendax {

const TBitmap& MarkerGlyphs() {
    static const TBitmap glyphs = ReadXpm(markers_xpm, std::size(markers_xpm));
    return glyphs;
}

}  // namespace wendax
