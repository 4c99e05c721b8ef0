// The compound primitives, each one undo group: line break, join, region deletion and
// multi-line insertion.
#include <algorithm>

#include "engine/para_list.h"
#include "engine/scoped_flag.h"
#include "engine/undo_group.h"

namespace wendax {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Number of blanks right before offset `end`.
std::int32_t BlanksBefore(std::string_view text, std::int32_t end) {
    std::int32_t count = 0;
    while (end - count > 0 && IsBlank(text[static_cast<std::size_t>(end - count - 1)]))
        ++count;
    return count;
}

// `width` columns of indent: tabs of `tabSize` then spaces, or only spaces without a tab size.
std::string BuildIndent(std::int32_t width, std::int32_t tabSize) {
    if (tabSize <= 0) return std::string(static_cast<std::size_t>(width), ' ');
    std::string indent(static_cast<std::size_t>(width / tabSize), '\t');
    indent.append(static_cast<std::size_t>(width % tabSize), ' ');
    return indent;
}

}  // namespace

// Line break inside a paragraph (p > 1), with the markers and views told once at the end:
//
//   before:  k: [ head blanks | tail ]
//   after:   k: [ head ]                      (blanks dropped when trimming and tail not empty)
//          k+1: [ indent | tail ]
//
// Records: caret (k, p), paragraph k+1 inserted (with k's line end; k gets the text's style
// if it had none), tail (and blanks) deleted from k, indent inserted, caret (k+1, indent + 1).
TEditorErrorCode TParaList::SplitPara(TTextView* view, std::int32_t para, std::int32_t p, bool trim,
                                      std::int32_t& indent, std::int32_t indentTabSize) {
    const TParaRef ref = FindPara(para);
    if (ref == 0) return eeOk;
    p = std::clamp(p, 1, Node(ref).Length + 1);
    if (p == 1) return InsertParaBefore(view, para, {});
    TEditorErrorCode code = eeOk;
    {
        TUndoGroup group(*FUndo);
        TScopedFlag quiet(FNotifyEnabled, false);
        RecordCaret(para, p);
        const std::string_view text = FStorage.Text(Node(ref));
        if ((code = InsertParaAfter(view, para, text.substr(static_cast<std::size_t>(p - 1)))) !=
            eeOk)
            return code;
        const std::int32_t length = Node(ref).Length;
        if (p <= length) {
            const std::int32_t blanks = trim ? BlanksBefore(text, p - 1) : 0;
            DeleteChars(view, para, p - blanks, length - p + 1 + blanks);
        }
        if (indent > 0) {
            const std::string chars = BuildIndent(indent, indentTabSize);
            code = InsertChars(view, para + 1, 1, chars);
            indent = code == eeOk ? static_cast<std::int32_t>(chars.size()) : 0;
        }
        RecordCaret(para + 1, std::max(indent, 0) + 1);
    }
    Notify(view, {tcParaSplit, para, std::max(indent, 0), p});
    return code;
}

// Join of paragraph k + 1 onto paragraph k at p:
//
//   before:  k: [ text ]            k+1: [ next ]
//   after:   k: [ text spaces next ]      (spaces fill the gap when p is beyond the end)
//
// k takes the line end of k + 1: the line end between them is what goes.
TEditorErrorCode TParaList::JoinParas(TTextView* view, std::int32_t para, std::int32_t p) {
    const TParaRef ref = FindPara(para);
    if (ref == 0 || Node(ref).Next == 0) return eeOk;
    const std::int32_t length = Node(ref).Length;
    p = std::max(p, length + 1);
    TUndoGroup group(*FUndo);
    if (p == 1) {  // paragraph k is empty: drop it, its successor takes its number
        {
            TScopedFlag quiet(FNotifyEnabled, false);
            DeletePara(view, para);
        }
        Notify(view, {tcParasJoined, para, 0, 1});
        return eeOk;
    }
    const std::string_view next = FStorage.Text(Node(Node(ref).Next));
    const auto d = static_cast<std::int64_t>(next.size());
    if (CheckLimits(para, 0, d + p - 1 - length) != eeOk) return eeCannotJoin;
    const TLineEnd nextEnd = Node(Node(ref).Next).LineEnd();
    TEditorErrorCode code = eeOk;
    {
        TScopedFlag quiet(FNotifyEnabled, false);
        if (d > 0) code = InsertChars(view, para, p, next);
        if (code == eeOk) {
            DeletePara(view, para + 1);
            SetLineEnd(para, nextEnd);
        }
        RecordCaret(para, p);
    }
    if (code != eeOk) return code;
    Notify(view, {tcParasJoined, para, 0, p});
    return eeOk;
}

void TParaList::DeleteRegion(TTextView* view, std::int32_t para1, std::int32_t p1,
                             std::int32_t para2, std::int32_t p2) {
    if (para1 < 1 || para1 >= para2 || para2 > FParaCount) return;
    TUndoGroup group(*FUndo);
    if (p1 == 1 && p2 == 1) {
        for (std::int32_t i = para1; i < para2; ++i)
            DeletePara(view, para1);
        return;
    }
    const std::int32_t length1 = ParaLength(para1);
    if (p1 <= length1) DeleteChars(view, para1, p1, length1 - p1 + 1);
    if (p2 > 1) DeleteChars(view, para2, 1, p2 - 1);
    for (std::int32_t i = para1 + 1; i < para2; ++i)
        DeletePara(view, para1 + 1);
    JoinParas(view, para1, ParaLength(para1) + 1);
}

// Pieces end after each line feed; a piece ends a line when it ends in carriage returns or
// line feeds, which are dropped (a carriage return inside a line is a character).
TEditorErrorCode TParaList::InsertText(TTextView* view, TParaPos& at, std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (FindPara(at.Para) == 0) return eeOk;
    at.Pos = std::max(at.Pos, 1);
    const std::size_t firstBreak = text.find('\n');
    const bool onePiece = firstBreak == std::string_view::npos || firstBreak + 1 == text.size();
    if (onePiece && (text.empty() || (text.back() != '\r' && text.back() != '\n'))) {
        const TEditorErrorCode code = InsertChars(view, at.Para, at.Pos, text);
        if (code == eeOk) at.Pos += static_cast<std::int32_t>(text.size());
        return code;
    }
    const TParaPos start = at;
    TEditorErrorCode code = eeOk;
    {
        TUndoGroup group(*FUndo);
        while (!text.empty() && code == eeOk) {
            const std::size_t end = std::min(text.find('\n'), text.size() - 1) + 1;
            code = InsertTextPiece(view, at, text.substr(0, end));
            text.remove_prefix(end);
        }
    }
    FChangedFrom = std::max(ParaToLine(start).Line - 1, 1);
    FChangedTo = kMaxInt32;
    return code;
}

TEditorErrorCode TParaList::InsertTextPiece(TTextView* view, TParaPos& at, std::string_view piece) {
    std::string_view line = piece;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.remove_suffix(1);
    const bool endsLine = line.size() < piece.size();
    TEditorErrorCode code = eeOk;
    if (endsLine && at.Pos == 1) {
        code = InsertParaBefore(view, at.Para, line);
    } else {
        if (!line.empty() && (code = InsertChars(view, at.Para, at.Pos, line)) == eeOk) {
            at.Pos += static_cast<std::int32_t>(line.size());
        }
        // The line break is a new paragraph and two more bytes: tested like any piece.
        if (code == eeOk && endsLine) code = CheckLimits(0, 1, 2);
        std::int32_t noIndent = 0;
        if (code == eeOk && endsLine) code = SplitPara(view, at.Para, at.Pos, true, noIndent, 0);
    }
    if (code == eeOk && endsLine) at = {at.Para + 1, 1};
    return code;
}

}  // namespace wendax
