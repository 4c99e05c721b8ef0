#include "app/system_colors.h"

#include <array>

namespace wendax {
namespace {

struct TRoleOf {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Indexed by system colour index.
constexpr std::array<TRoleOf, 25> kRoles = {{
    {QPalette::Active, QPalette::Button},             // scroll bar
    {QPalette::Active, QPalette::Dark},               // desktop
    {QPalette::Active, QPalette::Highlight},          // active caption
    {QPalette::Inactive, QPalette::Mid},              // inactive caption
    {QPalette::Active, QPalette::Window},             // menu
    {QPalette::Active, QPalette::Base},               // window
    {QPalette::Active, QPalette::Shadow},             // window frame
    {QPalette::Active, QPalette::WindowText},         // menu text
    {QPalette::Active, QPalette::Text},               // window text
    {QPalette::Active, QPalette::HighlightedText},    // caption text
    {QPalette::Active, QPalette::Window},             // active border
    {QPalette::Inactive, QPalette::Window},           // inactive border
    {QPalette::Active, QPalette::Dark},               // application workspace
    {QPalette::Active, QPalette::Highlight},          // highlight
    {QPalette::Active, QPalette::HighlightedText},    // highlight text
    {QPalette::Active, QPalette::Button},             // button face
    {QPalette::Active, QPalette::Dark},               // button shadow
    {QPalette::Disabled, QPalette::Text},             // grey text
    {QPalette::Active, QPalette::ButtonText},         // button text
    {QPalette::Inactive, QPalette::HighlightedText},  // inactive caption text
    {QPalette::Active, QPalette::Light},              // button highlight
    {QPalette::Active, QPalette::Shadow},             // 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},           // 3-D light
    {QPalette::Active, QPalette::ToolTipText},        // tooltip text
    {QPalette::Active, QPalette::ToolTipBase},        // tooltip background
}};

}  // namespace

QColor ToQColor(TColor color, const QPalette& palette) {
    if (!IsSystemColor(color))
        return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
    const TColor index = color - kSystemColorBase;
    // An unknown system colour shows as the window background.
    const TRoleOf role = index < kRoles.size() ? kRoles[index] : kRoles[sciWindow];
    return palette.color(role.Group, role.Role);
}

}  // namespace wendax
