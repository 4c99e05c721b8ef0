// The editor engine: one view of a text (caret, highlight, first visible line, view metrics)
// over a paragraph store that every editor showing the same text shares, with the commands of
// ProcessCommand, the clipboard, the bookmarks and the view arithmetic (scrolling, keeping
// the caret in view, repaint requests, scroll ranges).
//
// The members are defined in control/editor_*.cpp, one file per command family and one
// each for painting, keys, mouse and scrolling. Without a window the view state is still kept (as a
// window of one row and one column) but nothing is painted, scrolled on screen or posted. With a
// window it paints the text, takes keys through its controller's command processor, and places the
// caret and selects with the mouse.
//
// Positions: the caret and the highlight are kept as paragraph positions, which follow every
// change to the store; their display lines and columns, and the first visible line, are
// recomputed from those positions when next needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/command_codes.h"
#include "base/editor_errors.h"
#include "control/caret_pair.h"
#include "control/colors.h"
#include "control/draw_line_event.h"
#include "control/edit_base.h"
#include "control/fixed_font.h"
#include "engine/char_set.h"
#include "engine/highlight.h"
#include "engine/para_list.h"
#include "engine/search_options.h"
#include "platform/drawing_surface.h"
#include "platform/services.h"

namespace wendax {

enum TTabType : std::uint8_t { ttReal, ttFixed, ttSmart };
enum TScrollBars : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TOvcCustomEditor;
using TEditorNotifyEvent = std::function<void(TOvcCustomEditor& sender)>;
// The handler gets the code by reference; the editor does not look at it afterwards.
using TEditorErrorEvent = std::function<void(TOvcCustomEditor& sender, std::uint16_t& errorCode)>;
using TShowStatusEvent =
    std::function<void(TOvcCustomEditor& sender, std::int32_t lineNum, std::int32_t colNum)>;
using TTopLineChangedEvent = std::function<void(TOvcCustomEditor& sender, std::int32_t line)>;
using TUserCommandEvent = std::function<void(TOvcCustomEditor& sender, TCommandCode command)>;
// A character typed or pasted into an 8-bit text has no byte there; nothing was inserted.
using TCharWithoutByteEvent = std::function<void(TOvcCustomEditor& sender, char32_t code)>;

class TOvcCustomEditor : public TOvcEditBase, public TTextView {
  public:
    static constexpr std::uint16_t kDefaultUndoBufferSize = 8192;
    // InsertString hands longer text to the store in pieces of this many characters, each
    // extended over at most kInsertPieceBreaks line-break characters after its cut.
    static constexpr std::size_t kInsertPieceSize = 61440;
    static constexpr std::size_t kInsertPieceBreaks = 4080;
    // The id of the window timer that drives a left-button drag.
    static constexpr int kDragTimer = 1;

    // An empty text in a store of its own, caret and top line at line 1, column 1.
    TOvcCustomEditor();
    // Leaves the ring of views; the last view destroys the store. The window must have
    // been detached.
    ~TOvcCustomEditor() override;

    // ---- The text
    std::int32_t LineCount() const { return FStore->LineCount(); }
    std::int32_t ParaCount() const { return FStore->ParaCount(); }
    // Bytes of the text as its file would hold them, every line end counted as written (1
    // for an LF).
    std::int64_t TextLength() const { return FStore->FileBytes(); }
    // Paragraph `para`, valid until the next change. Raises EInvalidLineOrPara outside
    // 1..ParaCount.
    std::string_view GetPara(std::int32_t para);
    // Display line `line` as UTF-8 (see PrintableUtf8): tabs expanded to spaces up to the
    // next multiple of TabSize in cells, invalid bytes as the replacement mark, cut to
    // `maxLength` cells. Raises EInvalidLineOrPara outside 1..LineCount.
    std::string GetPrintableLine(std::int32_t line, std::int32_t maxLength = kMaxInt32);
    // The store's changed flag. A new value repaints every view of the store; clearing it
    // marks the undo history as made on a modified text.
    bool Modified() const { return FStore->Modified(); }
    void SetModified(bool value);
    // How many changes of the text (through any view of the store, undo and redo too)
    // this editor has been told of; it only grows. Loading a text is no change.
    std::uint64_t TextChanges() const { return FTextChanges; }

    // ---- The caret
    // The caret line; `col` returns its column.
    std::int32_t GetCaretPosition(std::int32_t& col);
    // Moves the caret without extending the highlight; a column beyond the line is clamped.
    // Raises EInvalidLineOrPara when `line` is outside 1..LineCount or `col` is below 1.
    void SetCaretPosition(std::int32_t line, std::int32_t col);
    // The caret's paragraph and position; beyond the paragraph's end only with ScrollPastEnd.
    TParaPos CaretParaPos();

    // ---- Editing
    // Carries out one command; codes of 256 and above go to OnUserCommand. False for a code
    // below 256 that is no command of the editor (nothing happens then).
    virtual bool ProcessCommand(TCommandCode cmd, std::uint32_t charCode);
    // Inserts `s` (up to a NUL) at the caret, replacing the highlight, in one undo group; a
    // line feed, or carriage returns ending the text, start a new paragraph. The caret goes
    // after the inserted text. Returns the store's first failure without reporting it; the
    // text inserted before it stays. Nothing when ReadOnly.
    TEditorErrorCode InsertString(std::string_view s);
    // Appends `text` (which holds no NUL) as new paragraphs before the store's last one,
    // cut after the last blank within ParaLengthLimit characters; no undo record, Modified
    // untouched. Returns the first failure; the paragraphs appended before it stay.
    TEditorErrorCode AppendPara(std::string_view text);
    // Leaves the store to its other views (or destroys it) and starts a fresh empty one with
    // the same limits, wrap settings, tab size and undo buffer size; caret and top line go
    // to line 1, column 1 and the highlight collapses. With `refresh` the view is redone.
    void ResetText(bool refresh);
    // False when ReadOnly, else whether the undo buffer holds a step to undo / redo.
    bool CanUndo() const;
    bool CanRedo() const;
    // Replay one group and put the caret where it happened; a beep when there is none.
    virtual void Undo();
    virtual void Redo();
    // The Enter key and the Tab key when no command is bound to them.
    void NewLine();
    void Tab();
    // Rewrites the bytes of the text in `to` (see TParaList::ConvertCharSet) as one undo
    // step, keeping every view's caret on the character it was at and collapsing this
    // view's highlight there. The result tells why not when it was refused; nothing
    // happens and nothing is told when ReadOnly.
    TCharSetConversion ConvertCharSet(TCharSet to);

    // ---- Highlight
    bool HasSelection() {
        RefreshPositions();
        return !FHighlight.IsEmpty();
    }
    // False when nothing is highlighted (the outputs are left alone); else begin and end
    // as lines and columns.
    bool GetSelection(std::int32_t& line1, std::int32_t& col1, std::int32_t& line2,
                      std::int32_t& col2);
    // Highlights the range, clamped to the text; the caret goes to (line2, col2) with
    // `caretAtEnd`, else to (line1, col1). Nothing on an empty text.
    void SetSelection(std::int32_t line1, std::int32_t col1, std::int32_t line2, std::int32_t col2,
                      bool caretAtEnd);
    void SelectAll(bool caretAtEnd);
    // CF_TEXT form: the highlighted characters with CR LF between paragraphs.
    virtual void CopyToClipboard();
    // Copies and then deletes the highlight; the text stays when the copy failed.
    virtual void CutToClipboard();
    virtual void PasteFromClipboard();

    // ---- Search and replace (editor_search.cpp). Texts are cut at a NUL and to 255
    // characters. Neither wraps around the end (start) of the text.
    // Finds the next occurrence of `s` and highlights it, the caret at its end (backward: at
    // its start). True when one was found or `s` is empty; else nothing changes.
    bool Search(std::string_view s, TEditorSearchOptions options);
    // With srReplace: a highlight that is an occurrence of `s` (a-z ignoring case without
    // srMatchCase) is replaced by `r`, then the next occurrence is highlighted. With
    // srReplaceAll: every occurrence in the scope is replaced. An empty `r` deletes. Returns
    // the number replaced, else 0 when an occurrence is now highlighted, else -1 (nothing
    // changed); or the failure code after reporting it (replacements before it stay). A
    // ReadOnly editor replaces nothing and only finds.
    virtual std::int32_t Replace(std::string_view s, std::string_view r,
                                 TEditorSearchOptions options);

    // ---- Bookmarks 0..9, kept in the store and shared by its views; other numbers are
    // ignored.
    virtual void SetMarker(std::uint8_t n);
    // Raises EInvalidLineOrCol when `line` is outside 1..LineCount or `col` is below 1.
    virtual void SetMarkerAt(std::uint8_t n, std::int32_t line, std::int32_t col);
    void GotoMarker(std::uint8_t n);
    void ClearMarker(std::uint8_t n);

    // ---- Several views of one text
    // Makes this editor a further view of `editor`'s store, right after its owner; the
    // store this editor showed is left to its other views or destroyed. Nothing for nullptr,
    // for this editor, or when already showing that store.
    virtual void Attach(TOvcCustomEditor* editor);
    bool OwnsStore() const { return FStore->Owner() == this; }

    // ---- The view. Lines and columns as in text_positions.h; LeftColumn counts screen
    // columns scrolled off to the left.
    std::int32_t TopLine();
    // Raises EInvalidLineOrPara outside 1..LineCount; else scrolls by the difference.
    void SetTopLine(std::int32_t line);
    std::int32_t LeftColumn() const { return FLeftColumn; }
    // Whole rows and character columns that fit in the window, each at least 1.
    std::int32_t VisibleRows() const { return FVisibleRows; }
    std::int32_t VisibleColumns() const { return FVisibleColumns; }
    int CharWidth() const { return FCharWidth; }
    int LineHeight() const { return FLineHeight; }
    std::int32_t HScrollRange() const { return FHScrollRange; }
    std::int32_t VScrollRange() const { return FVScrollRange; }
    std::int32_t VScrollScale() const { return FVScrollScale; }
    // The one way the view moves: the left column by `columns` (not below 0) and the top
    // line by `lines` (kept within 1..LineCount - VisibleRows + 1).
    virtual void ScrollBy(std::int32_t columns, std::int32_t lines);
    void ScrollLines(std::int32_t lines) { ScrollBy(0, lines); }
    void ScrollColumns(std::int32_t columns) { ScrollBy(columns, 0); }
    // Repaints the whole window (requests coalesce until the paint); with `updateNow` at once.
    void RequestRepaint(bool updateNow);
    // Repaints the rows showing display lines `first` to `last` (either order).
    void RepaintLines(std::int32_t first, std::int32_t last);
    // Recomputes scroll ranges and positions, metrics and wrap to window, then repaints.
    void RefreshAll(bool updateNow);
    // Places the window caret at screen column `screenColumn` of the caret line (0: the
    // caret's own) and posts the status report.
    void PlaceCaret(std::int32_t screenColumn = 0);
    // The next paint sends the vertical range / position to the scroll bar.
    void MarkVRangeStale() { FVRangeStale = true; }
    void MarkVPosStale() { FVPosStale = true; }

    // ---- Properties
    bool AutoIndent() const { return FAutoIndent; }
    void SetAutoIndent(bool value) { FAutoIndent = value; }
    std::int32_t ByteLimit() const { return FStore->ByteLimit(); }
    // Accepted when 0 or more.
    virtual void SetByteLimit(std::int32_t value);
    TOvcCaret& CaretIns() const { return FCarets.CaretIns(); }
    void SetCaretIns(TOvcCaret* caret) { FCarets.SetCaretIns(caret); }
    TOvcCaret& CaretOvr() const { return FCarets.CaretOvr(); }
    void SetCaretOvr(TOvcCaret* caret) { FCarets.SetCaretOvr(caret); }
    // The font the view measures its cells with and draws in; any change of it measures
    // the cells again and repaints.
    TOvcFixedFont& FixedFont() { return FFixedFont; }
    const TOvcFixedFont& FixedFont() const { return FFixedFont; }
    // Assigns `font` (see TOvcFixedFont::Assign).
    void SetFixedFont(const TOvcPersistent& font) { FFixedFont.Assign(font); }
    // The colours of the highlight; a change repaints at once.
    TOvcColors& HighlightColors() { return FHighlightColors; }
    void SetHighlightColors(const TOvcColors& colors) { FHighlightColors.Assign(colors); }
    // The background of the text and the margins.
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    // A disabled editor draws its text grey and shows no highlight.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    // Setting it switches the caret shape and places the caret again.
    bool InsertMode() const { return FInsertMode; }
    void SetInsertMode(bool value);
    // Pixels; negative values are ignored.
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int value);
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int value);
    // Accepted in 1..32767.
    std::int32_t ParaLengthLimit() const { return FStore->ParaLengthLimit(); }
    void SetParaLengthLimit(std::int32_t value);
    // Accepted when above 0.
    std::int32_t ParaLimit() const { return FStore->ParaLimit(); }
    void SetParaLimit(std::int32_t value);
    virtual bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    TScrollBars ScrollBars() const { return FScrollBars; }
    // ssNone also turns ScrollBarsAlways off.
    void SetScrollBars(TScrollBars value);
    bool ScrollBarsAlways() const { return FScrollBarsAlways; }
    // Can be on only while ScrollBars is not ssNone.
    void SetScrollBarsAlways(bool value);
    // The caret may stand beyond the end of a line; turning it on turns WordWrap off.
    bool ScrollPastEnd() const { return FScrollPastEnd; }
    void SetScrollPastEnd(bool value);
    bool ShowBookmarks() const { return FShowBookmarks; }
    void SetShowBookmarks(bool value);
    std::uint8_t TabSize() const { return FStore->TabSize(); }
    // 0 is ignored.
    void SetTabSize(std::uint8_t value);
    // How the text's bytes form characters. Setting it reinterprets the text: no byte
    // changes, the caret and the highlight move to the start of the character they are in.
    TCharSet CharSet() const { return FStore->CharSet(); }
    void SetCharSet(TCharSet value);
    // The character set of a new (empty or reset) text.
    TCharSet NewTextCharSet() const { return FNewTextCharSet; }
    void SetNewTextCharSet(TCharSet value) { FNewTextCharSet = value; }
    TTabType TabType() const { return FTabType; }
    void SetTabType(TTabType value);
    // Trailing blanks are removed from each paragraph AppendPara adds.
    bool TrimWhiteSpace() const { return FTrimWhiteSpace; }
    void SetTrimWhiteSpace(bool value) { FTrimWhiteSpace = value; }
    // Setting it replaces the undo buffer (and the history) by an empty one of that size.
    std::uint16_t UndoBufferSize() const { return FStore->UndoBufferSize(); }
    void SetUndoBufferSize(std::uint16_t value);
    bool WantEnter() const { return FWantEnter; }
    void SetWantEnter(bool value) { FWantEnter = value; }
    // Without it the window keeps the Tab key for moving the focus on.
    bool WantTab() const { return FWantTab; }
    void SetWantTab(bool value);
    // Turning it on also sets WrapAtLeft and clears ScrollPastEnd.
    bool WordWrap() const { return FStore->WordWrap(); }
    void SetWordWrap(bool value);
    // Forced on while WordWrap is on.
    bool WrapAtLeft() const { return FWrapAtLeft; }
    void SetWrapAtLeft(bool value);
    // Accepted when above 0.
    std::int32_t WrapColumn() const { return FStore->WrapColumn(); }
    void SetWrapColumn(std::int32_t value);
    // While on together with WordWrap, the wrap column follows the window's width.
    bool WrapToWindow() const { return FWrapToWindow; }
    void SetWrapToWindow(bool value);

    // ---- Events, each called only when assigned
    TEditorNotifyEvent OnChange;
    TEditorErrorEvent OnError;
    TShowStatusEvent OnShowStatus;
    TTopLineChangedEvent OnTopLineChanged;
    TUserCommandEvent OnUserCommand;
    TCharWithoutByteEvent OnCharWithoutByte;
    // Before each display line is painted; a handler that sets WasDrawn paints it itself.
    TEditorDrawLineEvent OnDrawLine;

    // ---- For file loading and search, which work on the same editor
    TParaList& Store() { return *FStore; }
    // A store with one empty paragraph and this editor's limits, wrap settings, tab size and
    // undo buffer size, belonging to no view yet (to be filled by AppendParaTo).
    std::unique_ptr<TParaList> CreateEmptyStore() const;
    // AppendPara into `store`, with this editor's TrimWhiteSpace; nothing is repainted.
    TEditorErrorCode AppendParaTo(TParaList& store, std::string_view text) const;
    // As ResetText, but the text becomes `store` (this editor its owner).
    void AdoptStore(std::unique_ptr<TParaList> store, bool refresh);
    // The highlight as paragraph positions; the caret side is its end or its begin.
    TParaPos HighlightBegin() {
        RefreshPositions();
        return FHighlight.Begin();
    }
    TParaPos HighlightEnd() {
        RefreshPositions();
        return FHighlight.End();
    }
    bool CaretAtHighlightEnd() {
        RefreshPositions();
        return FHighlight.CaretAtEnd();
    }
    // Highlights from `from` to `to` (each clamped to its paragraph) with the caret at `to`.
    void SelectRange(TParaPos from, TParaPos to);
    // Moves the caret to a paragraph position, collapsing the highlight there.
    void SetCaretParaPos(TParaPos at);
    // After changing the store through its primitives (this editor acting): repaints the
    // changed lines (everything when `structural`), marks the scroll range for the next
    // paint, and has the other views of the text refresh.
    void ShowEdit(bool structural);
    // Reports a non-zero code: to OnError when assigned, else raises EEditorError.
    void ReportError(TEditorErrorCode code) { DoOnError(code); }

    // An empty text when the store, the highlight, the caret and the view agree with their
    // invariants, else the first violation.
    std::string CheckInvariants();

    // ---- Input state
    // The character of the current key is not to be typed (the first key of a two-key
    // sequence, Backspace).
    bool SuppressNextChar() const { return FSuppressNextChar; }
    // A left-button drag holds the mouse.
    bool MouseCaptured() const { return FMouseCaptured; }
    // The mouse was last found over the left margin.
    bool InMargin() const { return FInMargin; }

    // ---- TWindowClient
    void Paint(TDrawingSurface& surface, const TRect& clip) override;
    void Resized() override;
    void FocusGained() override;
    void FocusLost() override;
    bool KeyDown(const TKeyMessage& key) override;
    void SysKeyDown(const TKeyMessage& key) override;
    void CharTyped(char32_t ch) override;
    void TextCommitted(std::u32string_view text) override;
    void MouseDown(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void MouseMove(TPoint pos, std::uint8_t shift) override;
    void MouseUp(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void DoubleClick(TMouseButton button, TPoint pos, std::uint8_t shift) override;
    void CursorQuery(TPoint pos) override;
    bool MouseActivate() override;
    void ScrollBarAction(TScrollBarKind bar, TScrollCode code, int pos) override;
    void MessageArrived(const TPostedMessage& message) override;
    void TimerTick(int id) override;

  protected:
    // The event dispatchers; DoOnError is the error reporter.
    virtual void DoOnChange();
    virtual void DoOnError(TEditorErrorCode code);
    virtual void DoOnShowStatus(std::int32_t line, std::int32_t col);
    virtual void DoOnTopLineChanged(std::int32_t line);
    virtual void DoOnUserCommand(TCommandCode command);
    // The line-drawing hook: raises OnDrawLine.
    virtual void DoOnDrawLine(TEditorDrawLine& line);

    TWindowFrame Frame() const override;
    void WindowCreated() override;
    void WindowDestroying() override;

  private:
    struct TCommandEntry;
    struct TPaintContext;
    // A left-button drag in progress: where it began and what the last pass did.
    struct TDrag {
        bool Margin = false;  // whole lines, from the left margin
        bool Extend = false;
        TLineCol Anchor;  // margin drags: the fixed end of the highlight
        std::int32_t LastLine = -1;
        std::int32_t LastCol = -1;
        std::uint32_t LastTime = 0;
        int Base = 0;  // pixels outside the window at which the drag scrolls at full speed
        TPoint Mouse;  // the mouse as last reported
    };
    // One caret move: deltas from the caret, or absolute targets turned into deltas.
    struct TCaretMove {
        std::int32_t ColDelta = 0;
        std::int32_t LineDelta = 0;
        bool Extend = false;
        bool KeepRow = false;           // page moves: the caret keeps its window row
        bool KeepScreenColumn = false;  // relative vertical moves
    };

    // ---- TTextView
    void TextChanged(const TTextChange& change, bool acting) override;
    void RecomputePositions() override;

    // ---- Store and positions (editor_store.cpp)
    void JoinStore(std::shared_ptr<TParaList> store);
    void LeaveStore();
    void ResetViewState();
    // Recomputes the caret's and the top line's display lines and columns from their
    // paragraph positions after changes; cheap when nothing changed.
    void RefreshPositions();
    void ClampPositions();

    // ---- Caret (editor_caret.cpp)
    void MoveCaret(const TCaretMove& move);
    void MoveCaretTo(std::int32_t line, std::int32_t col, bool extend);
    void MoveCaretToPos(TParaPos at, bool extend);
    void PlaceOnLine(std::int32_t line, std::int64_t col, bool vertical);
    std::int32_t MaxColumn(const TLineText& line);
    bool LineContinues(const TLineText& line);
    void FollowCaret(bool extend, std::int32_t oldLine);
    void CollapseHighlight(bool repaint);
    void ExtendHighlight(std::int32_t oldLine);
    TParaPos CaretPointInText();

    // ---- Command handlers (editor_moves.cpp, editor_typing.cpp, editor_new_line.cpp,
    // editor_deletions.cpp, editor_bookmarks.cpp)
    static const TCommandEntry* FindCommand(TCommandCode cmd);
    void MoveLeft(bool extend);
    void MoveRight(bool extend);
    void MoveLines(std::int32_t lines, bool extend, bool keepRow);
    void MovePage(std::int32_t direction, bool extend);
    void MoveHome(bool extend);
    void MoveEnd(bool extend);
    void MoveWordLeft(bool extend);
    void MoveWordRight(bool extend);
    void MoveFirstPage(bool extend);
    void MoveLastPage(bool extend);
    void MoveTopOfPage(bool extend);
    void MoveBotOfPage(bool extend);
    void MoveToMarker(std::uint16_t charCode, bool set);
    void TypeChar(char32_t code);
    void TypeBytes(std::string_view bytes, bool joins);
    std::optional<std::string> BytesToPaste(const TClipboardText& text);
    void InsertSpaces(std::int32_t count);
    std::int32_t FixedTabSpaces();
    std::int32_t SmartTabSpaces();
    void NewLineWith(bool split);
    bool SplitAtCaret(std::int32_t& nextPos);
    bool DeleteHighlight();
    void DeleteRange(TParaPos from, TParaPos to);
    void Del();
    void Back();
    void DelBol();
    void DelEol();
    void DelLine();
    void DelWord();
    bool CopyHighlight();
    TClipboardText HighlightAsClipboardText();
    void OfferHighlight();
    void PastePrimarySelectionAt(TPoint pos);
    void FinishReplay(TParaPos caret);

    // ---- View (control/editor_view.cpp, control/editor_scrolling.cpp)
    void UpdateMetrics();
    void ApplyWrapToWindow();
    void ComputeHScrollRange();
    void SendHRange();
    void SendHPos();
    void SendVRange();
    void SendVPos();
    void ScrollCaretIntoView(std::int32_t oldLine, bool keepRow);
    bool LineVisible(std::int32_t line) const;
    std::int32_t CaretScreenColumn();
    TRect TextRect() const;
    void MovePixels(std::int32_t oldTop, std::int32_t oldLeft);
    void SetTopLineValue(std::int32_t line);
    void ThumbTo(TScrollBarKind bar, int pos);
    void FontChanged();

    // ---- Painting (control/editor_paint.cpp)
    TPaintContext MakePaintContext(const TRect& clip);
    void PaintRows(TDrawingSurface& surface, const TPaintContext& context);
    void DrawBookmarks(TDrawingSurface& surface, const TPaintContext& context);
    void DrawContinuationMarks(TDrawingSurface& surface, const TPaintContext& context);
    void DrawLine(TDrawingSurface& surface, const TPaintContext& context, std::int32_t row);
    void CollectPaintChars(std::string_view text);
    void DrawUtf8Runs(TDrawingSurface& surface, const TPaintContext& context, const TRect& rowRect,
                      std::string_view text, std::int32_t line);
    void DrawRuns(TDrawingSurface& surface, const TPaintContext& context, const TRect& rowRect,
                  std::string_view visible, std::int32_t line);

    // ---- Input (control/editor_keys.cpp, editor_mouse.cpp, editor_double_click.cpp)
    bool HandleKey(const TKeyMessage& key);
    TLineCol MouseToText(TPoint pos);
    void DragPass();
    void DragMarginTo(std::int32_t line, bool above);
    void EndDrag();
    void SelectParagraphAt(std::int32_t line, bool extend);
    void SelectWordAt(TLineCol at, bool extend);

    std::shared_ptr<TParaList> FStore;
    TOvcCaretPair FCarets;
    THighlight FHighlight;

    // Caret and top line: paragraph positions (the truth) and their display coordinates,
    // valid while FLinesStale is false. The top position is the first character of the
    // top line.
    TParaPos FCaretPos{1, 1};
    std::int32_t FCaretLine = 1;
    std::int32_t FCaretCol = 1;
    TParaPos FTopPos{1, 1};
    std::int32_t FTopLine = 1;
    bool FLinesStale = false;
    std::uint64_t FTextChanges = 0;

    // View state
    std::int32_t FLeftColumn = 0;
    std::int32_t FVisibleRows = 1;
    std::int32_t FVisibleColumns = 1;
    int FCharWidth = 1;
    int FLineHeight = 1;
    std::int32_t FHScrollRange = 0;
    std::int32_t FVScrollScale = 1;
    std::int32_t FVScrollRange = 0;
    bool FRepaintPending = false;
    bool FVRangeStale = false;
    bool FVPosStale = false;
    bool FHPosStale = false;

    // Properties kept here (the others are the store's)
    bool FAutoIndent = false;
    bool FHideSelection = true;
    bool FInsertMode = true;
    int FLeftMargin = 15;
    int FRightMargin = 5;
    bool FReadOnly = false;
    TScrollBars FScrollBars = ssBoth;
    bool FScrollBarsAlways = false;
    bool FScrollPastEnd = false;
    bool FShowBookmarks = true;
    TTabType FTabType = ttReal;
    bool FTrimWhiteSpace = true;
    bool FWantEnter = true;
    bool FWantTab = false;
    bool FWrapAtLeft = true;
    bool FWrapToWindow = false;
    TCharSet FNewTextCharSet = chUtf8;
    TOvcFixedFont FFixedFont;
    TOvcColors FHighlightColors{SystemColor(sciHighlight), SystemColor(sciHighlightText)};
    TColor FColor = SystemColor(sciWindow);
    bool FEnabled = true;
    const TBitmap* FMarkerGlyphs = nullptr;  // while bookmarks are shown in a window
    std::string FPaintLine;                  // a painted line with its tabs expanded
    std::vector<TCellChar> FPaintChars;      // a painted UTF-8 line's visible characters

    // Input state
    bool FSuppressNextChar = false;
    bool FMouseCaptured = false;
    bool FHighlightOffered = false;  // OfferHighlight ran during the current key
    bool FInMargin = false;
    TDrag FDrag;
};

}  // namespace wendax
