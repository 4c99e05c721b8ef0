#include "platform/qt/system_colors.h"

#include <array>

namespace wendax {

namespace {

// Palette role of each system colour index (sciScrollBar .. sciBtnText).
constexpr std::array<QPalette::ColorRole, 19> kRoles = {
    QPalette::Button,           // scroll bar
    QPalette::Window,           // desktop background
    QPalette::Highlight,        // active caption
    QPalette::Mid,              // inactive caption
    QPalette::Window,           // menu
    QPalette::Base,             // window
    QPalette::WindowText,       // window frame
    QPalette::WindowText,       // menu text
    QPalette::Text,             // window text
    QPalette::HighlightedText,  // caption text
    QPalette::Button,           // active border
    QPalette::Button,           // inactive border
    QPalette::Dark,             // application workspace
    QPalette::Highlight,        // highlight
    QPalette::HighlightedText,  // highlight text
    QPalette::Button,           // button face
    QPalette::Dark,             // button shadow
    QPalette::Text,             // grey text (disabled group)
    QPalette::ButtonText,       // button text
};

}  // namespace

QColor ResolveColor(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color))
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    const TColor index = color - kSystemColorBase;
    if (index == sciGrayText) return palette.color(QPalette::Disabled, QPalette::Text);
    if (index >= kRoles.size()) return palette.color(QPalette::Active, QPalette::WindowText);
    return palette.color(QPalette::Active, kRoles[index]);
}

}  // namespace wendax
