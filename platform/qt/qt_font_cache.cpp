#include "platform/qt/qt_font_cache.h"

#include <algorithm>

namespace wendax {

const TQtScreenFont& TQtFontCache::Find(const TFontSpec& spec) {
    const auto it = std::find_if(FFonts.begin(), FFonts.end(),
                                 [&spec](const auto& font) { return font->Spec() == spec; });
    if (it != FFonts.end()) return **it;
    FFonts.push_back(std::make_unique<TQtScreenFont>(spec));
    return *FFonts.back();
}

}  // namespace wendax
