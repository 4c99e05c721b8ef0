// Copy, cut and paste through the platform's clipboard, in its plain-text form: the
// characters with a carriage return and line feed between paragraphs (none before a
// continuation, which is the same line of the file).
#include <new>
#include <optional>
#include <string>

#include "control/custom_editor.h"
#include "platform/services.h"

namespace wendax {

namespace {

// The characters from `from` up to `to`, CR LF after every paragraph but the last and but
// one that a continuation follows.
std::string TextBetween(TParaList& store, TParaPos from, TParaPos to) {
    std::size_t size = 0;
    for (std::int32_t para = from.Para; para <= to.Para; ++para) {
        const std::int32_t first = para == from.Para ? from.Pos : 1;
        const std::int32_t end = para == to.Para ? to.Pos : store.ParaLength(para) + 1;
        size += static_cast<std::size_t>(end - first) + (para < to.Para ? 2 : 0);
    }
    std::string text;
    text.reserve(size);
    for (std::int32_t para = from.Para; para <= to.Para; ++para) {
        const bool lineBreak = para < to.Para && store.LineEnd(para) != leNone;
        const std::string_view chars = store.ParaText(para);
        const auto first = static_cast<std::size_t>(para == from.Para ? from.Pos - 1 : 0);
        const std::size_t end =
            para == to.Para ? static_cast<std::size_t>(to.Pos - 1) : chars.size();
        text.append(chars.substr(first, end - first));
        if (lineBreak) text.append("\r\n");
    }
    return text;
}

}  // namespace

// False when nothing is highlighted or the copy failed for lack of memory (reported as
// eeOutOfMemory; the clipboard keeps what it held).
bool TOvcCustomEditor::CopyHighlight() {
    if (!HasSelection()) return false;
    try {
        Platform().SetClipboardText(TextBetween(*FStore, FHighlight.Begin(), FHighlight.End()));
    } catch (const std::bad_alloc&) {
        ReportError(eeOutOfMemory);
        return false;
    }
    return true;
}

void TOvcCustomEditor::CopyToClipboard() {
    CopyHighlight();
}

// The highlight is deleted only once it is on the clipboard, so a failed copy loses nothing.
void TOvcCustomEditor::CutToClipboard() {
    if (ReadOnly()) return;
    if (CopyHighlight()) DeleteHighlight();
    MarkVRangeStale();
    RequestRepaint(false);
}

void TOvcCustomEditor::PasteFromClipboard() {
    if (ReadOnly()) return;
    if (Platform().ClipboardHasText()) {
        if (const std::optional<std::string> text = Platform().ClipboardText()) {
            ReportError(InsertString(*text));
        }
    }
    MarkVRangeStale();
    RequestRepaint(false);
}

}  // namespace wendax
