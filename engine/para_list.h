// The paragraph store: the text of one editor as a doubly linked list of paragraphs with
// their display lines, the counters, limits and wrap settings, the ten markers, the ring of
// views showing it, and the undo history. Every change goes through the edit primitives.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "base/editor_errors.h"
#include "engine/char_set.h"
#include "engine/char_set_conversion.h"
#include "engine/markers.h"
#include "engine/para_index.h"
#include "engine/para_storage.h"
#include "engine/para_wrapper.h"
#include "engine/text_change.h"
#include "engine/text_positions.h"
#include "engine/text_view.h"
#include "engine/undo_buffer.h"
#include "engine/view_ring.h"

namespace wendax {

// One display line as GetLine finds it. Text points into the paragraph and is valid until
// the next change; Para 0 means the line does not exist.
struct TLineText {
    std::string_view Text;
    std::int32_t Para = 0;
    std::int32_t Offset = 0;      // of the line's first character within the paragraph
    std::int32_t LineInPara = 1;  // 1-based
};

// Reads paragraph texts in list order, for scans that visit paragraph after paragraph:
// cheaper than ParaText, as it neither looks up the paragraph nor moves the position cache.
// Valid until the store changes.
class TParaCursor {
  public:
    // The paragraph under the cursor; 0 once the cursor has left the text.
    std::int32_t Para() const { return FPara; }
    std::string_view Text() const { return FStorage->Text(FStorage->Node(FNode)); }
    TLineEnd LineEnd() const { return FStorage->Node(FNode).LineEnd(); }
    void Next() { Step(FStorage->Node(FNode).Next, 1); }
    void Prev() { Step(FStorage->Node(FNode).Prev, -1); }

  private:
    friend class TParaList;
    TParaCursor(const TParaStorage& storage, TParaRef node, std::int32_t para)
        : FStorage(&storage), FNode(node), FPara(node == 0 ? 0 : para) {}
    void Step(TParaRef node, std::int32_t delta) {
        FNode = node;
        FPara = node == 0 ? 0 : FPara + delta;
    }

    const TParaStorage* FStorage;
    TParaRef FNode;
    std::int32_t FPara;
};

// Invariants (CheckInvariants): ParaCount >= 1 and equals the paragraphs in the list;
// LineCount is the sum of Lines; ByteCount is the sum of Length plus 2 per paragraph but the
// last; every paragraph's line starts equal a full wrap of its text with the current wrap
// width and tab size; the cache names an existing display line and the first line number
// of its paragraph; markers lie in paragraphs 0..ParaCount; the index blocks cover the list
// with their counts and the cache's block is the one holding the cached paragraph.
class TParaList final : private THeldParaReleaser {
  public:
    static constexpr std::uint16_t kDefaultUndoBufferSize = 8192;

    // One empty paragraph, no markers, an empty history. `owner` (may be none) is the first
    // view of the ring. Raises EOutOfMemory.
    TParaList(TTextView* owner, bool wordWrap,
              std::uint16_t undoBufferSize = kDefaultUndoBufferSize);
    ~TParaList();
    TParaList(const TParaList&) = delete;
    TParaList& operator=(const TParaList&) = delete;

    // ---- Counters
    std::int32_t ParaCount() const { return FParaCount; }
    std::int32_t LineCount() const { return FLineCount; }
    // Size of the text written with a two-byte break between paragraphs: what the limits
    // count.
    std::int64_t ByteCount() const { return FByteCount; }
    // Size of the text as the file would hold it, with the line end of every paragraph
    // (an empty last paragraph is not written at all, see text_file_writer.h).
    std::int64_t FileBytes() const;

    // ---- Line ends. Every paragraph carries the line end written after it (line_end.h);
    // leNone after a paragraph that is not the last marks the next one as a continuation
    // of the same line of the file.
    TLineEnd LineEnd(std::int32_t n);
    // Whether paragraph n continues the line of the file that paragraph n - 1 began.
    bool IsContinuation(std::int32_t n) { return n > 1 && LineEnd(n - 1) == leNone; }
    // The most common of LF, CR LF and CR among the paragraphs (LF, then CR LF, on a tie):
    // the line end a line break made by an edit takes where there is none to inherit.
    TLineEnd LineEndStyle() const;
    // Number of paragraphs with line end `end`.
    std::int32_t LineEndCount(TLineEnd end) const { return FLineEnds[end]; }

    // ---- Settings. Setters ignore unchanged values. Changing the word wrap, or the wrap
    // column or tab size while wrapping, re-wraps every paragraph (busy cursor above 10000
    // bytes) and asks every view to recompute its positions.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    std::int32_t WrapColumn() const { return FWrapColumn; }
    void SetWrapColumn(std::int32_t value);
    std::uint8_t TabSize() const { return FTabSize; }
    void SetTabSize(std::uint8_t value);  // 0 is ignored
    // How the bytes form characters; 8-bit in a new store. Changing it changes no byte: it
    // re-wraps (while wrapping) and asks every view to recompute its positions.
    TCharSet CharSet() const { return FCharSet; }
    void SetCharSet(TCharSet value);
    // Converts the text into `to`: every paragraph's bytes are rewritten into that set and
    // the set becomes `to`, as one undo step (undo converts back) whose undo puts the caret
    // at `caret`. Refused, with nothing changed, when a character has no bytes in `to` or
    // the converted text would break the byte limit or a paragraph's length limit. Every
    // position (views, markers) keeps the number of code points before it in its paragraph,
    // which is its character index in any text that converts. Nothing when the text is in
    // `to` already.
    TCharSetConversion ConvertCharSet(TTextView* view, TCharSet to, TParaPos caret);
    std::int32_t ByteLimit() const { return FByteLimit; }
    void SetByteLimit(std::int32_t value) { FByteLimit = value; }
    std::int32_t ParaLimit() const { return FParaLimit; }
    void SetParaLimit(std::int32_t value) { FParaLimit = value; }
    std::int32_t ParaLengthLimit() const { return FParaLengthLimit; }
    void SetParaLengthLimit(std::int32_t value) { FParaLengthLimit = value; }
    std::uint16_t UndoBufferSize() const { return FUndo->Size(); }
    // Replaces the undo buffer (and its history) by an empty one of `size` bytes.
    void SetUndoBufferSize(std::uint16_t size);

    // The text changed since it was loaded or saved. Clearing it marks every undo record as
    // made on a modified text, so that undoing past this point sets it again.
    bool Modified() const { return FModified; }
    void SetModified(bool value);
    bool NotifyEnabled() const { return FNotifyEnabled; }
    bool Replaying() const { return FReplaying; }

    // Display lines to repaint after the last character-level change; ChangedTo is
    // kMaxInt32 when everything below ChangedFrom may have moved.
    std::int32_t ChangedFrom() const { return FChangedFrom; }
    std::int32_t ChangedTo() const { return FChangedTo; }

    // ---- Views
    TTextView* Owner() const { return FViews.Owner(); }
    const TViewRing& Views() const { return FViews; }
    // Joins the ring right after the owner.
    void AddView(TTextView* view) { FViews.Add(view); }
    // Leaves the ring; the next view becomes owner. Returns true when no view is left (the
    // store is then to be destroyed).
    bool RemoveView(TTextView* view) { return FViews.Remove(view); }
    // Moves a view's position across a change just told to it.
    void MoveViewPosition(const TTextChange& change, TParaPos& position) {
        if (change.Kind == tcCharSetConverted) {
            position = ConvertedPosition(position);
        } else {
            wendax::MoveViewPosition(change, position, FParaCount);
        }
    }

    // ---- Markers 0..9; other numbers are ignored and read as unset.
    TParaPos Marker(std::int32_t n) const { return FMarkers.Get(n); }
    // Sets marker n; paragraph 0 clears it, a paragraph that does not exist is ignored.
    void PutMarker(std::int32_t n, std::int32_t para, std::int32_t pos);
    // Sets marker n at column `col` of display line `line`.
    void PutMarkerAtLine(std::int32_t n, std::int32_t line, std::int32_t col);

    // ---- Lookups. They move the position cache and change nothing else.
    // Paragraph n, or 0 when n is outside 1..ParaCount.
    TParaRef FindPara(std::int32_t n);
    // Text of paragraph n (empty when it does not exist), valid until the next change.
    std::string_view ParaText(std::int32_t n);
    // A cursor on paragraph n (Para 0 when n does not exist).
    TParaCursor CursorAt(std::int32_t n) { return {FStorage, FindPara(n), n}; }
    std::int32_t ParaLength(std::int32_t n);
    std::int32_t ParaLines(std::int32_t n);
    // Display line n (1..LineCount; with word wrap off the whole paragraph n).
    TLineText GetLine(std::int32_t n);
    std::int32_t LineLength(std::int32_t n) {
        return static_cast<std::int32_t>(GetLine(n).Text.size());
    }
    // Tab-expanded width of display line n.
    std::int32_t LineWidth(std::int32_t n);
    // Display line and column of a position; the paragraph is clamped into 1..ParaCount.
    TLineCol ParaToLine(TParaPos at);
    // Where display line `line` begins (line clamped into 1..LineCount).
    TLineStart LineToPara(std::int32_t line);
    // Line within the paragraph (1-based) and column of position p: the last line starting
    // before p, so Length + 1 is on the last line and a line's first character in column 1.
    TLineCol LineOfPos(TParaRef para, std::int32_t p) const;
    std::int32_t PosToColumn(std::string_view line, std::int32_t p) const;
    std::int32_t ColumnToPos(std::string_view line, std::int32_t column) const;

    // 0 when `newParas` more paragraphs and `newBytes` more bytes fit, in paragraph `para`
    // when it is not 0: else eeTooManyParagraphs, eeTextTooLarge or eeParagraphTooLong, in
    // that order of testing. A trailing empty paragraph does not count against ParaLimit.
    TEditorErrorCode CheckLimits(std::int32_t para, std::int32_t newParas, std::int64_t newBytes);

    // For loading only: `text` becomes a new paragraph before the last one (the store's
    // empty last paragraph stays last), without trailing blanks when `trim`. Nothing is
    // recorded, no marker moves, no view is told. eeParagraphTooLong above kMaxParaLength.
    TEditorErrorCode AppendLoadedPara(std::string_view text, bool trim, TLineEnd end);
    // For loading only, after the last line: a file without a final line end gives up the
    // store's empty last paragraph (its last line, with leNone, is the last paragraph);
    // otherwise the empty last paragraph takes the text's LineEndStyle.
    void EndLoading(bool finalLineEnd);

    // ---- Edit primitives. Each takes the acting view first (may be none). A paragraph that
    // does not exist makes a primitive do nothing and return 0. Limits are tested before
    // anything changes. Each sets Modified, records its undo record (not while replaying),
    // moves the markers and tells every view (while NotifyEnabled).
    // Text arguments hold no NUL, and no line break except where stated.

    // Inserts `text` at position p (>= 1); beyond the end the gap is first filled with
    // spaces.
    TEditorErrorCode InsertChars(TTextView* view, std::int32_t para, std::int32_t p,
                                 std::string_view text);
    // Deletes up to `count` characters from position p (only those that exist).
    void DeleteChars(TTextView* view, std::int32_t para, std::int32_t p, std::int32_t count);
    // Overwrites the `oldCount` characters at p (1 <= p <= Length + 1; cut to those that
    // exist) by `text`. Tests no limit except the paragraph's largest size.
    TEditorErrorCode ReplaceChars(TTextView* view, std::int32_t para, std::int32_t p,
                                  std::int32_t oldCount, std::string_view text);
    // `text` becomes paragraph `para`, with the line end of the paragraph that had that
    // number (LineEndStyle where that one has none); the cache moves to it.
    TEditorErrorCode InsertParaBefore(TTextView* view, std::int32_t para, std::string_view text);
    // `text` becomes paragraph para + 1 and takes paragraph para's line end; paragraph para,
    // when it had none, gets LineEndStyle. Tests no limit except the largest paragraph size.
    TEditorErrorCode InsertParaAfter(TTextView* view, std::int32_t para, std::string_view text);
    // Sets the line end after paragraph `para`. Line ends move no position and re-wrap
    // nothing, so no view is told (the editor repaints after its edits).
    void SetLineEnd(std::int32_t para, TLineEnd end);
    // Every paragraph that has a line end gets `end` (one without keeps none): one undo
    // step, whose undo puts the caret back at `caret`. Returns whether anything changed.
    bool ConvertLineEnds(TLineEnd end, TParaPos caret);
    // Removes paragraph `para`; the only paragraph is never removed.
    void DeletePara(TTextView* view, std::int32_t para);
    // Line break at p (cut to Length + 1). At p = 1 an empty paragraph is inserted before.
    // Otherwise the rest becomes paragraph para + 1 and starts with an indent of `indent`
    // columns (tabs of `indentTabSize` then spaces, or only spaces when it is 0); `indent`
    // returns the number of indent characters inserted. With `trim` the blanks before p go
    // when text followed p. One undo group. Tests no limit (callers do).
    TEditorErrorCode SplitPara(TTextView* view, std::int32_t para, std::int32_t p, bool trim,
                               std::int32_t& indent, std::int32_t indentTabSize);
    // Appends paragraph para + 1 to paragraph `para` at p (raised to Length + 1; beyond the
    // end the gap is filled with spaces); the result keeps the line end of para + 1.
    // eeCannotJoin when the result would break a limit.
    TEditorErrorCode JoinParas(TTextView* view, std::int32_t para, std::int32_t p);
    // Deletes from (para1, p1) up to (para2, p2), para1 < para2. One undo group.
    void DeleteRegion(TTextView* view, std::int32_t para1, std::int32_t p1, std::int32_t para2,
                      std::int32_t p2);
    // Inserts `text` (up to its first NUL, if any) at `at`, a new paragraph after every line
    // feed and after carriage returns ending the text, each taking the line end of the
    // paragraph the text lands in; `at` returns the position after the
    // inserted text. One undo group when a line ends. Returns the first failure; pieces
    // before it stay inserted.
    TEditorErrorCode InsertText(TTextView* view, TParaPos& at, std::string_view text);

    // ---- Undo
    TUndoBuffer& UndoBuffer() { return *FUndo; }
    const TUndoBuffer& UndoBuffer() const { return *FUndo; }
    // Reverses the newest group (nothing when there is none); `caret` returns where the
    // group's oldest change happened. Returns the restored Modified.
    bool Undo(TTextView* view, TParaPos& caret);
    // Repeats the next group (nothing when there is none); `caret` returns where it ends.
    void Redo(TTextView* view, TParaPos& caret);

    // ---- Checks. An empty text when every invariant holds, else the first violation.
    std::string CheckInvariants();
    // Memory of the paragraphs: bytes in use and bytes obtained from the system.
    std::size_t MemoryUsed() const { return FStorage.UsedBytes(); }
    std::size_t MemoryReserved() const { return FStorage.ReservedBytes(); }

  private:
    void ReleaseHeldPara(TArenaRef para) override { FStorage.Destroy(para); }

    TParaNode& Node(TParaRef para) const { return FStorage.Node(para); }
    TWrapParams WrapParams() const;
    void RewrapAll();
    void ChangeSetting(bool rewrap);
    bool LastParaIsEmpty() const { return Node(FLast).Length == 0; }

    // Lookup helpers
    void SetCache(TParaRef node, std::int32_t block, std::int32_t para, std::int32_t line,
                  std::int32_t lineInPara);
    void SetCacheAtLast(std::int32_t lineInPara);
    void SetCacheAtBlockEnd(TBlockStart start);
    // The cache moves to the next or the previous paragraph, keeping its block; its line
    // fields are the caller's. Inline: every step of a walk is one.
    void StepCacheNext() {
        const TParaRef next = Node(FCacheNode).Next;
        if (next == FIndex.FirstAfter(FCacheBlock)) ++FCacheBlock;
        FCacheNode = next;
        ++FCachePara;
    }
    void StepCachePrev() {
        if (FCacheNode == FIndex.Block(FCacheBlock).First) --FCacheBlock;
        FCacheNode = Node(FCacheNode).Prev;
        --FCachePara;
    }
    void WalkToPara(std::int32_t n);
    void JumpToPara(std::int32_t n);
    void WalkToLine(std::int32_t n);
    void JumpToLine(std::int32_t n);
    TLineText CachedLine() const;

    // Primitive helpers
    TParaRef CreateWrapped(std::string_view text);
    void LinkBefore(TParaRef para, TParaRef next);
    void LinkAfter(TParaRef para, TParaRef prev);
    void Unlink(TParaRef para, std::int32_t block);
    // Counts a paragraph just linked next to a paragraph of index block `block` and adds it
    // to that block. Inline: loading a file runs it per paragraph.
    void CountIn(TParaRef para, std::int32_t block) {
        const TParaNode& node = Node(para);
        ++FParaCount;
        FLineCount += node.Lines();
        FByteCount += node.Length + 2;
        ++FLineEnds[node.LineEnd()];
        TIndexCursor cache{FCacheNode, FCacheBlock};
        FIndex.Linked(block, para, cache);
        FCacheBlock = cache.Block;
    }
    void SpliceText(TParaNode& node, std::int32_t at, std::int32_t removed, std::int32_t pad,
                    std::string_view text);
    void Notify(TTextView* view, TTextChange change);
    void RecordCaret(std::int32_t para, std::int32_t pos);
    void Relink(TTextView* view, std::int32_t para, TParaRef held);
    TEditorErrorCode InsertTextPiece(TTextView* view, TParaPos& at, std::string_view piece);

    // Replay helpers
    void UndoStep(TTextView* view, const TUndoStep& step);
    void ReplayLineEnds(const TUndoStep& step, bool undo);
    void ChangeLineEnd(TParaNode& node, TLineEnd end);
    void RedoStep(TTextView* view, const TUndoStep& step, TParaPos& caret);

    // Character set conversion helpers
    TCharSetConversion CheckConversion(TCharSet to);
    // Converts every paragraph (the conversion must succeed) and tells every view.
    void RewriteCharSet(TTextView* view, TCharSet to);
    void ReplayCharSet(TTextView* view, const TUndoStep& step, bool undo);
    void RewriteParas(TCharSet to);
    // Where a position of the text before the last conversion stands now.
    TParaPos ConvertedPosition(TParaPos at);

    // Checks
    std::string CheckList();
    std::string CheckPara(TParaRef para) const;
    std::string CheckCache();

    TParaStorage FStorage;  // declared first: destroyed last, after the undo buffer
    TParaWrapper FWrapper{FStorage};
    std::string FRemoved;  // characters removed by the last splice
    TParaRef FFirst;
    TParaRef FLast;
    TParaRef FCacheNode;
    TParaIndex FIndex;
    std::int32_t FCacheBlock = 0;  // the index block holding the cached paragraph
    std::int32_t FCachePara = 1;
    std::int32_t FCacheLine = 1;
    std::int32_t FCacheLineInPara = 1;
    std::int32_t FParaCount = 1;
    std::int64_t FByteCount = 0;
    std::int32_t FLineEnds[kLineEndKinds] = {1, 0, 0, 0};  // paragraphs by TLineEnd
    std::int32_t FLineCount = 1;
    std::int32_t FParaLimit = kMaxInt32;
    std::int32_t FByteLimit = kMaxInt32;
    std::int32_t FParaLengthLimit = kMaxParaLength;
    bool FWordWrap;
    std::int32_t FWrapColumn = 80;
    std::uint8_t FTabSize = 8;
    TCharSet FCharSet = chEightBit;
    bool FModified = false;
    bool FNotifyEnabled = true;
    bool FReplaying = false;
    std::int32_t FChangedFrom = 1;
    std::int32_t FChangedTo = 1;
    TMarkers FMarkers;
    TViewRing FViews;
    std::unique_ptr<TUndoBuffer> FUndo;
};

}  // namespace wendax
