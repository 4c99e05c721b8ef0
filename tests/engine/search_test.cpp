// The search scan over a store: the case table, the Horspool pattern, scopes, whole words,
// forward and backward scans and replace-all, checked case by case and against a plain
// model that tries every position.
#include <gtest/gtest.h>

#include <random>

#include "engine/replace_all.h"
#include "engine/search_scan.h"
#include "engine/upper_case.h"
#include "engine/utf8_case_fold.h"
#include "tests/engine/search_model.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::MakeStore;
using test::Paragraphs;
using Texts = std::vector<std::string>;

constexpr TSearchScope kWholeText{{1, 1}, {kMaxInt32, 1}};

TParaPos Forward(TParaList& store, std::string_view pattern, TParaPos from, bool matchCase = false,
                 bool wholeWords = false, TSearchScope scope = kWholeText) {
    const TSearchPattern prepared(pattern, matchCase, chEightBit);
    return TSearchScan(store, prepared, wholeWords).Forward(from, scope);
}

TParaPos Backward(TParaList& store, std::string_view pattern, TParaPos from, bool matchCase = false,
                  bool wholeWords = false, TSearchScope scope = kWholeText) {
    const TSearchPattern prepared(pattern, matchCase, chEightBit);
    return TSearchScan(store, prepared, wholeWords).Backward(from, scope);
}

TEST(UpperCase, FollowsTheWesternCharacterSet) {
    EXPECT_EQ(UpperCase('a'), 'A');
    EXPECT_EQ(UpperCase('z'), 'Z');
    EXPECT_EQ(UpperCase('Q'), 'Q');
    EXPECT_EQ(UpperCase('1'), '1');
    EXPECT_EQ(UpperCase('\xE9'), '\xC9');  // e acute
    EXPECT_EQ(UpperCase('\xFE'), '\xDE');  // thorn
    EXPECT_EQ(UpperCase('\xF7'), '\xF7');  // division sign
    EXPECT_EQ(UpperCase('\xDF'), '\xDF');  // sharp s has no capital here
    EXPECT_EQ(UpperCase('\x9A'), '\x8A');  // s caron
    EXPECT_EQ(UpperCase('\xFF'), '\x9F');  // y diaeresis
    EXPECT_EQ(AsciiUpperCase('\xE9'), '\xE9');
    EXPECT_EQ(AsciiUpperCase('q'), 'Q');
}

// The window filter compares each character with at most two raw bytes.
TEST(UpperCase, NoCapitalHasMoreThanOneOtherByte) {
    for (int capital = 0; capital < 256; ++capital) {
        int others = 0;
        for (int c = 0; c < 256; ++c)
            others += c != capital && kUpperCase[static_cast<std::size_t>(c)] == capital;
        EXPECT_LE(others, 1) << capital;
        if (others > 0) {
            EXPECT_EQ(kUpperCase[static_cast<std::size_t>(capital)], capital);
        }
    }
}

TEST(SearchPattern, FindsOccurrencesAtEveryPlaceOfLongRuns) {
    const std::string pattern = "Needle";
    for (std::size_t length = pattern.size(); length < 80; ++length) {
        for (std::size_t at = 0; at + pattern.size() <= length; ++at) {
            std::string run(length, 'e');
            run.replace(at, pattern.size(), "nEEDLE");
            ASSERT_EQ(TSearchPattern(pattern, false, chEightBit).FindFirst(run), at)
                << length << " " << at;
            ASSERT_EQ(TSearchPattern(pattern, true, chEightBit).FindFirst(run),
                      TSearchPattern::npos);
            ASSERT_EQ(TSearchPattern(pattern, false, chEightBit).FindLast(run), at);
        }
    }
}

TEST(SearchPattern, SkipTableTakesTheLastOccurrenceBeforeTheEnd) {
    const TSearchPattern pattern("abcab", true, chEightBit);
    EXPECT_EQ(pattern.Skip('a'), 1);
    EXPECT_EQ(pattern.Skip('b'), 3);  // the final b does not count
    EXPECT_EQ(pattern.Skip('c'), 2);
    EXPECT_EQ(pattern.Skip('x'), 5);
    EXPECT_EQ(pattern.Skip('A'), 5);
}

TEST(SearchPattern, CaseInsensitivePatternIsUpperCasedAndSkipsFoldedCharacters) {
    const TSearchPattern pattern("a\xE9z", false, chEightBit);
    EXPECT_EQ(pattern.Text(), "A\xC9Z");
    EXPECT_EQ(pattern.Skip('a'), 2);
    EXPECT_EQ(pattern.Skip('A'), 2);
    EXPECT_EQ(pattern.Skip('\xE9'), 1);
    EXPECT_EQ(pattern.Skip('\xC9'), 1);
    EXPECT_EQ(pattern.FindFirst("xxA\xC9z"), 2u);
}

TEST(SearchPattern, CutsTheTextTo255Characters) {
    const TSearchPattern pattern(std::string(300, 'a'), true, chEightBit);
    EXPECT_EQ(pattern.Length(), 255);
    EXPECT_EQ(pattern.Skip('a'), 1);
}

std::size_t NaiveFind(std::string_view run, std::string_view pattern, bool first) {
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i + pattern.size() <= run.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < pattern.size() && same; ++k)
            same = UpperCase(run[i + k]) == UpperCase(pattern[k]);
        if (same && first) return i;
        if (same) found = i;
    }
    return found;
}

TEST(SearchPattern, FindsTheSameOccurrencesAsTryingEveryPosition) {
    const std::uint32_t seed = 20240611;
    std::mt19937 random(seed);
    const std::string alphabet = "abAB\xE9\xC9 ";
    auto text = [&](std::size_t most) {
        std::string s(random() % (most + 1), ' ');
        for (char& c : s)
            c = alphabet[random() % alphabet.size()];
        return s;
    };
    for (int i = 0; i < 40000; ++i) {
        const std::string pattern = text(i % 10 == 0 ? 30 : 5);
        if (pattern.empty()) continue;
        const std::string run = text(i % 2 == 0 ? 20 : 120);
        const TSearchPattern prepared(pattern, false, chEightBit);
        ASSERT_EQ(prepared.FindFirst(run), NaiveFind(run, pattern, true))
            << "seed " << seed << " run '" << run << "' pattern '" << pattern << "'";
        ASSERT_EQ(prepared.FindLast(run), NaiveFind(run, pattern, false))
            << "seed " << seed << " run '" << run << "' pattern '" << pattern << "'";
    }
}

TEST(ParaCursor, WalksBothWaysAndLeavesAtTheEnds) {
    auto store = MakeStore({"one", "", "three"});
    TParaCursor cursor = store->CursorAt(2);
    EXPECT_EQ(cursor.Para(), 2);
    EXPECT_EQ(cursor.Text(), "");
    cursor.Next();
    EXPECT_EQ(cursor.Text(), "three");
    cursor.Next();
    EXPECT_EQ(cursor.Para(), 0);
    cursor = store->CursorAt(1);
    EXPECT_EQ(cursor.Text(), "one");
    cursor.Prev();
    EXPECT_EQ(cursor.Para(), 0);
    EXPECT_EQ(store->CursorAt(4).Para(), 0);
    EXPECT_EQ(store->CursorAt(0).Para(), 0);
}

TEST(SearchScope, AcceptsOccurrencesWhollyBetweenBeginAndEnd) {
    const TSearchScope one{{2, 3}, {2, 8}};
    EXPECT_TRUE(one.Contains(2, 3, 7));
    EXPECT_FALSE(one.Contains(2, 2, 5));
    EXPECT_FALSE(one.Contains(2, 5, 8));
    const TSearchScope several{{2, 3}, {4, 5}};
    EXPECT_TRUE(several.Contains(2, 3, 100));
    EXPECT_FALSE(several.Contains(2, 2, 4));
    EXPECT_TRUE(several.Contains(3, 1, 500));
    EXPECT_TRUE(several.Contains(4, 1, 4));
    EXPECT_FALSE(several.Contains(4, 1, 5));
    EXPECT_FALSE(several.Contains(1, 5, 6));
    EXPECT_FALSE(several.Contains(5, 1, 1));
}

TEST(SearchScan, ForwardFindsTheNextOccurrenceAfterTheLastOne) {
    auto store = MakeStore({"aaaa"});
    EXPECT_EQ(Forward(*store, "aa", {1, 1}), (TParaPos{1, 1}));
    EXPECT_EQ(Forward(*store, "aa", {1, 3}), (TParaPos{1, 3}));
    EXPECT_EQ(Forward(*store, "aa", {1, 4}), (TParaPos{}));
}

TEST(SearchScan, BackwardOccurrenceMustEndBeforeTheStart) {
    auto store = MakeStore({"aaa"});
    EXPECT_EQ(Backward(*store, "aa", {1, 4}), (TParaPos{1, 2}));
    EXPECT_EQ(Backward(*store, "aa", {1, 2}), (TParaPos{}));
    EXPECT_EQ(Backward(*store, "aa", {1, 3}), (TParaPos{1, 1}));
}

TEST(SearchScan, MatchCaseDecidesWhetherLettersFold) {
    auto store = MakeStore({"abc aBc ABC"});
    EXPECT_EQ(Forward(*store, "ABC", {1, 1}), (TParaPos{1, 1}));
    EXPECT_EQ(Forward(*store, "ABC", {1, 2}), (TParaPos{1, 5}));
    EXPECT_EQ(Forward(*store, "ABC", {1, 1}, true), (TParaPos{1, 9}));
}

TEST(SearchScan, WholeWordsNeedDelimitersOrParagraphEnds) {
    auto store = MakeStore({"concat cats cat_1", "a cat.", "cat", "xcat"});
    EXPECT_EQ(Forward(*store, "cat", {1, 1}, false, true), (TParaPos{2, 3}));
    EXPECT_EQ(Forward(*store, "cat", {2, 4}, false, true), (TParaPos{3, 1}));
    EXPECT_EQ(Forward(*store, "cat", {3, 2}, false, true), (TParaPos{}));
    EXPECT_EQ(Backward(*store, "cat", {4, 5}, false, true), (TParaPos{3, 1}));
}

TEST(SearchScan, NeverMatchesAcrossAParagraphBreak) {
    auto store = MakeStore({"ab", "cd"});
    EXPECT_EQ(Forward(*store, "bc", {1, 1}), (TParaPos{}));
    EXPECT_EQ(Backward(*store, "bc", {2, 3}), (TParaPos{}));
}

TEST(SearchScan, ScopeRejectsOccurrencesReachingOutOfIt) {
    auto store = MakeStore({"xx xx xx"});
    const TSearchScope selected{{1, 2}, {1, 7}};  // "x xx x"
    EXPECT_EQ(Forward(*store, "xx", {1, 2}, false, false, selected), (TParaPos{1, 4}));
    EXPECT_EQ(Forward(*store, "xx", {1, 5}, false, false, selected), (TParaPos{}));
    EXPECT_EQ(Backward(*store, "xx", {1, 7}, false, false, selected), (TParaPos{1, 4}));
    const TSearchScope empty{{1, 4}, {1, 4}};
    EXPECT_EQ(Forward(*store, "xx", {1, 4}, false, false, empty), (TParaPos{}));
}

// "a-a" at 3 is followed by a word character; the one at 1 overlaps it and is a word.
TEST(SearchScan, BackwardFindsAWordOverlappingARejectedOccurrence) {
    auto store = MakeStore({"a-a-ab"});
    EXPECT_EQ(Forward(*store, "a-a", {1, 1}, false, true), (TParaPos{1, 1}));
    EXPECT_EQ(Backward(*store, "a-a", {1, 7}, false, true), (TParaPos{1, 1}));
}

TEST(SearchScan, StartsBeyondTheTextEndSafely) {
    auto store = MakeStore({"ab", "ab"});
    EXPECT_EQ(Forward(*store, "ab", {1, 50}), (TParaPos{2, 1}));
    EXPECT_EQ(Backward(*store, "ab", {2, 50}), (TParaPos{2, 1}));
    EXPECT_EQ(Backward(*store, "ab", {9, 1}), (TParaPos{2, 1}));
    EXPECT_EQ(Forward(*store, "ab", {9, 1}), (TParaPos{}));
}

// Case-insensitive search in UTF-8 text: patterns that fold to ASCII take the in-place
// path, the others fold each paragraph; both must find what folding text and pattern and
// trying every character start finds. The alphabet holds letters whose folding is tricky
// (the long s and the dotless i fold to nothing else, the sharp s has no one-byte capital),
// a wide character and an invalid byte.
TEST(SearchScan, Utf8CaseInsensitiveScanAgreesWithFoldingEverything) {
    const std::uint32_t seed = 90;
    std::mt19937 random(seed);
    const std::vector<std::string> alphabet = {"a",      "A",      "s",      "S",      "i",
                                               "I",      "\u017F", "\u0131", "\u00E9", "\u00C9",
                                               "\u00DF", "\u65E5", "\xff",   " "};
    auto text = [&](std::size_t most) {
        std::string s;
        for (std::size_t n = random() % (most + 1); n > 0; --n)
            s += alphabet[random() % alphabet.size()];
        return s;
    };
    for (int i = 0; i < 20000; ++i) {
        const std::string pattern = text(3);
        if (pattern.empty()) continue;
        const std::string para = text(12);
        std::string foldedPattern, foldedText;
        FoldUtf8Case(pattern, foldedPattern);
        FoldUtf8Case(para, foldedText);
        TParaPos expected;
        for (std::size_t at = foldedText.find(foldedPattern); at != std::string::npos;
             at = foldedText.find(foldedPattern, at + 1)) {
            const auto end = static_cast<std::int32_t>(at + pattern.size());
            if (CharStart(chUtf8, para, static_cast<std::int32_t>(at)) ==
                    static_cast<std::int32_t>(at) &&
                (end == static_cast<std::int32_t>(para.size()) ||
                 CharStart(chUtf8, para, end) == end)) {
                expected = {1, static_cast<std::int32_t>(at) + 1};
                break;
            }
        }
        auto store = MakeStore({para});
        store->SetCharSet(chUtf8);
        const TSearchPattern prepared(pattern, false, chUtf8);
        ASSERT_EQ(TSearchScan(*store, prepared, false).Forward({1, 1}, kWholeText), expected)
            << "seed " << seed << " text '" << para << "' pattern '" << pattern << "'";
    }
}

// ---- Replace-all

struct TReplaceCase {
    Texts Paras;
    std::string Pattern;
    std::string Replacement;
    TParaPos Start{1, 1};
    bool Backward = false;
    TSearchScope Scope = kWholeText;
};

TReplaceAllResult RunReplaceAll(TParaList& store, const TReplaceCase& c, TSearchScope& scope) {
    const TSearchPattern pattern(c.Pattern, false, chEightBit);
    TSearchScan scan(store, pattern, false);
    scope = c.Scope;
    return ReplaceAll(store, nullptr, scan, c.Backward, c.Start, scope, c.Replacement);
}

TEST(ReplaceAll, ReplacesEveryOccurrenceAndCountsThem) {
    auto store = MakeStore({"x x x"});
    TSearchScope scope;
    const auto result = RunReplaceAll(*store, {{}, "x", "yy"}, scope);
    EXPECT_EQ(result.Replaced, 3);
    EXPECT_EQ(result.Code, eeOk);
    EXPECT_EQ(store->ParaText(1), "yy yy yy");
    EXPECT_EQ(RunReplaceAll(*store, {{}, "x", "yy"}, scope).Replaced, 0);
    EXPECT_STORE_VALID(*store);
}

TEST(ReplaceAll, ReplacementContainingThePatternIsNotReplacedAgain) {
    auto store = MakeStore({"aa", "a"});
    TSearchScope scope;
    EXPECT_EQ(RunReplaceAll(*store, {{}, "a", "aa"}, scope).Replaced, 3);
    EXPECT_EQ(Paragraphs(*store), (Texts{"aaaa", "aa"}));
    EXPECT_EQ(RunReplaceAll(*store, {{}, "a", "aa", {2, 3}, true}, scope).Replaced, 6);
    EXPECT_EQ(Paragraphs(*store), (Texts{"aaaaaaaa", "aaaa"}));
}

TEST(ReplaceAll, EmptyReplacementDeletesTheOccurrences) {
    auto store = MakeStore({"a, b, c"});
    TSearchScope scope;
    EXPECT_EQ(RunReplaceAll(*store, {{}, ", ", ""}, scope).Replaced, 2);
    EXPECT_EQ(store->ParaText(1), "abc");
}

TEST(ReplaceAll, ScopeKeepsMarkingTheSameCharacters) {
    auto store = MakeStore({"ab ab ab ab"});
    TSearchScope scope;
    const auto result =
        RunReplaceAll(*store, {{}, "ab", "x", {1, 4}, false, {{1, 4}, {1, 9}}}, scope);
    EXPECT_EQ(result.Replaced, 2);
    EXPECT_EQ(store->ParaText(1), "ab x x ab");
    EXPECT_EQ(scope.Begin, (TParaPos{1, 4}));
    EXPECT_EQ(scope.End, (TParaPos{1, 7}));
}

TEST(ReplaceAll, RefusesToGrowAParagraphBeyondItsLimitAndKeepsEarlierReplacements) {
    auto store = MakeStore({"a a", "a a a"});
    store->SetParaLengthLimit(6);
    TSearchScope scope;
    const auto result = RunReplaceAll(*store, {{}, "a", "bb"}, scope);
    EXPECT_EQ(result.Code, eeParagraphTooLong);
    EXPECT_EQ(result.Replaced, 3);
    EXPECT_EQ(Paragraphs(*store), (Texts{"bb bb", "bb a a"}));
    EXPECT_STORE_VALID(*store);
}

TEST(ReplaceAll, RefusesToGrowTheTextBeyondTheByteLimit) {
    auto store = MakeStore({"a a", "a"});
    store->SetByteLimit(8);  // 6 bytes now
    TSearchScope scope;
    const auto result = RunReplaceAll(*store, {{}, "a", "bb"}, scope);
    EXPECT_EQ(result.Code, eeTextTooLarge);
    EXPECT_EQ(result.Replaced, 2);
    EXPECT_EQ(Paragraphs(*store), (Texts{"bb bb", "a"}));
    EXPECT_EQ(store->ByteCount(), 8);
}

TEST(ReplaceAll, NeverGrowsAParagraphBeyondTheLargestSize) {
    auto store = MakeStore({std::string(32764, 'a') + "xx"});
    TSearchScope scope;
    const auto result = RunReplaceAll(*store, {{}, "x", "yy"}, scope);
    EXPECT_EQ(result.Code, eeParagraphTooLong);
    EXPECT_EQ(result.Replaced, 1);
    EXPECT_EQ(store->ParaLength(1), kMaxParaLength);
    EXPECT_STORE_VALID(*store);
}

TEST(ReplaceAll, EachReplacementIsOneUndoStep) {
    auto store = MakeStore({"x x", "x"});
    TSearchScope scope;
    RunReplaceAll(*store, {{}, "x", "yz"}, scope);
    TParaPos caret;
    store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"yz yz", "x"}));
    while (store->UndoBuffer().UndoCount() > 0)
        store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"x x", "x"}));
    EXPECT_FALSE(store->Modified());
}

// ---- Differential runs against the model

class TSearchRun {
  public:
    explicit TSearchRun(std::uint32_t seed) : FRandom(seed) {}
    void Scan();
    void Replace();

  private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint32_t>(n)); }
    std::string Chars(int most);
    void MakeText();
    std::string MakePattern();
    TParaPos AnyPlace();
    void MakeOptions(TParaPos& start);

    std::mt19937 FRandom;
    Texts FParas;
    test::TModelSearch FSearch;
    bool FBackward = false;
};

std::string TSearchRun::Chars(int most) {
    static const std::string kAlphabet = "aaabbAB \xE9\xC9-.x";
    std::string s(static_cast<std::size_t>(Pick(most + 1)), ' ');
    for (char& c : s)
        c = kAlphabet[static_cast<std::size_t>(Pick(static_cast<int>(kAlphabet.size())))];
    return s;
}

void TSearchRun::MakeText() {
    FParas.clear();
    const int count = 1 + Pick(6);
    for (int i = 0; i < count; ++i)
        FParas.push_back(Chars(14));
}

// Usually a piece of the text, so that occurrences exist.
std::string TSearchRun::MakePattern() {
    const std::string& para =
        FParas[static_cast<std::size_t>(Pick(static_cast<int>(FParas.size())))];
    if (Pick(4) == 0 || para.size() < 2) {
        std::string pattern = Chars(3);
        return pattern.empty() ? "a" : pattern;
    }
    const int from = Pick(static_cast<int>(para.size()) - 1);
    return para.substr(static_cast<std::size_t>(from), 1 + static_cast<std::size_t>(Pick(3)));
}

TParaPos TSearchRun::AnyPlace() {
    const int para = 1 + Pick(static_cast<int>(FParas.size()));
    return {para,
            1 + Pick(static_cast<int>(FParas[static_cast<std::size_t>(para - 1)].size()) + 2)};
}

// The start point and scope as the editor sets them for each option combination.
void TSearchRun::MakeOptions(TParaPos& start) {
    FBackward = Pick(2) == 1;
    FSearch.MatchCase = Pick(2) == 1;
    FSearch.WholeWords = Pick(2) == 1;
    const auto count = static_cast<std::int32_t>(FParas.size());
    const TParaPos caret = AnyPlace();
    switch (Pick(3)) {
        case 0: {  // selected text
            TParaPos other = AnyPlace();
            other.Pos = std::min<std::int32_t>(
                other.Pos,
                static_cast<std::int32_t>(FParas[static_cast<std::size_t>(other.Para - 1)].size()) +
                    1);
            TParaPos begin = std::min(caret, other);
            TParaPos end = std::max(caret, other);
            begin.Pos = std::min<std::int32_t>(
                begin.Pos,
                static_cast<std::int32_t>(FParas[static_cast<std::size_t>(begin.Para - 1)].size()) +
                    1);
            FSearch.ScopeBegin = begin;
            FSearch.ScopeEnd = end;
            start = FBackward ? end : begin;
            break;
        }
        case 1:  // entire scope
            FSearch.ScopeBegin = {1, 1};
            FSearch.ScopeEnd = {count + 1, 1};
            start = FBackward ? TParaPos{count, static_cast<std::int32_t>(FParas.back().size()) + 1}
                              : TParaPos{1, 1};
            break;
        default:  // from the caret
            start = caret;
            FSearch.ScopeBegin = FBackward ? TParaPos{1, 1} : caret;
            FSearch.ScopeEnd = FBackward ? caret : TParaPos{count + 1, 1};
            break;
    }
}

std::string Describe(const Texts& paras, const test::TModelSearch& search, TParaPos start,
                     bool backward) {
    std::string text = "paras:";
    for (const auto& para : paras)
        text += " [" + para + "]";
    text += " pattern [" + search.Pattern + "] case " + std::to_string(search.MatchCase) +
            " words " + std::to_string(search.WholeWords) + " backward " +
            std::to_string(backward) + " start " + std::to_string(start.Para) + "," +
            std::to_string(start.Pos) + " scope " + std::to_string(search.ScopeBegin.Para) + "," +
            std::to_string(search.ScopeBegin.Pos) + "-" + std::to_string(search.ScopeEnd.Para) +
            "," + std::to_string(search.ScopeEnd.Pos);
    return text;
}

void TSearchRun::Scan() {
    MakeText();
    FSearch.Pattern = MakePattern();
    TParaPos start;
    MakeOptions(start);
    auto store = MakeStore(FParas);
    const TSearchPattern pattern(FSearch.Pattern, FSearch.MatchCase, chEightBit);
    TSearchScan scan(*store, pattern, FSearch.WholeWords);
    const TSearchScope scope{FSearch.ScopeBegin, FSearch.ScopeEnd};
    const TParaPos found = FBackward ? scan.Backward(start, scope) : scan.Forward(start, scope);
    const TParaPos expected = FBackward ? test::ModelBackward(FParas, start, FSearch)
                                        : test::ModelForward(FParas, start, FSearch);
    ASSERT_EQ(found, expected) << Describe(FParas, FSearch, start, FBackward);
}

void TSearchRun::Replace() {
    MakeText();
    FSearch.Pattern = MakePattern();
    TParaPos start;
    MakeOptions(start);
    const std::string replacement = Chars(3);
    auto store = MakeStore(FParas);
    const std::int32_t lengthLimit = Pick(3) == 0 ? 8 + Pick(10) : kMaxParaLength;
    const std::int32_t byteLimit =
        Pick(3) == 0 ? static_cast<std::int32_t>(store->ByteCount()) + Pick(8) : kMaxInt32;
    store->SetParaLengthLimit(lengthLimit);
    store->SetByteLimit(byteLimit);
    const std::string described = Describe(FParas, FSearch, start, FBackward) + " replacement [" +
                                  replacement + "] limits " + std::to_string(lengthLimit) + " " +
                                  std::to_string(byteLimit);
    const Texts original = FParas;
    const TSearchPattern pattern(FSearch.Pattern, FSearch.MatchCase, chEightBit);
    TSearchScan scan(*store, pattern, FSearch.WholeWords);
    TSearchScope scope{FSearch.ScopeBegin, FSearch.ScopeEnd};
    const auto result = ReplaceAll(*store, nullptr, scan, FBackward, start, scope, replacement);
    const auto expected = test::ModelReplaceAll(FParas, start, FBackward, FSearch, replacement,
                                                lengthLimit, byteLimit);
    ASSERT_EQ(result.Replaced, expected.Replaced) << described;
    ASSERT_EQ(result.Code, expected.Code) << described;
    ASSERT_EQ(Paragraphs(*store), FParas) << described;
    ASSERT_EQ(scope.Begin, FSearch.ScopeBegin) << described;
    ASSERT_EQ(scope.End, FSearch.ScopeEnd) << described;
    ASSERT_STORE_VALID(*store);
    TParaPos caret;
    while (store->UndoBuffer().UndoCount() > 0)
        store->Undo(nullptr, caret);
    ASSERT_EQ(Paragraphs(*store), original) << described;
}

TEST(SearchDifferential, ScansAgreeWithTheModelForEveryOptionCombination) {
    const std::uint32_t seed = 77;
    TSearchRun run(seed);
    for (int i = 0; i < 20000; ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(i));
        ASSERT_NO_FATAL_FAILURE(run.Scan());
    }
}

TEST(SearchDifferential, ReplaceAllAgreesWithTheModelAndUndoesToTheOriginal) {
    const std::uint32_t seed = 78;
    TSearchRun run(seed);
    for (int i = 0; i < 10000; ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(i));
        ASSERT_NO_FATAL_FAILURE(run.Replace());
    }
}

}  // namespace
}  // namespace wendax
