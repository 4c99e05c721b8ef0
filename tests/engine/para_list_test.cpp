// The paragraph store without edits: a new store, loading, lookups and conversions, limits,
// settings, markers and the ring of views.
#include <gtest/gtest.h>

#include <random>

#include "engine/para_list.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::MakeStore;
using test::Paragraphs;
using test::TRecordingView;
using Texts = std::vector<std::string>;

TEST(ParaListCreation, NewStoreHasOneEmptyParagraph) {
    TParaList store(nullptr, false);
    EXPECT_EQ(store.ParaCount(), 1);
    EXPECT_EQ(store.LineCount(), 1);
    EXPECT_EQ(store.ByteCount(), 0);
    EXPECT_EQ(store.GetLine(1).Text, "");
    EXPECT_EQ(store.GetLine(1).Para, 1);
    EXPECT_FALSE(store.Modified());
    EXPECT_EQ(store.UndoBufferSize(), 8192);
    EXPECT_EQ(store.WrapColumn(), 80);
    EXPECT_EQ(store.TabSize(), 8);
    EXPECT_EQ(store.ParaLimit(), kMaxInt32);
    EXPECT_EQ(store.ByteLimit(), kMaxInt32);
    EXPECT_EQ(store.ParaLengthLimit(), 32767);
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(store.Marker(n).Para, 0);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListCreation, ByteCountCountsTwoBytesPerBreak) {
    auto store = MakeStore({"abc", ""});
    EXPECT_EQ(store->ByteCount(), 5);
    EXPECT_STORE_VALID(*store);
}

TEST(ParaListLoading, LinesGoBeforeTheTrailingEmptyParagraph) {
    TParaList store(nullptr, true);
    store.SetWrapColumn(4);
    EXPECT_EQ(store.AppendLoadedPara("a", false, leLf), eeOk);
    EXPECT_EQ(store.AppendLoadedPara("bbbb cc", false, leLf), eeOk);
    EXPECT_EQ(Paragraphs(store), (Texts{"a", "bbbb cc", ""}));
    EXPECT_EQ(store.ParaCount(), 3);
    EXPECT_EQ(store.LineCount(), 4);
    EXPECT_EQ(store.ByteCount(), 12);
    EXPECT_EQ(store.UndoBuffer().UndoCount(), 0);
    EXPECT_FALSE(store.Modified());
    EXPECT_STORE_VALID(store);
}

TEST(ParaListLoading, TrimRemovesTrailingBlanksFromTheCount) {
    TParaList store(nullptr, false);
    store.AppendLoadedPara("ab \t ", true, leLf);
    store.AppendLoadedPara(" \t", true, leLf);
    EXPECT_EQ(Paragraphs(store), (Texts{"ab", "", ""}));
    EXPECT_EQ(store.ByteCount(), 6);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListLoading, RefusesMoreThanTheLargestParagraph) {
    TParaList store(nullptr, false);
    EXPECT_EQ(store.AppendLoadedPara(std::string(32768, 'a'), false, leLf), eeParagraphTooLong);
    EXPECT_EQ(store.AppendLoadedPara(std::string(32767, 'a'), false, leLf), eeOk);
    EXPECT_EQ(store.AppendLoadedPara(std::string(32767, 'a') + "   ", true, leLf), eeOk);
    EXPECT_EQ(store.ParaCount(), 3);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListLookup, LinesOfAWrappedParagraph) {
    auto store = MakeStore({"aaaa bbbb cccc", "x", ""}, true, 6);
    ASSERT_EQ(store->LineCount(), 5);
    EXPECT_EQ(store->GetLine(1).Text, "aaaa ");
    EXPECT_EQ(store->GetLine(2).Text, "bbbb ");
    EXPECT_EQ(store->GetLine(3).Text, "cccc");
    EXPECT_EQ(store->GetLine(3).Offset, 10);
    EXPECT_EQ(store->GetLine(3).LineInPara, 3);
    EXPECT_EQ(store->GetLine(4).Text, "x");
    EXPECT_EQ(store->GetLine(4).Para, 2);
    EXPECT_EQ(store->GetLine(5).Text, "");
    EXPECT_EQ(store->LineLength(2), 5);
    EXPECT_EQ(store->GetLine(6).Para, 0);
    EXPECT_EQ(store->GetLine(0).Para, 0);
    EXPECT_STORE_VALID(*store);
}

TEST(ParaListLookup, PositionAfterTheTextIsOnTheLastLine) {
    auto store = MakeStore({"aaaa bbbb"}, true, 6);
    const TParaRef para = store->FindPara(1);
    EXPECT_EQ(store->LineOfPos(para, 10), (TLineCol{2, 5}));
    EXPECT_EQ(store->LineOfPos(para, 6), (TLineCol{2, 1}));  // first character of line 2
    EXPECT_EQ(store->LineOfPos(para, 5), (TLineCol{1, 5}));
    EXPECT_EQ(store->LineOfPos(para, 40), (TLineCol{2, 35}));
    EXPECT_EQ(store->ParaToLine({1, 6}), (TLineCol{2, 1}));
    EXPECT_EQ(store->ParaToLine({7, 1}), (TLineCol{1, 1}));  // clamped to the last paragraph
}

TEST(ParaListLookup, LongParagraphPositionsAgreeWithTheirLines) {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "word" + std::to_string(i % 7) + " ";
    auto store = MakeStore({"x", text, "y"}, true, 9);
    const std::int32_t lines = store->ParaLines(2);
    ASSERT_GT(lines, 20);
    std::vector<std::int32_t> starts;
    for (std::int32_t k = 1; k <= lines; ++k)
        starts.push_back(store->GetLine(1 + k).Offset);
    const TParaRef para = store->FindPara(2);
    for (std::int32_t p = 1; p <= static_cast<std::int32_t>(text.size()) + 1; ++p) {
        std::int32_t line = 0;
        while (line < lines && starts[static_cast<std::size_t>(line)] <= p - 1)
            ++line;
        EXPECT_EQ(store->LineOfPos(para, p),
                  (TLineCol{line, p - starts[static_cast<std::size_t>(line - 1)]}))
            << "p " << p;
    }
}

TEST(ParaListLookup, LineToParaGivesTheLineStart) {
    auto store = MakeStore({"aaaa bbbb", "cc"}, true, 6);
    EXPECT_EQ(store->LineToPara(2), (TLineStart{1, 5}));
    EXPECT_EQ(store->LineToPara(3), (TLineStart{2, 0}));
    EXPECT_EQ(store->LineToPara(99), (TLineStart{2, 0}));
    store->SetWordWrap(false);
    EXPECT_EQ(store->LineToPara(2), (TLineStart{2, 0}));
}

TEST(ParaListLookup, WithoutWordWrapALineIsAWholeParagraph) {
    const std::string tabs(5000, '\t');  // far wider than any screen
    auto store = MakeStore({"aaaa bbbb", tabs, ""}, false, 6);
    EXPECT_EQ(store->LineCount(), 3);
    EXPECT_EQ(store->GetLine(1).Text, "aaaa bbbb");
    EXPECT_EQ(store->GetLine(2).Text, tabs);
    EXPECT_EQ(store->LineWidth(2), 40000);
    EXPECT_STORE_VALID(*store);
}

// Random lookups in any order find the same lines as a plain split of the text.
TEST(ParaListLookup, RandomLookupsMatchAPlainModel) {
    std::mt19937 random(7);
    Texts paragraphs;
    std::vector<std::pair<std::int32_t, std::string>> lines;  // paragraph and line text
    for (int n = 1; n <= 60; ++n) {
        std::string text;
        const int words = static_cast<int>(random() % 12);
        for (int w = 0; w < words; ++w)
            text += std::string(random() % 9 + 1, static_cast<char>('a' + w)) + " ";
        paragraphs.push_back(text);
        for (const std::string& line : test::ModelWrap(text, 10, 8))
            lines.emplace_back(n, line);
    }
    auto store = MakeStore(paragraphs, true, 10);
    ASSERT_EQ(store->LineCount(), static_cast<std::int32_t>(lines.size()));
    for (int i = 0; i < 2000; ++i) {
        const auto n = static_cast<std::int32_t>(random() % lines.size()) + 1;
        if (random() % 3 == 0) {
            const auto k = static_cast<std::int32_t>(random() % paragraphs.size()) + 1;
            ASSERT_EQ(store->ParaText(k), paragraphs[k - 1]);
        }
        const TLineText line = store->GetLine(n);
        ASSERT_EQ(line.Para, lines[n - 1].first) << "line " << n;
        ASSERT_EQ(line.Text, lines[n - 1].second) << "line " << n;
        ASSERT_EQ(store->ParaToLine({line.Para, line.Offset + 1}).Line, n);
    }
    EXPECT_STORE_VALID(*store);
}

TEST(ParaListLimits, TrailingEmptyParagraphDoesNotCount) {
    auto store = MakeStore({"a", "b", ""});
    store->SetParaLimit(3);
    EXPECT_EQ(store->CheckLimits(0, 1, 2), eeOk);
    auto full = MakeStore({"a", "b", "c"});
    full->SetParaLimit(3);
    EXPECT_EQ(full->CheckLimits(0, 1, 2), eeTooManyParagraphs);
    EXPECT_EQ(full->InsertParaBefore(nullptr, 1, "x"), eeTooManyParagraphs);
    EXPECT_EQ(Paragraphs(*full), (Texts{"a", "b", "c"}));
}

TEST(ParaListLimits, EditsInParagraphsBeyondTheLimitAreRefused) {
    auto store = MakeStore({"a", "b", "c", "d"});
    store->SetParaLimit(2);
    EXPECT_EQ(store->CheckLimits(3, 0, 1), eeTooManyParagraphs);
    EXPECT_EQ(store->CheckLimits(2, 0, 1), eeOk);
}

TEST(ParaListLimits, TestedInOrderParagraphsBytesLength) {
    auto store = MakeStore({"abcd", ""});
    store->SetParaLimit(1);
    store->SetByteLimit(6);
    store->SetParaLengthLimit(4);
    EXPECT_EQ(store->CheckLimits(0, 2, 9), eeTooManyParagraphs);
    EXPECT_EQ(store->CheckLimits(1, 0, 1), eeTextTooLarge);
    store->SetByteLimit(100);
    EXPECT_EQ(store->CheckLimits(1, 0, 1), eeParagraphTooLong);
    EXPECT_EQ(store->CheckLimits(1, 0, 0), eeOk);
    store->SetParaLimit(10);
    EXPECT_EQ(store->CheckLimits(9, 0, 50), eeOk);  // no such paragraph: only the byte test
}

// Counts beyond 16 bits must not wrap around below a limit.
TEST(ParaListLimits, LargeCountsDoNotWrapAround) {
    auto store = MakeStore({"abc", ""});
    store->SetByteLimit(100);
    EXPECT_EQ(store->CheckLimits(1, 0, 65536), eeTextTooLarge);
    store->SetByteLimit(kMaxInt32);
    EXPECT_EQ(store->CheckLimits(1, 0, 65536), eeParagraphTooLong);
    EXPECT_EQ(store->CheckLimits(1, 0, std::int64_t{kMaxInt32} + 10), eeTextTooLarge);
    EXPECT_EQ(store->InsertChars(nullptr, 1, 1, std::string(65536, 'x')), eeParagraphTooLong);
    store->SetParaLimit(kMaxInt32);
    EXPECT_EQ(store->CheckLimits(0, kMaxInt32, 0), eeTooManyParagraphs);
}

TEST(ParaListLimits, ParagraphLengthLimitAboveTheLargestParagraphStillStopsThere) {
    auto store = MakeStore({std::string(32760, 'a')});
    store->SetParaLengthLimit(100000);
    EXPECT_EQ(store->InsertChars(nullptr, 1, 1, std::string(8, 'b')), eeParagraphTooLong);
    EXPECT_EQ(store->InsertChars(nullptr, 1, 1, std::string(7, 'b')), eeOk);
    EXPECT_STORE_VALID(*store);
}

TEST(ParaListSettings, WrapColumnWhileWrapIsOffChangesNothingVisible) {
    THeadlessPlatform platform;
    TRecordingView view;
    TParaList store(&view, false);
    test::Fill(store, {"aaaa bbbb cccc", ""});
    store.SetWrapColumn(6);
    EXPECT_EQ(store.LineCount(), 2);
    EXPECT_EQ(view.Recomputes, 0);
    store.SetWordWrap(true);
    EXPECT_EQ(store.LineCount(), 4);
    EXPECT_EQ(store.GetLine(2).Text, "bbbb ");
    EXPECT_EQ(view.Recomputes, 1);
    store.SetWrapColumn(6);  // unchanged: ignored
    store.SetTabSize(8);
    EXPECT_EQ(view.Recomputes, 1);
    store.SetTabSize(0);  // no tab size: ignored
    EXPECT_EQ(store.TabSize(), 8);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListSettings, TabSizeRewrapsOnlyWhileWrapping) {
    THeadlessPlatform platform;
    TRecordingView view;
    TParaList store(&view, true);
    test::Fill(store, {"abcdefgh\tx", ""});
    store.SetWrapColumn(10);
    EXPECT_EQ(store.LineCount(), 3);  // the tab reaches column 16: "abcdefgh\t" | "x"
    store.SetTabSize(1);
    EXPECT_EQ(store.LineCount(), 2);  // now exactly 10 columns
    EXPECT_EQ(view.Recomputes, 2);
    store.SetWordWrap(false);
    store.SetTabSize(4);
    EXPECT_EQ(view.Recomputes, 3);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListSettings, FullRewrapOfLargeTextShowsTheBusyCursor) {
    THeadlessPlatform platform;
    TParaList store(nullptr, false);
    test::Fill(store, {std::string(9990, 'a'), ""});
    store.SetWordWrap(true);
    EXPECT_EQ(platform.BusyShown, 0);
    store.InsertChars(nullptr, 1, 1, std::string(20, 'a'));
    store.SetWordWrap(false);
    EXPECT_EQ(platform.BusyShown, 1);
    EXPECT_EQ(platform.BusyDepth, 0);
}

TEST(ParaListSettings, RecomputeStartsWithTheOwnerAndGoesRoundTheRing) {
    THeadlessPlatform platform;
    std::vector<int> log;
    TRecordingView owner(1, &log), second(2, &log), third(3, &log);
    TParaList store(&owner, false);
    store.AddView(&second);
    store.AddView(&third);  // joins right after the owner
    store.SetWordWrap(true);
    EXPECT_EQ(log, (std::vector<int>{1, 3, 2}));
}

TEST(ParaListSettings, UndoBufferSizeReplacesTheHistory) {
    auto store = MakeStore({"abc"});
    store->InsertChars(nullptr, 1, 1, "x");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    store->SetUndoBufferSize(300);
    EXPECT_EQ(store->UndoBufferSize(), 300);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
}

TEST(ParaListViews, OwnerLeavingPassesOwnershipToTheNextView) {
    TRecordingView first, second, third;
    TParaList store(&first, false);
    store.AddView(&second);
    store.AddView(&third);
    EXPECT_EQ(store.Views().Views(), (std::vector<TTextView*>{&first, &third, &second}));
    EXPECT_FALSE(store.RemoveView(&first));
    EXPECT_EQ(store.Owner(), &third);
    EXPECT_FALSE(store.RemoveView(&second));
    EXPECT_TRUE(store.RemoveView(&third));
    EXPECT_EQ(store.Owner(), nullptr);
    store.AddView(&second);
    EXPECT_EQ(store.Owner(), &second);
    EXPECT_STORE_VALID(store);
}

TEST(ParaListMarkers, PutAndReadMarkers) {
    auto store = MakeStore({"aaaa bbbb", "cc", ""}, true, 6);
    store->PutMarker(3, 2, 2);
    EXPECT_EQ(store->Marker(3), (TParaPos{2, 2}));
    store->PutMarker(10, 1, 1);  // no such marker
    store->PutMarker(-1, 1, 1);
    store->PutMarker(4, 9, 1);  // no such paragraph
    EXPECT_EQ(store->Marker(4).Para, 0);
    EXPECT_EQ(store->Marker(10).Para, 0);
    store->PutMarkerAtLine(5, 2, 3);  // line 2 starts at offset 5 of paragraph 1
    EXPECT_EQ(store->Marker(5), (TParaPos{1, 8}));
    store->PutMarker(3, 0, 0);
    EXPECT_EQ(store->Marker(3).Para, 0);
    EXPECT_STORE_VALID(*store);
}

}  // namespace
}  // namespace wendax
