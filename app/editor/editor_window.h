// What the main window's commands ask of an editor window and of its editors. The editor
// windows implement it; the application tests implement it over a plain model of a text.
// Lines and columns are display lines and columns, 1-based; columns count bytes except
// where stated; text is the bytes of the text (UTF-8 or 8-bit), but search and replace
// texts are UTF-8.
#pragma once

#include <string>

#include "engine/char_set_conversion.h"
#include "engine/search_options.h"

namespace wendax {

struct TSettings;

// One editor (pane) of an editor window.
class TEditorPane {
  public:
    virtual ~TEditorPane() = default;

    // The caret's line; `col` receives its column.
    virtual int GetCaretPosition(int& col) const = 0;
    // The caret's column counted in characters (a UTF-8 character of several bytes, with
    // its combining marks, counts once), as the status line shows it.
    virtual int CaretCharColumn() const = 0;
    // Moves the caret without extending the highlight. `line` must be in 1..LineCount and
    // `col` at least 1; a column beyond the line is clamped.
    virtual void SetCaretPosition(int line, int col) = 0;
    virtual bool Modified() const = 0;
    virtual bool InsertMode() const = 0;
    virtual int LineCount() const = 0;
    // Bytes of the text as its file holds them, every line end counted as written.
    virtual int TextLength() const = 0;
    // The text's most common line end: "LF", "CR LF" or "CR".
    virtual std::string LineEnds() const = 0;
    // Converts every line end of the text to CR LF when they are mostly LF, else to LF,
    // as one step of the history. Nothing for a read-only text.
    virtual void ToggleLineEnds() = 0;
    // How the text's bytes form characters: "UTF-8" or "8-bit".
    virtual std::string CharSetName() const = 0;
    // Reads the same bytes in the other character set: no byte changes, the caret moves to
    // the start of the character it is in, and the text is no more modified than before.
    virtual void ReadInOtherCharSet() = 0;
    // Rewrites the bytes of the text from UTF-8 into 8-bit, or from 8-bit into UTF-8, as
    // one step of the history. The result says why not when refused; nothing for a
    // read-only text.
    virtual TCharSetConversion ConvertToOtherCharSet() = 0;
    virtual bool CanUndo() const = 0;
    virtual bool CanRedo() const = 0;
    // False when nothing is highlighted, leaving the outputs alone; otherwise the first
    // highlighted place and the place just after the last highlighted character.
    virtual bool GetSelection(int& line1, int& col1, int& line2, int& col2) const = 0;

    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void CutToClipboard() = 0;
    virtual void CopyToClipboard() = 0;
    virtual void PasteFromClipboard() = 0;
    // Runs one editor command (a cc... code); false when the command was not handled.
    virtual bool ProcessCommand(int command, int charCode) = 0;
    virtual void SelectAll(bool caretAtEnd) = 0;
    // Inserts at the caret, replacing the highlight; 0 or an editor error code.
    virtual int InsertString(const std::string& text) = 0;
    // Highlights the next occurrence; false when there is none.
    virtual bool Search(const std::string& text, TEditorSearchOptions options) = 0;
    // Replaces the highlighted occurrence (srReplace) or every occurrence (srReplaceAll);
    // an empty replacement deletes them. The number of replacements, 0 when nothing was
    // replaced but the next occurrence is now highlighted, -1 when no occurrence was found.
    virtual int Replace(const std::string& text, const std::string& replacement,
                        TEditorSearchOptions options) = 0;

    // The file the text belongs to.
    virtual std::string FileName() const = 0;
    // Writes the text to `fileName` (FileName stays) and clears Modified. A failure raises
    // an exception carrying its message and leaves the file, the text and Modified as
    // they were.
    virtual void SaveToFile(const std::string& fileName) = 0;
    // Whether FileName on disk holds other bytes than the text was read from or last
    // saved as (a file rewritten with the same bytes has not changed; one that is gone
    // has, once it is there again). The change is then known and reported no more.
    virtual bool TakeDiskChange() = 0;

    // Display line `line` (1..LineCount) with its tabs expanded to spaces.
    virtual std::string GetPrintableLine(int line) const = 0;
    // Where column `col` of display line `line` begins in GetPrintableLine(line), 1-based;
    // a column beyond the text continues one character per column.
    virtual int PrintableColumn(int line, int col) const = 0;
};

// One editor window: a file in one pane, or split into two panes showing the same text.
class TEditorWindow {
  public:
    virtual ~TEditorWindow() = default;

    // The window's own editor: saving, counts and whole-file printing use it.
    virtual TEditorPane& Editor1() = 0;
    // The pane that last had the focus: editing, search and printing a selection use it.
    virtual TEditorPane& ActiveEditor() = 0;
    virtual bool IsSplit() const = 0;
    virtual void ToggleSplit() = 0;
    // Copies the editor settings onto Editor1 and, while split, onto the second pane.
    virtual void ApplySettings(const TSettings& settings) = 0;
    // Editor1's FileName and the window's caption become `fileName`.
    virtual void SetFileName(const std::string& fileName) = 0;
    // Editor1 reloads its file; a second pane then shows the reloaded text too. A failure
    // raises an exception carrying its message and leaves the text as it was.
    virtual void Revert() = 0;
};

}  // namespace wendax
