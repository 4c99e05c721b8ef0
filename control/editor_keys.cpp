// Keyboard input: keys become command codes through the controller's command processor;
// keys no table handles may still type their character, which arrives separately.
#include "control/controller.h"
#include "control/custom_editor.h"
#include "engine/undo_group.h"

namespace wendax {

// A key that changed a highlight into a non-empty one offers it as the primary selection
// (once, also when the command itself offered it).
bool TOvcCustomEditor::KeyDown(const TKeyMessage& key) {
    if (!Controller()) return false;
    const TParaPos begin = FHighlight.Begin();
    const TParaPos end = FHighlight.End();
    FHighlightOffered = false;
    const bool consumed = HandleKey(key);
    const bool changed = FHighlight.Begin() != begin || FHighlight.End() != end;
    if (changed && !FHighlightOffered) OfferHighlight();
    return consumed;
}

// The first key of a two-key sequence and Backspace never type their character; the
// second key of a sequence is consumed by its command, so its character never comes.
bool TOvcCustomEditor::HandleKey(const TKeyMessage& key) {
    const TCommandCode cmd = Controller()->EntryCommands().TranslateKeyMessage(key);
    if (ProcessCommand(cmd, key.Key)) return true;
    bool consumed = false;
    if (key.Key == vkTab && FWantTab) {
        Tab();
        consumed = true;
    } else if (key.Key == vkReturn && FWantEnter) {
        NewLine();
        consumed = true;
    }
    FSuppressNextChar = cmd == ccPendingSequence || key.Key == vkBack;
    return consumed;
}

// Keys typed with Alt are looked up as Alt alone; Tab and Alt itself belong to the window.
void TOvcCustomEditor::SysKeyDown(const TKeyMessage& key) {
    if (!Controller() || key.Key == vkTab || key.Key == vkMenu) return;
    const TCommandCode cmd = Controller()->EntryCommands().TranslateKeyShift(key.Key, ssAlt);
    if (cmd != ccNone) ProcessCommand(cmd, key.Key);
}

void TOvcCustomEditor::CharTyped(char32_t ch) {
    if (FSuppressNextChar || ch < 32) return;
    ProcessCommand(ccInsertChar, ch);
}

// Character by character as typing, in one undo group; control characters are left out.
void TOvcCustomEditor::TextCommitted(std::u32string_view text) {
    FSuppressNextChar = false;
    TUndoGroup group(FStore->UndoBuffer());
    for (const char32_t ch : text)
        if (ch >= 32) ProcessCommand(ccInsertChar, ch);
}

}  // namespace wendax
