#include "app/printing/print_text.h"

#include <algorithm>

#include "app/editor/editor_window.h"
#include "engine/char_set.h"

namespace wendax {
namespace {

struct TSelection {
    int Line1 = 0, Col1 = 0, Line2 = 0, Col2 = 0;
};

TPrintedLines AllLines(const TEditorPane& editor) {
    return {editor.LineCount(),
            [&editor](int index) { return editor.GetPrintableLine(index + 1); }};
}

TPrintedLines SelectedLines(const TEditorPane& editor, TSelection s) {
    return {s.Line2 - s.Line1 + 1, [&editor, s](int index) {
                const int line = s.Line1 + index;
                const bool first = line == s.Line1;
                const bool last = line == s.Line2;
                return SelectedPart(editor.GetPrintableLine(line), first,
                                    first ? editor.PrintableColumn(line, s.Col1) : 1, last,
                                    last ? editor.PrintableColumn(line, s.Col2) : 1);
            }};
}

}  // namespace

TPrintedLines PrintedLines(const TEditorPane& editor1, const TEditorPane& active,
                           TPrintRange range) {
    if (range == prAllPages) return AllLines(editor1);
    TSelection s;
    if (range != prSelection || !active.GetSelection(s.Line1, s.Col1, s.Line2, s.Col2)) return {};
    return SelectedLines(active, s);
}

std::string SelectedPart(std::string text, bool first, int blankTo, bool last, int keepTo) {
    std::string part;
    std::int32_t cells = 0;  // cells before `at`
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t at = 0; at < length;) {
        const TCharExtent c = CharAt(chUtf8, text, at);
        if (last && cells >= keepTo - 1) break;
        if (first && cells < blankTo - 1)
            part.append(static_cast<std::size_t>(c.Cells), ' ');
        else
            part.append(text, static_cast<std::size_t>(at), static_cast<std::size_t>(c.End - at));
        cells += c.Cells;
        at = c.End;
    }
    return part;
}

bool PrintCopies(TPrintDevice& device, const TPrintedLines& lines, int copies) {
    for (int copy = 0; copy < copies; ++copy) {
        if (!device.StartJob()) return false;
        TPrintLayout layout(device.Surface());
        for (int index = 0; index < lines.Count; ++index) {
            layout.Write(lines.Line(index));
            layout.EndLine();
        }
        device.EndJob();
    }
    return true;
}

}  // namespace wendax
