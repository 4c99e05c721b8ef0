// The primary selection of window systems that have one: a highlight the user makes is
// offered to other programs at once, and a middle click pastes the primary selection at the
// clicked place. Offers are made when a mouse action or a key ends, never on every caret
// move.
#include <new>
#include <optional>
#include <string>

#include "control/custom_editor.h"
#include "engine/undo_group.h"
#include "platform/services.h"

namespace wendax {

// Nothing when the highlight is empty or the window system has no primary selection; a
// text too large for memory is simply not offered (the selection keeps what it held).
void TOvcCustomEditor::OfferHighlight() {
    FHighlightOffered = true;
    if (!HasSelection() || !Platform().SupportsPrimarySelection()) return;
    try {
        Platform().SetPrimarySelectionText(HighlightAsClipboardText());
    } catch (const std::bad_alloc&) {
    }
}

// The caret goes to the clicked place first (collapsing any highlight); the text is then
// converted into the text's character set like a paste and inserted as one undo group.
void TOvcCustomEditor::PastePrimarySelectionAt(TPoint pos) {
    if (!Window()->HasFocus() && Window()->CanFocus()) Window()->SetFocus();
    if (ReadOnly() || !Platform().SupportsPrimarySelection()) return;
    const std::optional<TClipboardText> text = Platform().PrimarySelectionText();
    if (!text) return;
    const TLineCol at = MouseToText(pos);
    MoveCaretTo(at.Line, at.Col, false);
    if (const std::optional<std::string> bytes = BytesToPaste(*text)) {
        TUndoGroup group(FStore->UndoBuffer());
        ReportError(InsertString(*bytes));
    }
    MarkVRangeStale();
    RequestRepaint(false);
    DoOnChange();
}

}  // namespace wendax
