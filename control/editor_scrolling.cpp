// Scrolling the editor's view: ScrollBy, the top line, keeping the caret in view and the
// scroll bars' actions. The caret never moves here.
#include <algorithm>
#include <cstdlib>

#include "base/exceptions.h"
#include "control/custom_editor.h"

namespace wendax {

std::int32_t TOvcCustomEditor::TopLine() {
    RefreshPositions();
    return FTopLine;
}

void TOvcCustomEditor::SetTopLine(std::int32_t line) {
    if (line < 1 || line > LineCount()) throw EInvalidLineOrPara();
    if (line != TopLine()) ScrollBy(0, line - FTopLine);
}

void TOvcCustomEditor::SetTopLineValue(std::int32_t line) {
    FTopLine = line;
    const TLineStart start = FStore->LineToPara(line);
    FTopPos = {start.Para, start.Offset + 1};
}

// The last line of the text can come up to the bottom row but never higher.
void TOvcCustomEditor::ScrollBy(std::int32_t columns, std::int32_t lines) {
    RefreshPositions();
    const std::int32_t left = columns < 0 && -std::int64_t{columns} > FLeftColumn
                                  ? 0
                                  : static_cast<std::int32_t>(std::min<std::int64_t>(
                                        std::int64_t{FLeftColumn} + columns, kMaxInt32));
    const std::int64_t lastTop = std::int64_t{LineCount()} - FVisibleRows + 1;
    const auto top = static_cast<std::int32_t>(
        std::max<std::int64_t>(std::min(std::int64_t{FTopLine} + lines, lastTop), 1));
    if (left == FLeftColumn && top == FTopLine) {
        PlaceCaret(0);
        return;
    }
    const std::int32_t oldTop = FTopLine;
    const std::int32_t oldLeft = FLeftColumn;
    SetTopLineValue(top);
    FLeftColumn = left;
    if (Window()) {
        if (top != oldTop) SendVPos();
        if (left != oldLeft) SendHPos();
        MovePixels(oldTop, oldLeft);
    }
    if (top != oldTop) DoOnTopLineChanged(top);
}

// Moves the text's pixels (and the bookmark margin with them) when less than a screen moved
// in one direction only; otherwise, or with a whole repaint pending, everything is painted.
void TOvcCustomEditor::MovePixels(std::int32_t oldTop, std::int32_t oldLeft) {
    const TRect text = TextRect();
    const std::int64_t dx = (std::int64_t{oldLeft} - FLeftColumn) * FCharWidth;
    const std::int64_t dy = (std::int64_t{oldTop} - FTopLine) * FLineHeight;
    if (FRepaintPending) {
        Window()->UpdateNow();
    } else if (std::llabs(dx) >= text.Width() || std::llabs(dy) >= text.Height() ||
               (dx != 0 && dy != 0)) {
        RequestRepaint(true);
    } else {
        Window()->ScrollPixels(text, static_cast<int>(dx), static_cast<int>(dy));
        if (FShowBookmarks && dy != 0)
            Window()->ScrollPixels({0, 0, FLeftMargin, text.Bottom}, 0, static_cast<int>(dy));
        Window()->UpdateNow();
    }
}

// After a caret move from `oldLine`: with `keepRow` and the old caret line in view, the
// caret keeps its window row; otherwise the view moves only when the caret left it, just
// far enough. Horizontally the caret's column becomes the first (or last) visible one; a
// move to a later line goes back to the left edge when that keeps the caret in view.
void TOvcCustomEditor::ScrollCaretIntoView(std::int32_t oldLine, bool keepRow) {
    RefreshPositions();
    const std::int32_t line = FCaretLine;
    const std::int32_t column = CaretScreenColumn();
    const bool columnVisible = column > FLeftColumn && column - FLeftColumn <= FVisibleColumns;
    std::int32_t top = FTopLine;
    if (keepRow && LineVisible(oldLine)) {
        top = line - (oldLine - FTopLine);
    } else if (LineVisible(line) && columnVisible) {
        PlaceCaret(column);
        return;
    } else if (line < FTopLine) {
        top = line;
    } else if (!LineVisible(line)) {
        top = line - FVisibleRows + 1;
    }
    top = std::max({top, 1, line - FVisibleRows + 1});
    std::int32_t left = FLeftColumn;
    if (column <= FLeftColumn) {
        left = column <= 2 ? 0 : column - 1;
    } else if (!columnVisible) {
        left = column - FVisibleColumns;
    }
    if (left != FLeftColumn && line > oldLine && column <= FVisibleColumns) left = 0;
    ScrollBy(left - FLeftColumn, top - FTopLine);
}

void TOvcCustomEditor::ScrollBarAction(TScrollBarKind bar, TScrollCode code, int pos) {
    const bool vertical = bar == sbVertical;
    const std::int32_t page = vertical ? FVisibleRows : FVisibleColumns - 1;
    const auto scroll = [&](std::int32_t by) {
        if (vertical) {
            ScrollLines(by);
        } else {
            ScrollColumns(by);
        }
    };
    switch (code) {
        case scLineUp:
            scroll(-1);
            break;
        case scLineDown:
            scroll(1);
            break;
        case scPageUp:
            scroll(-page);
            break;
        case scPageDown:
            scroll(page);
            break;
        case scThumbTrack:
        case scThumbPosition:
            ThumbTo(bar, pos);
            break;
        default:
            break;
    }
}

// The first and last units of the vertical bar stand for the start and the end of the text.
void TOvcCustomEditor::ThumbTo(TScrollBarKind bar, int pos) {
    if (bar == sbHorizontal) {
        if (pos == FLeftColumn) return;
        FLeftColumn = std::max(pos, 0);
        SendHPos();
        RequestRepaint(true);
        return;
    }
    const std::int32_t lastTop = std::max(LineCount() - FVisibleRows + 1, 1);
    std::int64_t line = std::int64_t{pos} * FVScrollScale;
    if (pos <= 1) line = 1;
    if (pos >= FVScrollRange) line = lastTop;
    SetTopLine(static_cast<std::int32_t>(std::clamp<std::int64_t>(line, 1, LineCount())));
}

}  // namespace wendax
