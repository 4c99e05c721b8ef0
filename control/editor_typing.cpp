// Typing a character in insert and overwrite mode, and the three kinds of tab.
#include <algorithm>
#include <optional>

#include "control/custom_editor.h"
#include "engine/char_set.h"
#include "engine/eight_bit_table.h"
#include "engine/undo_group.h"
#include "platform/services.h"

namespace wendax {

// The character goes in as UTF-8 in a UTF-8 text and as its byte in an 8-bit text; one
// without a byte there beeps, is reported through OnCharWithoutByte and types nothing (it
// never becomes another character). A NUL cannot be held by the text and types nothing.
void TOvcCustomEditor::TypeChar(char32_t code) {
    if (ReadOnly() || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return;
    std::string bytes;
    if (FStore->CharSet() == chUtf8) {
        AppendUtf8(bytes, code);
    } else if (const std::optional<std::uint8_t> byte = EightBitByte(code)) {
        bytes = static_cast<char>(*byte);
    } else {
        Platform().Beep();
        if (OnCharWithoutByte) OnCharWithoutByte(*this, code);
        return;
    }
    TypeBytes(bytes, FStore->CharSet() == chUtf8 && CodeCells(code) == 0);
}

// The bytes of one character. A highlight is replaced (in one undo group with the
// character, which is then inserted whatever the mode); overwriting replaces the whole
// character at the caret, except that a combining mark (`joins`) is always inserted, to
// join the character before it. A failure is reported and leaves the caret where it is.
void TOvcCustomEditor::TypeBytes(std::string_view bytes, bool joins) {
    if (ReadOnly() || bytes.empty()) return;
    TParaPos at;
    std::int32_t lineBefore = 0;
    TEditorErrorCode code = eeOk;
    {
        std::optional<TUndoGroup> group;
        bool insert = FInsertMode || joins;
        if (HasSelection()) {
            group.emplace(FStore->UndoBuffer());
            DeleteHighlight();
            insert = true;
        }
        at = CaretParaPos();
        lineBefore = FCaretLine;
        const std::string_view para = FStore->ParaText(at.Para);
        const auto length = static_cast<std::int32_t>(para.size());
        code = insert || at.Pos > length
                   ? FStore->InsertChars(this, at.Para, at.Pos, bytes)
                   : FStore->ReplaceChars(this, at.Para, at.Pos,
                                          CharEnd(FStore->CharSet(), para, at.Pos - 1) - at.Pos + 1,
                                          bytes);
    }
    if (code != eeOk) {
        ReportError(code);
        return;
    }
    ShowEdit(false);
    MoveCaretToPos({at.Para, at.Pos + static_cast<std::int32_t>(bytes.size())}, false);
    if (FCaretLine > lineBefore && FLeftColumn != 0) ScrollBy(-FLeftColumn, 0);
}

void TOvcCustomEditor::Tab() {
    if (ReadOnly()) return;
    if (HasSelection()) {
        TUndoGroup group(FStore->UndoBuffer());
        DeleteHighlight();
    }
    switch (FTabType) {
        case ttReal:
            TypeChar('\t');
            return;
        case ttSmart:
            if (const std::int32_t spaces = SmartTabSpaces(); spaces > 0) {
                InsertSpaces(spaces);
                return;
            }
            break;
        case ttFixed:
            break;
    }
    InsertSpaces(FixedTabSpaces());
}

// Spaces up to the next tab stop column 1 + k * TabSize, counted in cells as on the screen
// (wide characters take two, tabs expanded), so the caret lands on a visible tab stop.
std::int32_t TOvcCustomEditor::FixedTabSpaces() {
    RefreshPositions();
    const std::int32_t tabSize = TabSize();
    const std::int32_t cell = FStore->PosToColumn(FStore->GetLine(FCaretLine).Text, FCaretCol);
    return tabSize * ((cell - 1) / tabSize + 1) - cell + 1;
}

// Spaces that bring the caret under the start of the next word of the previous display
// line (the next one when the previous is empty and the caret is not on the last line),
// counted in cells as on the screen, tabs expanded; 0 for none (paragraph 1, no such line,
// or a line that ends before the caret's cell).
std::int32_t TOvcCustomEditor::SmartTabSpaces() {
    RefreshPositions();
    if (FCaretPos.Para == 1) return 0;
    std::string line = GetPrintableLine(FCaretLine - 1);
    if (line.empty() && FCaretLine < LineCount()) line = GetPrintableLine(FCaretLine + 1);
    const std::int32_t caretCell =
        FStore->PosToColumn(FStore->GetLine(FCaretLine).Text, FCaretCol) - 1;
    std::int32_t cell = 0;  // first cell of the character at `at`
    std::int32_t at = 0;
    const auto length = static_cast<std::int32_t>(line.size());
    const auto advance = [&] {
        const TCharExtent c = CharAt(chUtf8, line, at);
        cell += c.Cells;
        at = c.End;
    };
    while (at < length && cell + CharAt(chUtf8, line, at).Cells <= caretCell)
        advance();
    if (at >= length) return 0;
    while (at < length && line[static_cast<std::size_t>(at)] != ' ')
        advance();
    while (at < length && line[static_cast<std::size_t>(at)] == ' ')
        advance();
    return std::max(cell - caretCell, 0);
}

// In overwrite mode as many characters as there are spaces are deleted first, in one group
// with the insertion; that deletion stays when the insertion fails.
void TOvcCustomEditor::InsertSpaces(std::int32_t count) {
    const TParaPos at = CaretParaPos();
    TEditorErrorCode code = eeOk;
    {
        std::optional<TUndoGroup> group;
        if (!FInsertMode) {
            group.emplace(FStore->UndoBuffer());
            FStore->DeleteChars(this, at.Para, at.Pos, count);
        }
        code = FStore->InsertChars(this, at.Para, at.Pos,
                                   std::string(static_cast<std::size_t>(count), ' '));
    }
    ShowEdit(false);
    if (code != eeOk) {
        ReportError(code);
        return;
    }
    MoveCaretToPos({at.Para, at.Pos + count}, false);
}

}  // namespace wendax
