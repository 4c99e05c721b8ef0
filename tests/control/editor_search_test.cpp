// The editor's Search and Replace: scripts of calls on marked texts for the option sets,
// the replace step, replace-all and its highlight, read-only editors and the limits; then
// a randomized run against a plain model of the whole routine.
#include <random>

#include "base/exceptions.h"
#include "tests/control/editor_test_support.h"
#include "tests/engine/search_model.h"
#include "tests/engine/store_test_support.h"

namespace wendax::test {
namespace {

// These scripts are about the 8-bit upper-casing table.
void EightBit(TOvcCustomEditor& e) {
    e.SetNewTextCharSet(chEightBit);
}

constexpr std::int32_t kNotFound = -1;

struct TSearchCall {
    std::string S;
    TEditorSearchOptions Options = srFind;
    std::int32_t Result = 0;  // Search: 0 for true, -1 for false
    bool Replace = false;
    std::string R;
};

TSearchCall Find(std::string s, TEditorSearchOptions options, bool found = true) {
    return {std::move(s),
            static_cast<TEditorSearchOptions>(options | srFind),
            found ? 0 : -1,
            false,
            {}};
}
TSearchCall Repl(std::string s, std::string r, TEditorSearchOptions options, std::int32_t result) {
    return {std::move(s), options, result, true, std::move(r)};
}

struct TSearchScript {
    const char* Name;
    const char* Start;
    std::vector<TSearchCall> Calls;
    const char* Expected;
    std::vector<std::uint16_t> Errors{};
    void (*Setup)(TOvcCustomEditor& editor) = nullptr;
};

void PrintTo(const TSearchScript& script, std::ostream* out) {
    *out << script.Name;
}

class SearchScripts : public testing::TestWithParam<TSearchScript> {};

TEST_P(SearchScripts, Run) {
    const TSearchScript& script = GetParam();
    TEditorFixture f;
    if (script.Setup) script.Setup(f.Editor);
    f.Load(script.Start);
    ASSERT_EQ(Marked(f.Editor), script.Start);
    for (std::size_t i = 0; i < script.Calls.size(); ++i) {
        const TSearchCall& call = script.Calls[i];
        if (call.Replace) {
            EXPECT_EQ(f.Editor.Replace(call.S, call.R, call.Options), call.Result) << "call " << i;
        } else {
            EXPECT_EQ(f.Editor.Search(call.S, call.Options), call.Result == 0) << "call " << i;
        }
        ASSERT_EDITOR_VALID(f.Editor) << "after call " << i;
    }
    EXPECT_EQ(Marked(f.Editor), script.Expected);
    EXPECT_EQ(f.Errors, script.Errors);
    EXPECT_EQ(f.Platform.BusyDepth, 0);
    EXPECT_EQ(f.Changes, 0);
}

void SetReadOnly(TOvcCustomEditor& e) {
    e.SetReadOnly(true);
}
void Limit6(TOvcCustomEditor& e) {
    e.SetParaLengthLimit(6);
}
void Limit4(TOvcCustomEditor& e) {
    e.SetParaLengthLimit(4);
}
void ByteLimit8(TOvcCustomEditor& e) {
    e.SetByteLimit(8);
}
// "aaaa bbbb" shows as "aaaa " and "bbbb".
void WrapAt6(TOvcCustomEditor& e) {
    e.SetWordWrap(true);
    e.SetWrapColumn(6);
}

const TSearchScript kSearchScripts[] = {
    // Finding
    {"ForwardFindLeavesTheCaretAtTheEndForTheNextFind",
     "|aaaa",
     {Find("aa", 0), Find("aa", 0), Find("aa", 0, false)},
     "aa[aa|]"},
    {"BackwardOccurrenceMustEndBeforeTheCaret",
     "aaa|",
     {Find("aa", srBackward), Find("aa", srBackward, false)},
     "a[|aa]"},
    {"CaseIsIgnoredUnlessItMustMatch",
     "|abc aBc ABC",
     {Find("ABC", 0), Find("ABC", 0), Find("ABC", srMatchCase)},
     "abc aBc [ABC|]"},
    {"AccentedLettersIgnoreCaseToo",
     "|x \xc9t\xe9",
     {Find("\xe9T\xc9", 0)},
     "x [\xc9t\xe9|]",
     {},
     EightBit},
    {"WholeWordsSkipWordsContainingIt",
     "|concat cats cat_1\na cat.",
     {Find("cat", srWholeWordsOnly)},
     "concat cats cat_1\na [cat|]."},
    {"WholeWordAtParagraphStartAndEnd",
     "x|\ncat\ncat",
     {Find("cat", srWholeWordsOnly), Find("cat", srWholeWordsOnly),
      Find("cat", srWholeWordsOnly, false)},
     "x\ncat\n[cat|]"},
    {"NeverAcrossAParagraphBreak", "|ab\ncd", {Find("bc", 0, false)}, "|ab\ncd"},
    {"SelectedTextScopeRejectsOccurrencesReachingOut",
     "x[x xx x|]x",
     {Find("xx", srSelectedText)},
     "xx [xx|] xx"},
    {"SelectedTextWithoutHighlightFindsNothing",
     "xx |xx",
     {Find("xx", srSelectedText, false)},
     "xx |xx"},
    {"SelectedTextBackwardFindsTheLastInside",
     "[xx xx x|]x",
     {Find("xx", srSelectedText | srBackward)},
     "xx [|xx] xx"},
    {"EntireScopeStartsAtTheTextStart", "abc abc|", {Find("abc", srEntireScope)}, "[abc|] abc"},
    {"EntireScopeBackwardStartsAtTheTextEnd",
     "|abc abc\nx",
     {Find("abc", srEntireScope | srBackward)},
     "abc [|abc]\nx"},
    {"OccurrenceEndingAtAWrapKeepsItsParagraphPositions",
     "|aaaa bbbb",
     {Find("aaaa ", 0), Find("B", 0)},
     "aaaa [b|]bbb",
     {},
     WrapAt6},
    {"ReplaceAllReWrapsTheLines",
     "|aaaa bbbb",
     {Repl("a", "", srReplaceAll, 4)},
     "| bbbb",
     {},
     WrapAt6},
    {"EmptySearchTextFindsWithoutDoingAnything", "a|b", {Find("", 0)}, "a|b"},
    {"SearchNeverReplaces", "|x x", {Find("x", srReplaceAll)}, "[x|] x"},
    // Replacing
    {"ReplaceAllReplacesEveryOccurrenceAndCountsThem",
     "|x x x",
     {Repl("x", "yy", srReplaceAll, 3), Repl("x", "yy", srReplaceAll, kNotFound)},
     "|yy yy yy"},
    {"ReplaceAllBackwardMovesTheCaretWithTheText",
     "x x x|",
     {Repl("x", "yy", srReplaceAll | srBackward, 3)},
     "yy yy yy|"},
    {"ReplaceAllCountsTheHighlightedOccurrence",
     "[x|] x",
     {Repl("x", "yy", srReplaceAll, 2)},
     "yy| yy"},
    {"ReplaceHighlightsFirstThenReplacesAndHighlightsTheNext",
     "|x x",
     {Repl("x", "yy", srReplace, 0), Repl("x", "yy", srReplace, 1), Repl("x", "yy", srReplace, 1)},
     "yy yy|"},
    {"ReplaceOfAHighlightThatIsNoOccurrenceOnlyFinds",
     "[ab|] x x",
     {Repl("x", "y", srReplace, 0)},
     "ab [x|] x"},
    {"ReplaceStepIgnoresCaseOnlyForAToZ",
     "[\xe9|] \xe9",
     {Repl("\xc9", "e", srReplace, 0)},
     "\xe9 [\xe9|]",
     {},
     EightBit},
    {"ReplaceStepMatchesAToZInOtherCase", "[aB|] ab", {Repl("Ab", "c", srReplace, 1)}, "c [ab|]"},
    {"SelectedTextReplaceAllHighlightsTheShorterScopeAgain",
     "a[xx xx|]b xx",
     {Repl("xx", "y", srReplaceAll | srSelectedText, 2)},
     "a[y y|]b xx"},
    {"SelectedTextReplaceAllKeepsTheCaretAtTheStart",
     "a[|xx xx]b",
     {Repl("xx", "yyy", srReplaceAll | srSelectedText, 2)},
     "a[|yyy yyy]b"},
    {"EmptyReplacementDeletesTheHighlightedOccurrence",
     "[x|] x",
     {Repl("x", "", srReplace, 1)},
     " [x|]"},
    {"EmptyReplacementDeletesEveryOccurrence",
     "|a, b, c",
     {Repl(", ", "", srReplaceAll, 2)},
     "|abc"},
    {"ReadOnlyReplaceOnlyFinds",
     "[x|] x",
     {Repl("x", "y", srReplace, 0)},
     "x [x|]",
     {},
     SetReadOnly},
    {"ReadOnlyReplaceAllOnlyFinds",
     "|x x",
     {Repl("x", "y", srReplaceAll, 0), Repl("z", "y", srReplaceAll, kNotFound)},
     "[x|] x",
     {},
     SetReadOnly},
    {"ReplaceAllStopsAtTheParagraphLengthLimit",
     "|a a\na a a",
     {Repl("a", "bb", srReplaceAll, 268)},
     "|bb bb\nbb a a",
     {268},
     Limit6},
    {"ReplaceAllStopsAtTheByteLimit",
     "|a a\na",
     {Repl("a", "bb", srReplaceAll, 267)},
     "|bb bb\na",
     {267},
     ByteLimit8},
    {"FailedReplaceStepKeepsTheDeletedHighlight",
     "[ab|]cd",
     {Repl("ab", "xyz", srReplace, 268)},
     "|cd",
     {268},
     Limit4},
    {"EmptySearchTextReplacesNothing", "[|x]", {Repl("", "y", srReplaceAll, 0)}, "[|x]"},
};

INSTANTIATE_TEST_SUITE_P(Editor, SearchScripts, testing::ValuesIn(kSearchScripts),
                         [](const testing::TestParamInfo<TSearchScript>& info) {
                             return std::string(info.param.Name);
                         });

TEST(EditorSearch, SearchTextIsCutTo255Characters) {
    TEditorFixture f;
    f.Load("|" + std::string(255, 'q') + "x");
    EXPECT_TRUE(f.Editor.Search(std::string(255, 'q') + "zzz", srFind));
    EXPECT_EQ(f.Editor.HighlightEnd(), (TParaPos{1, 256}));
}

TEST(EditorSearch, ReplaceFailureWithoutHandlerRaisesAfterTheEarlierReplacements) {
    TEditorFixture f;
    f.Editor.OnError = nullptr;
    f.Editor.SetParaLengthLimit(6);
    f.Load("|a a a");
    EXPECT_THROW(f.Editor.Replace("a", "bb", srReplaceAll), EEditorError);
    EXPECT_EQ(PlainText(f.Editor), "bb a a");
    EXPECT_EQ(f.Platform.BusyDepth, 0);
    EXPECT_EDITOR_VALID(f.Editor);
}

TEST(EditorSearch, ShowsTheBusyCursorWhileSearching) {
    TEditorFixture f;
    f.Load("|abc");
    const int shown = f.Platform.BusyShown;
    f.Editor.Search("c", srFind);
    EXPECT_EQ(f.Platform.BusyShown, shown + 1);
    EXPECT_EQ(f.Platform.BusyDepth, 0);
}

TEST(EditorSearch, ReplaceAllIsUndoneStepByStepToTheOriginal) {
    TEditorFixture f;
    f.Load("|the cat\nthe dog");
    EXPECT_EQ(f.Editor.Replace("the", "a", srReplaceAll), 2);
    EXPECT_TRUE(f.Editor.Modified());
    f.Editor.Undo();
    f.Editor.Undo();
    EXPECT_EQ(PlainText(f.Editor), "the cat\nthe dog");
    EXPECT_FALSE(f.Editor.Modified());
}

TEST(EditorSearch, OtherViewsFollowAReplaceAll) {
    TEditorFixture f;
    f.OpenWindow(5);
    f.Load("ab ab ab|");
    TOvcCustomEditor other;
    other.SetController(&f.Controller);
    THeadlessWindow window(other, {400, 100});
    other.AttachWindow(window);
    other.Attach(&f.Editor);
    other.SetCaretParaPos({1, 7});
    EXPECT_EQ(f.Editor.Replace("ab", "xyz", srReplaceAll | srEntireScope), 3);
    EXPECT_EQ(other.CaretParaPos(), (TParaPos{1, 9}));
    EXPECT_EDITOR_VALID(other);
    other.DetachWindow();
}

// ---- Randomized run against the model

struct TModelState {
    std::vector<std::string> Paras;
    TParaPos Caret;
    TParaPos Begin;
    TParaPos End;
    bool CaretAtEnd = false;
};

// A position moved across an overwrite of `n` characters at `at` by `m` characters, as a
// view's position moves: the difference is inserted or deleted after the overwritten part.
void MoveAcrossReplace(TParaPos& position, TParaPos at, std::int32_t n, std::int32_t m) {
    if (position.Para != at.Para || m == n) return;
    if (m > n) {
        if (position.Pos >= at.Pos + n) position.Pos += m - n;
        return;
    }
    const std::int32_t from = at.Pos + m;
    if (position.Pos >= from)
        position.Pos = position.Pos < from + (n - m) ? from : position.Pos - (n - m);
}

bool AsciiSame(std::string_view a, std::string_view b, bool matchCase) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto up = [&](char c) { return !matchCase && c >= 'a' && c <= 'z' ? char(c - 32) : c; };
        if (up(a[i]) != up(b[i])) return false;
    }
    return true;
}

// The routine on the model: returns the result and updates the state.
std::int32_t ModelRun(TModelState& m, const std::string& s, const std::string& r,
                      TEditorSearchOptions o, bool readOnly, bool replace) {
    const bool replacing = replace && (o & (srReplace | srReplaceAll)) != 0 && !readOnly;
    const auto n = static_cast<std::int32_t>(s.size());
    bool replaced = false;
    if (replacing && m.Begin.Para == m.End.Para && m.End.Pos - m.Begin.Pos == n) {
        std::string& text = m.Paras[static_cast<std::size_t>(m.Begin.Para - 1)];
        if (AsciiSame(text.substr(static_cast<std::size_t>(m.Begin.Pos - 1), s.size()), s,
                      (o & srMatchCase) != 0)) {
            text.replace(static_cast<std::size_t>(m.Begin.Pos - 1), s.size(), r);
            m.Caret = {m.Begin.Para, m.Begin.Pos + static_cast<std::int32_t>(r.size())};
            m.Begin = m.End = m.Caret;
            m.CaretAtEnd = false;
            replaced = true;
        }
    }
    const bool backward = (o & srBackward) != 0;
    const auto count = static_cast<std::int32_t>(m.Paras.size());
    TParaPos start = m.Caret;
    TModelSearch search{s, (o & srMatchCase) != 0, (o & srWholeWordsOnly) != 0, {}, {}};
    if (o & srSelectedText) {
        start = backward ? m.End : m.Begin;
        search.ScopeBegin = m.Begin;
        search.ScopeEnd = m.End;
    } else if (o & srEntireScope) {
        start = backward ? TParaPos{count, static_cast<std::int32_t>(m.Paras.back().size()) + 1}
                         : TParaPos{1, 1};
        search.ScopeBegin = {1, 1};
        search.ScopeEnd = {count + 1, 1};
    } else {
        search.ScopeBegin = backward ? TParaPos{1, 1} : start;
        search.ScopeEnd = backward ? start : TParaPos{count + 1, 1};
    }
    if (replacing && (o & srReplaceAll)) {
        TModelReplaceAll result{};
        // Replace one at a time to move the caret with each replacement.
        TParaPos from = start;
        for (;;) {
            const TParaPos at = backward ? ModelBackward(m.Paras, from, search)
                                         : ModelForward(m.Paras, from, search);
            if (at.Para == 0) break;
            m.Paras[static_cast<std::size_t>(at.Para - 1)].replace(
                static_cast<std::size_t>(at.Pos - 1), s.size(), r);
            ++result.Replaced;
            const auto len = static_cast<std::int32_t>(r.size());
            for (TParaPos* p : {&search.ScopeBegin, &search.ScopeEnd}) {
                if (p->Para == at.Para && p->Pos >= at.Pos + n) p->Pos += len - n;
            }
            MoveAcrossReplace(m.Caret, at, n, len);
            from = backward ? at : TParaPos{at.Para, at.Pos + len};
        }
        const std::int32_t total = result.Replaced + (replaced ? 1 : 0);
        if (total > 0) {
            if (o & srSelectedText) {
                m.Begin = search.ScopeBegin;
                m.End = search.ScopeEnd;
                m.Caret = m.CaretAtEnd ? m.End : m.Begin;
                if (m.Begin == m.End) m.CaretAtEnd = false;
            } else {
                m.Begin = m.End = m.Caret;
                m.CaretAtEnd = false;
            }
        }
        return total > 0 ? total : kNotFound;
    }
    const TParaPos at =
        backward ? ModelBackward(m.Paras, start, search) : ModelForward(m.Paras, start, search);
    if (at.Para != 0) {
        m.Begin = at;
        m.End = {at.Para, at.Pos + n};
        m.Caret = backward ? m.Begin : m.End;
        m.CaretAtEnd = !backward;
    }
    return replaced ? 1 : at.Para != 0 ? 0 : kNotFound;
}

TEST(EditorSearchDifferential, SearchAndReplaceAgreeWithTheModel) {
    const std::uint32_t seed = 515;
    std::mt19937 random(seed);
    auto pick = [&](int k) { return static_cast<int>(random() % static_cast<std::uint32_t>(k)); };
    const std::string alphabet = "aabAB -.\xe9\xc9";
    auto chars = [&](int most) {
        std::string t(static_cast<std::size_t>(pick(most + 1)), ' ');
        for (char& c : t)
            c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        return t;
    };
    TEditorFixture f;
    f.Editor.SetNewTextCharSet(chEightBit);  // the model folds the 8-bit table
    for (int run = 0; run < 6000; ++run) {
        TModelState m;
        const int paras = 1 + pick(4);
        for (int i = 0; i < paras; ++i)
            m.Paras.push_back(chars(10));
        auto place = [&] {
            const int p = 1 + pick(paras);
            return TParaPos{
                p, 1 + pick(static_cast<int>(m.Paras[static_cast<std::size_t>(p - 1)].size()) + 1)};
        };
        const TParaPos a = place();
        const TParaPos b = pick(2) == 0 ? a : place();
        m.Begin = std::min(a, b);
        m.End = std::max(a, b);
        m.CaretAtEnd = m.Begin != m.End && pick(2) == 0;
        m.Caret = m.CaretAtEnd ? m.End : m.Begin;
        std::string s = pick(3) == 0 ? chars(3) : "";
        if (s.empty()) {
            const std::string& para = m.Paras[static_cast<std::size_t>(pick(paras))];
            s = para.empty()
                    ? "a"
                    : para.substr(static_cast<std::size_t>(pick(static_cast<int>(para.size()))),
                                  1 + static_cast<std::size_t>(pick(3)));
        }
        const std::string r = chars(3);
        const auto options = static_cast<TEditorSearchOptions>(pick(256));
        const bool replace = pick(2) == 1;
        const bool readOnly = pick(8) == 0;

        std::string start;
        for (std::size_t i = 0; i < m.Paras.size(); ++i)
            start += (i ? "\n" : "") + m.Paras[i];
        f.Editor.SetReadOnly(false);
        f.Load("");
        Fill(f.Editor.Store(), m.Paras);
        if (m.Begin != m.End) {
            f.Editor.SelectRange(m.CaretAtEnd ? m.Begin : m.End, m.CaretAtEnd ? m.End : m.Begin);
        } else {
            f.Editor.SetCaretParaPos(m.Caret);
        }
        f.Editor.SetReadOnly(readOnly);
        const std::string trace = "seed " + std::to_string(seed) + " run " + std::to_string(run) +
                                  " text [" + start + "] before " + Marked(f.Editor) + " S [" + s +
                                  "] R [" + r + "] options " + std::to_string(options) +
                                  " replace " + std::to_string(replace) + " readOnly " +
                                  std::to_string(readOnly);
        const std::int32_t expected = ModelRun(m, s, r, options, readOnly, replace);
        const std::int32_t result = replace ? f.Editor.Replace(s, r, options)
                                            : (f.Editor.Search(s, options) ? 0 : kNotFound);
        ASSERT_EQ(result, expected) << trace;
        std::vector<std::string> texts;
        for (std::int32_t p = 1; p <= f.Editor.ParaCount(); ++p)
            texts.emplace_back(f.Editor.GetPara(p));
        ASSERT_EQ(texts, m.Paras) << trace;
        ASSERT_EQ(f.Editor.CaretParaPos(), m.Caret) << trace << " after " << Marked(f.Editor);
        ASSERT_EQ(f.Editor.HighlightBegin(), m.Begin) << trace << " after " << Marked(f.Editor);
        ASSERT_EQ(f.Editor.HighlightEnd(), m.End) << trace << " after " << Marked(f.Editor);
        ASSERT_EDITOR_VALID(f.Editor) << trace;
    }
}

}  // namespace
}  // namespace wendax::test
