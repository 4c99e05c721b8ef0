// Copy, cut and paste through the platform's clipboard: the characters with a carriage
// return and line feed between paragraphs (none before a continuation, which is the same
// line of the file), as UTF-8 for other programs and as the exact bytes for the program
// itself.
#include <new>
#include <optional>
#include <string>

#include "control/custom_editor.h"
#include "engine/eight_bit_table.h"
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

// The exact bytes when they are in the text's character set, else the text converted into
// it; nothing (after a beep and OnCharWithoutByte) when an 8-bit text has no byte for one
// of its characters.
std::optional<std::string> TOvcCustomEditor::BytesToPaste(const TClipboardText& text) {
    const bool utf8 = CharSet() == chUtf8;
    if (text.Exact && text.ExactIsUtf8 == utf8) return *text.Exact;
    std::string source = text.Plain;
    if (text.Exact) source = text.ExactIsUtf8 ? *text.Exact : EightBitToUtf8(*text.Exact);
    if (utf8) return source;
    std::string bytes;
    char32_t missing = 0;
    if (Utf8ToEightBit(source, bytes, missing)) return bytes;
    Platform().Beep();
    if (OnCharWithoutByte) OnCharWithoutByte(*this, missing);
    return std::nullopt;
}

// UTF-8 for other programs (converted from the table in an 8-bit text), the exact bytes
// for the program itself. May throw std::bad_alloc.
TClipboardText TOvcCustomEditor::HighlightAsClipboardText() {
    std::string bytes = TextBetween(*FStore, FHighlight.Begin(), FHighlight.End());
    const bool utf8 = CharSet() == chUtf8;
    std::string plain = utf8 ? bytes : EightBitToUtf8(bytes);
    return {std::move(plain), std::move(bytes), utf8};
}

// False when nothing is highlighted or the copy failed for lack of memory (reported as
// eeOutOfMemory; the clipboard keeps what it held).
bool TOvcCustomEditor::CopyHighlight() {
    if (!HasSelection()) return false;
    try {
        Platform().SetClipboardText(HighlightAsClipboardText());
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
        if (const std::optional<TClipboardText> text = Platform().ClipboardText()) {
            if (const std::optional<std::string> bytes = BytesToPaste(*text))
                ReportError(InsertString(*bytes));
        }
    }
    MarkVRangeStale();
    RequestRepaint(false);
}

}  // namespace wendax
