// The ten bookmarks. They live in the store, which moves them with the text, so every view
// of the text sees the same ones.
#include "base/exceptions.h"
#include "control/custom_editor.h"

namespace wendax {

namespace {
constexpr std::uint8_t kMarkerCount = 10;
}

void TOvcCustomEditor::SetMarker(std::uint8_t n) {
    if (n >= kMarkerCount) return;
    const TParaPos at = CaretParaPos();
    FStore->PutMarker(n, at.Para, at.Pos);
    RequestRepaint(false);
}

// The column is not limited to the line's length.
void TOvcCustomEditor::SetMarkerAt(std::uint8_t n, std::int32_t line, std::int32_t col) {
    if (n >= kMarkerCount) return;
    if (line < 1 || line > LineCount() || col < 1) throw EInvalidLineOrCol();
    FStore->PutMarkerAtLine(n, line, col);
    RequestRepaint(false);
}

void TOvcCustomEditor::GotoMarker(std::uint8_t n) {
    const TParaPos marker = FStore->Marker(n);
    if (marker.Para != 0 && marker.Pos != 0) MoveCaretToPos(marker, false);
}

void TOvcCustomEditor::ClearMarker(std::uint8_t n) {
    if (n >= kMarkerCount) return;
    FStore->PutMarker(n, 0, 0);
    RequestRepaint(false);
}

// The bookmark commands take the number from the key that completed them: the low byte of
// the character code minus '0'; any other key selects none.
void TOvcCustomEditor::MoveToMarker(std::uint16_t charCode, bool set) {
    const int n = (charCode & 0xFF) - '0';
    if (n < 0 || n >= kMarkerCount) return;
    if (set) {
        SetMarker(static_cast<std::uint8_t>(n));
    } else {
        GotoMarker(static_cast<std::uint8_t>(n));
    }
}

}  // namespace wendax
