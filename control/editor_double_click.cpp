// Double clicks: a word (with the blanks after it) in the text, a whole paragraph in the
// left margin; with Shift the highlight grows to take it in.
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/char_set.h"
#include "engine/word_delimiters.h"

namespace wendax {

void TOvcCustomEditor::DoubleClick(TMouseButton button, TPoint pos, std::uint8_t shift) {
    // The second of two quick middle clicks arrives as a double click; it pastes again.
    if (button == mbMiddle) return MouseDown(button, pos, shift);
    if (button != mbLeft || !Window() || TextLength() == 0) return;
    const bool extend = (shift & ksShift) != 0;
    const TLineCol at = MouseToText(pos);
    if (FInMargin) {
        SelectParagraphAt(at.Line, extend);
    } else {
        SelectWordAt(at, extend);
    }
    OfferHighlight();
}

// With Shift, unless the highlight lies within the paragraph, the highlight keeps its end
// on the far side and reaches over the whole paragraph.
void TOvcCustomEditor::SelectParagraphAt(std::int32_t line, bool extend) {
    const std::int32_t para = FStore->LineToPara(line).Para;
    const TParaPos first{para, 1};
    const TParaPos last{para, FStore->ParaLength(para) + 1};
    const TParaPos begin = HighlightBegin();
    const TParaPos end = HighlightEnd();
    if (!extend || (begin.Para == para && end.Para == para)) return SelectRange(first, last);
    if (begin.Para < para) return SelectRange(begin, last);
    SelectRange(end, first);
}

// The word is found in the paragraph: back over delimiters, then over word characters, to
// the word's first character; forward over word characters and then blanks. The highlight
// stays on the clicked display line.
void TOvcCustomEditor::SelectWordAt(TLineCol at, bool extend) {
    const TLineText line = FStore->GetLine(at.Line);
    const std::string_view para = FStore->ParaText(line.Para);
    const auto length = static_cast<std::int32_t>(para.size());
    const auto lineLength = static_cast<std::int32_t>(line.Text.size());
    const TCharSet set = FStore->CharSet();
    // Positions are 1-based and stand on character starts; the character at position p
    // begins at byte p - 1.
    const auto isWord = [&](std::int32_t pos) { return IsWordCharAt(set, para, pos - 1); };
    const auto before = [&](std::int32_t pos) { return PrevCharStart(set, para, pos - 1) + 1; };
    const auto after = [&](std::int32_t pos) { return CharEnd(set, para, pos - 1) + 1; };
    std::int32_t i = std::max(line.Offset + std::min(at.Col, lineLength), line.Offset + 1);
    if (length > 0) i = CharStart(set, para, i - 1) + 1;
    if (i > 1 && length > 0) {
        // i <= length here: back over delimiters, then over the word (0 = before the text)
        while (i >= 1 && !isWord(i))
            i = i == 1 ? 0 : before(i);
        while (i >= 1 && isWord(i))
            i = i == 1 ? 0 : before(i);
        i = i == 0 ? 1 : after(i);
    }
    std::int32_t j = i;
    while (j <= length && isWord(j))
        j = after(j);
    while (j <= length && IsBlank(para[static_cast<std::size_t>(j - 1)]))
        j = after(j);
    const TParaPos wordStart{line.Para, std::max(i, line.Offset + 1)};
    const TParaPos wordEnd{line.Para, std::min(j, line.Offset + lineLength + 1)};
    if (!extend) return SelectRange(wordStart, wordEnd);
    const TParaPos begin = HighlightBegin();
    if (begin < wordStart) return SelectRange(begin, wordEnd);
    SelectRange(HighlightEnd(), wordStart);
}

}  // namespace wendax
