// Search and replace of the editor: the replace step on the highlight, the start point and
// scope each option set gives, the scan, and the highlight afterwards.
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/replace_all.h"
#include "engine/search_scan.h"
#include "engine/upper_case.h"
#include "engine/utf8_case_fold.h"
#include "platform/services.h"

namespace wendax {

namespace {

constexpr std::int32_t kNotFound = -1;

std::string_view Cut(std::string_view text) {
    return text.substr(0, std::min(text.find('\0'), TSearchPattern::kMaxLength));
}

// The replace step's comparison: without matching case only a-z ignore it in an 8-bit
// text; a UTF-8 text folds both as its search does, so that the occurrence a search
// highlighted is the one replaced.
bool SameText(std::string_view a, std::string_view b, bool matchCase, TCharSet set) {
    if (a.size() != b.size()) return false;
    if (!matchCase && set == chUtf8) {
        std::string x;
        std::string y;
        FoldUtf8Case(a, x);
        FoldUtf8Case(b, y);
        return x == y;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = matchCase ? a[i] : AsciiUpperCase(a[i]);
        const char y = matchCase ? b[i] : AsciiUpperCase(b[i]);
        if (x != y) return false;
    }
    return true;
}

// One run of the search routine on an editor. It keeps no state between runs: repeated
// searching goes on from the caret and the highlight the previous run left.
class TEditorSearch {
  public:
    TEditorSearch(TOvcCustomEditor& editor, std::string_view s, std::string_view r,
                  TEditorSearchOptions options)
        : FEditor(editor),
          FStore(editor.Store()),
          FPattern(Cut(s)),
          FReplacement(Cut(r)),
          FOptions(options) {}

    std::int32_t Run();

  private:
    bool Has(TEditorSearchOptions option) const { return (FOptions & option) != 0; }
    bool Replacing() const { return Has(srReplace | srReplaceAll) && !FEditor.ReadOnly(); }
    TEditorErrorCode ReplaceHighlight(bool& replaced);
    // After changes made directly in the store: the line count may have changed too.
    void RepaintAll() {
        FEditor.MarkVRangeStale();
        FEditor.MarkVPosStale();
        FEditor.RequestRepaint(false);
    }
    TParaPos StartPoint() const;
    TSearchScope Scope(TParaPos start) const;
    std::int32_t FindOne(TSearchScan& scan, TParaPos start, const TSearchScope& scope);
    std::int32_t ReplaceEvery(TSearchScan& scan, TParaPos start, TSearchScope scope,
                              std::int32_t replaced);

    TOvcCustomEditor& FEditor;
    TParaList& FStore;
    std::string_view FPattern;
    std::string_view FReplacement;
    TEditorSearchOptions FOptions;
};

std::int32_t TEditorSearch::Run() {
    if (FPattern.empty()) return 0;
    TBusyCursor busy;
    bool replaced = false;
    if (Replacing()) {
        if (const TEditorErrorCode code = ReplaceHighlight(replaced)) {
            FEditor.ReportError(code);
            return code;
        }
    }
    const TParaPos start = StartPoint();
    const TSearchScope scope = Scope(start);
    const TSearchPattern pattern(FPattern, Has(srMatchCase), FStore.CharSet());
    TSearchScan scan(FStore, pattern, Has(srWholeWordsOnly));
    if (Replacing() && Has(srReplaceAll)) return ReplaceEvery(scan, start, scope, replaced);
    const std::int32_t found = FindOne(scan, start, scope);
    return replaced ? 1 : found;
}

// The highlight is replaced when it is an occurrence within one paragraph. InsertString
// deletes it and inserts the replacement in one undo group; an empty replacement deletes.
TEditorErrorCode TEditorSearch::ReplaceHighlight(bool& replaced) {
    const TParaPos begin = FEditor.HighlightBegin();
    const TParaPos end = FEditor.HighlightEnd();
    if (begin.Para != end.Para || end.Pos - begin.Pos != static_cast<std::int32_t>(FPattern.size()))
        return eeOk;
    const std::string_view text = FStore.ParaText(begin.Para);
    const auto at = static_cast<std::size_t>(begin.Pos - 1);
    if (at + FPattern.size() > text.size()) return eeOk;
    if (!SameText(text.substr(at, FPattern.size()), FPattern, Has(srMatchCase), FStore.CharSet()))
        return eeOk;
    if (FReplacement.empty()) {
        FStore.DeleteChars(&FEditor, begin.Para, begin.Pos, end.Pos - begin.Pos);
        FEditor.SetCaretParaPos(begin);
        RepaintAll();
        replaced = true;
        return eeOk;
    }
    const TEditorErrorCode code = FEditor.InsertString(FReplacement);
    replaced = code == eeOk;
    return code;
}

TParaPos TEditorSearch::StartPoint() const {
    if (Has(srSelectedText)) {
        return Has(srBackward) ? FEditor.HighlightEnd() : FEditor.HighlightBegin();
    }
    if (!Has(srEntireScope)) return FEditor.CaretParaPos();
    if (!Has(srBackward)) return {1, 1};
    const std::int32_t last = FStore.ParaCount();
    return {last, FStore.ParaLength(last) + 1};
}

TSearchScope TEditorSearch::Scope(TParaPos start) const {
    const TParaPos textEnd{FStore.ParaCount() + 1, 1};
    if (Has(srSelectedText)) return {FEditor.HighlightBegin(), FEditor.HighlightEnd()};
    if (Has(srEntireScope)) return {{1, 1}, textEnd};
    return Has(srBackward) ? TSearchScope{{1, 1}, start} : TSearchScope{start, textEnd};
}

// A forward find leaves the caret at the occurrence's end, a backward one at its start, so
// that the next search in the same direction goes on past it.
std::int32_t TEditorSearch::FindOne(TSearchScan& scan, TParaPos start, const TSearchScope& scope) {
    const bool backward = Has(srBackward);
    const TParaPos at = backward ? scan.Backward(start, scope) : scan.Forward(start, scope);
    if (at.Para == 0) return kNotFound;
    const TParaPos after{at.Para, at.Pos + static_cast<std::int32_t>(FPattern.size())};
    FEditor.SelectRange(backward ? after : at, backward ? at : after);
    return 0;
}

// Afterwards the scope, adjusted to the changed text, is highlighted again with the caret on
// the side it was on; without srSelectedText the highlight collapses at the caret. A failure
// is reported last, so that the view is right whatever the handler does.
std::int32_t TEditorSearch::ReplaceEvery(TSearchScan& scan, TParaPos start, TSearchScope scope,
                                         std::int32_t replaced) {
    const bool caretAtEnd = FEditor.CaretAtHighlightEnd();
    const TReplaceAllResult result =
        ReplaceAll(FStore, &FEditor, scan, Has(srBackward), start, scope, FReplacement);
    const std::int32_t count = replaced + result.Replaced;
    if (count > 0) {
        if (Has(srSelectedText)) {
            FEditor.SelectRange(caretAtEnd ? scope.Begin : scope.End,
                                caretAtEnd ? scope.End : scope.Begin);
        } else {
            FEditor.SetCaretParaPos(FEditor.CaretParaPos());
        }
        RepaintAll();
    }
    if (result.Code != eeOk) {
        FEditor.ReportError(result.Code);
        return result.Code;
    }
    return count > 0 ? count : kNotFound;
}

}  // namespace

bool TOvcCustomEditor::Search(std::string_view s, TEditorSearchOptions options) {
    const auto findOnly = static_cast<TEditorSearchOptions>(options & ~(srReplace | srReplaceAll));
    return TEditorSearch(*this, s, {}, findOnly).Run() == 0;
}

std::int32_t TOvcCustomEditor::Replace(std::string_view s, std::string_view r,
                                       TEditorSearchOptions options) {
    return TEditorSearch(*this, s, r, options).Run();
}

}  // namespace wendax
