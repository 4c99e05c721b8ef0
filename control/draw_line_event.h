// The editor's OnDrawLine event: one display line about to be painted, which the handler
// may draw itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "platform/drawing_surface.h"

namespace wendax {

class TOvcCustomEditor;

struct TEditorDrawLine {
    TDrawingSurface& EditorCanvas;
    TRect Rect;              // the row's part of the text rectangle
    std::string_view S;      // the line from its first character, tabs expanded; empty when the
                             // whole line lies left of the view
    std::int32_t Len = 0;    // length of S
    std::int32_t Line = 0;   // display line
    std::int32_t Pos = 0;    // LeftColumn: screen columns scrolled off to the left
    std::int32_t Count = 0;  // VisibleColumns
    // The highlight shown, as lines and screen columns; all 0 when none is shown.
    std::int32_t HBLine = 0;
    std::int32_t HBCol = 0;
    std::int32_t HELine = 0;
    std::int32_t HECol = 0;
    bool WasDrawn = false;  // set by a handler that drew the row: the editor draws nothing
};

using TEditorDrawLineEvent = std::function<void(TOvcCustomEditor& sender, TEditorDrawLine& line)>;

}  // namespace wendax
