// Painting the editor: the margins, the bookmark glyphs, each visible line in at most three
// opaque runs (before, inside and after the highlight), and the partial row below the last
// whole row. Every pixel of the clip is painted; nothing is erased beforehand.
#include <algorithm>
#include <array>

#include "base/exceptions.h"
#include "control/custom_editor.h"
#include "control/marker_glyphs.h"
#include "control/row_runs.h"
#include "engine/char_set.h"
#include "engine/display_columns.h"

namespace wendax {

struct TOvcCustomEditor::TPaintContext {
    TRect Text;  // the text rectangle
    int ClientWidth = 0;
    int ClientBottom = 0;
    TRect Clip;
    // Rows to paint, 1-based; LastRow is VisibleRows + 1 when the partial row is included.
    std::int32_t FirstRow = 1;
    std::int32_t LastRow = 0;
    TColor Fore = 0;
    TColor Back = 0;
    TColor HighFore = 0;
    TColor HighBack = 0;
    // The highlight shown, as display lines and screen columns; all 0 when none is shown.
    TLineCol HighBegin;
    TLineCol HighEnd;
};

namespace {

bool IsAscii(std::string_view text) {
    unsigned char any = 0;
    for (const char c : text)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// The runs of a row of `length` cells shown from cell `left` of display line `line`, with
// the highlight from `begin` up to `end` (display lines and screen columns; line 0: none).
// On the highlight's first line it starts at its screen column, on its last it ends before
// its end's screen column; lines between are highlighted whole.
TRowRuns RowRuns(TLineCol begin, TLineCol end, std::int32_t line, std::int32_t left,
                 std::int32_t length) {
    std::int32_t from = length;
    std::int32_t to = length;
    if (begin.Line != 0 && line >= begin.Line && line <= end.Line) {
        from = line == begin.Line ? begin.Col - left - 1 : 0;
        to = line == end.Line ? end.Col - left - 1 : length;
    }
    return SplitRow(length, from, to);
}

// The display line and screen column of a paragraph position.
TLineCol ScreenPoint(TParaList& store, TParaPos at) {
    TLineCol point = store.ParaToLine(at);
    point.Col = store.PosToColumn(store.GetLine(point.Line).Text, point.Col);
    return point;
}

}  // namespace

TOvcCustomEditor::TPaintContext TOvcCustomEditor::MakePaintContext(const TRect& clip) {
    TPaintContext context;
    const TSize client = Window()->ClientSize();
    context.Text = TextRect();
    context.ClientWidth = client.Width;
    context.ClientBottom = client.Height;
    context.Clip = clip;
    context.FirstRow = std::max(clip.Top / FLineHeight + 1, 1);
    context.LastRow = std::min((clip.Bottom + FLineHeight - 1) / FLineHeight, FVisibleRows + 1);
    if (context.LastRow == FVisibleRows) context.LastRow = FVisibleRows + 1;
    context.Fore = FEnabled ? FFixedFont.Color() : SystemColor(sciGrayText);
    context.Back = FColor;
    context.HighFore = FHighlightColors.TextColor();
    context.HighBack = FHighlightColors.BackColor();
    const bool hidden = FHideSelection && !Window()->HasFocus();
    if (FEnabled && !FHighlight.IsEmpty() && !hidden) {
        context.HighBegin = ScreenPoint(*FStore, FHighlight.Begin());
        context.HighEnd = ScreenPoint(*FStore, FHighlight.End());
    }
    return context;
}

void TOvcCustomEditor::Paint(TDrawingSurface& surface, const TRect& clip) {
    RefreshPositions();
    surface.SelectFont(FFixedFont.Request());
    const TPaintContext context = MakePaintContext(clip);
    surface.FillRect({0, clip.Top, FLeftMargin, clip.Bottom}, context.Back);
    surface.FillRect({context.Text.Right, clip.Top, context.ClientWidth, clip.Bottom},
                     context.Back);
    DrawContinuationMarks(surface, context);
    if (FShowBookmarks) DrawBookmarks(surface, context);
    PaintRows(surface, context);
    FRepaintPending = false;
    if (FVRangeStale) SendVRange();
    if (FVPosStale) SendVPos();
    if (FHPosStale) SendHPos();
    FVRangeStale = FVPosStale = FHPosStale = false;
    PlaceCaret(0);
}

void TOvcCustomEditor::PaintRows(TDrawingSurface& surface, const TPaintContext& context) {
    const std::int32_t lastWhole = std::min(context.LastRow, FVisibleRows);
    for (std::int32_t row = context.FirstRow; row <= lastWhole; ++row)
        DrawLine(surface, context, row);
    if (context.LastRow <= FVisibleRows) return;
    const TRect partial{context.Text.Left, FVisibleRows * FLineHeight, context.Text.Right,
                        context.ClientBottom};
    if (!partial.IsEmpty()) surface.FillRect(partial, context.Back);
}

// The glyph of the first set bookmark (in number order) on each painted line, centred
// vertically when the row has room for it.
void TOvcCustomEditor::DrawBookmarks(TDrawingSurface& surface, const TPaintContext& context) {
    if (FMarkerGlyphs == nullptr) return;
    const TBitmap& glyphs = *FMarkerGlyphs;
    const int width = glyphs.Width / kMarkerGlyphCount;
    if (width <= 0 || FLeftMargin < width) return;
    std::array<std::int32_t, kMarkerGlyphCount> lines{};
    for (int n = 0; n < kMarkerGlyphCount; ++n) {
        const TParaPos at = FStore->Marker(n);
        if (at.Para == 0) continue;
        if (at.Para > ParaCount()) throw EInvalidLineOrPara();
        lines[static_cast<std::size_t>(n)] = FStore->ParaToLine(at).Line;
    }
    const std::int32_t lastWhole = std::min(context.LastRow, FVisibleRows);
    for (std::int32_t row = context.FirstRow; row <= lastWhole; ++row) {
        const auto it = std::find(lines.begin(), lines.end(), FTopLine + row - 1);
        if (it == lines.end()) continue;
        const int n = static_cast<int>(it - lines.begin());
        int y = (row - 1) * FLineHeight;
        if (FLineHeight >= glyphs.Height + 2) y += (FLineHeight - glyphs.Height) / 2;
        surface.DrawBitmap(glyphs, {12 * n, 0, 12 * n + width, glyphs.Height}, {1, y});
    }
}

// A hooked arrow in the left margin of the first row of every continuation paragraph: that
// row goes on the line of the file that the row above began (a line longer than a
// paragraph holds). Drawn under the bookmark glyphs, in the text colour.
void TOvcCustomEditor::DrawContinuationMarks(TDrawingSurface& surface,
                                             const TPaintContext& context) {
    if (FLeftMargin < 7) return;
    const int unit = std::max(1, FLineHeight / 14);
    const int left = 2;
    const int right = FLeftMargin - 3;
    const std::int32_t lastWhole = std::min(context.LastRow, FVisibleRows);
    for (std::int32_t row = context.FirstRow; row <= lastWhole; ++row) {
        const std::int32_t line = FTopLine + row - 1;
        if (line > LineCount()) break;
        const TLineText text = FStore->GetLine(line);
        if (text.LineInPara != 1 || !FStore->IsContinuation(text.Para)) continue;
        const int top = (row - 1) * FLineHeight;
        const int middle = top + FLineHeight / 2;
        surface.FillRect({left, top + unit, left + unit, middle + unit}, context.Fore);
        surface.FillRect({left, middle, right, middle + unit}, context.Fore);
        for (int i = 1; i <= 2 * unit; ++i)  // the arrow's head
            surface.FillRect({right - i, middle - i, right - i + unit, middle + i + unit},
                             context.Fore);
    }
}

// The line's characters from LeftColumn on, tabs expanded, at most VisibleColumns of them.
void TOvcCustomEditor::DrawLine(TDrawingSurface& surface, const TPaintContext& context,
                                std::int32_t row) {
    const TRect rowRect{context.Text.Left, (row - 1) * FLineHeight, context.Text.Right,
                        std::min(row * FLineHeight, context.ClientBottom)};
    const std::int32_t line = FTopLine + row - 1;
    if (line > LineCount()) return surface.FillRect(rowRect, context.Back);
    std::string_view text = FStore->GetLine(line).Text;
    if (text.find('\t') != std::string_view::npos) {
        ExpandTabs(text, TabSize(), std::string::npos, FPaintLine);
        text = FPaintLine;
    }
    const auto left = static_cast<std::size_t>(FLeftColumn);
    const std::string_view shown = text.size() > left ? text : std::string_view();
    const std::string_view visible =
        shown.empty() ? shown : shown.substr(left, static_cast<std::size_t>(FVisibleColumns));
    if (OnDrawLine) {
        TEditorDrawLine hook{surface,
                             rowRect,
                             shown,
                             static_cast<std::int32_t>(shown.size()),
                             line,
                             FLeftColumn,
                             FVisibleColumns,
                             context.HighBegin.Line,
                             context.HighBegin.Col,
                             context.HighEnd.Line,
                             context.HighEnd.Col};
        DoOnDrawLine(hook);
        if (hook.WasDrawn) return;
    }
    const std::string_view raw = FStore->GetLine(line).Text;
    if (CharSet() == chUtf8 && !IsAscii(raw))
        return DrawUtf8Runs(surface, context, rowRect, raw, line);
    DrawRuns(surface, context, rowRect, visible, line);
}

// The visible cells of a UTF-8 line, from cell LeftColumn on: each character with its
// cells; a tab as one space per cell, and a wide character cut by the left edge as a space.
void TOvcCustomEditor::CollectPaintChars(std::string_view text) {
    static constexpr std::string_view kSpace = " ";
    FPaintChars.clear();
    const TCharSet set = CharSet();
    const std::int32_t right = FLeftColumn + FVisibleColumns;
    std::int32_t cell = 0;
    for (std::int32_t at = 0; at < static_cast<std::int32_t>(text.size()) && cell < right;) {
        const TCharExtent c = CharAt(set, text, at);
        const bool tab = text[static_cast<std::size_t>(at)] == '\t';
        const std::int32_t end = tab ? AdvanceColumn(cell, '\t', TabSize()) : cell + c.Cells;
        if (!tab && cell >= FLeftColumn) {
            const bool valid = DecodeUtf8(text, at).Valid;
            const auto bytes =
                text.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(c.End - at));
            FPaintChars.push_back({valid ? bytes : std::string_view(), c.Cells});
        } else {
            for (std::int32_t k = std::max(cell, FLeftColumn); k < std::min(end, right); ++k)
                FPaintChars.push_back({kSpace, 1});
        }
        cell = end;
        at = c.End;
    }
}

// As DrawRuns, in cells: the highlight's ends stand on character starts, so each run is
// whole characters.
void TOvcCustomEditor::DrawUtf8Runs(TDrawingSurface& surface, const TPaintContext& context,
                                    const TRect& rowRect, std::string_view text,
                                    std::int32_t line) {
    CollectPaintChars(text);
    std::int32_t length = 0;
    for (const TCellChar& c : FPaintChars)
        length += c.Cells;
    const TRowRuns runs = RowRuns(context.HighBegin, context.HighEnd, line, FLeftColumn, length);
    if (runs.Count == 0) return surface.FillRect(rowRect, context.Back);
    std::size_t first = 0;
    std::int32_t cell = 0;
    for (int i = 0; i < runs.Count; ++i) {
        const TRowRun& run = runs.Runs[static_cast<std::size_t>(i)];
        std::size_t last = first;
        while (last < FPaintChars.size() && cell < run.Start + run.Length)
            cell += FPaintChars[last++].Cells;
        const int x = rowRect.Left + run.Start * FCharWidth;
        const int right = i == runs.Count - 1 ? rowRect.Right : x + run.Length * FCharWidth;
        surface.CharsOut(x, rowRect.Top + 1, {x, rowRect.Top, right, rowRect.Bottom},
                         std::span<const TCellChar>(FPaintChars).subspan(first, last - first),
                         run.Highlighted ? context.HighFore : context.Fore,
                         run.Highlighted ? context.HighBack : context.Back);
        first = last;
    }
}

void TOvcCustomEditor::DrawRuns(TDrawingSurface& surface, const TPaintContext& context,
                                const TRect& rowRect, std::string_view visible, std::int32_t line) {
    const auto length = static_cast<std::int32_t>(visible.size());
    const TRowRuns runs = RowRuns(context.HighBegin, context.HighEnd, line, FLeftColumn, length);
    if (runs.Count == 0) return surface.FillRect(rowRect, context.Back);
    for (int i = 0; i < runs.Count; ++i) {
        const TRowRun& run = runs.Runs[static_cast<std::size_t>(i)];
        const int x = rowRect.Left + run.Start * FCharWidth;
        const int right = i == runs.Count - 1 ? rowRect.Right : x + run.Length * FCharWidth;
        surface.TextOut(x, rowRect.Top + 1, {x, rowRect.Top, right, rowRect.Bottom},
                        visible.substr(static_cast<std::size_t>(run.Start),
                                       static_cast<std::size_t>(run.Length)),
                        run.Highlighted ? context.HighFore : context.Fore,
                        run.Highlighted ? context.HighBack : context.Back);
    }
}

}  // namespace wendax
