// The edit primitives: their effect on the text, counters and repaint range, their limit
// checks, the markers they move and the notifications the views receive.
#include <gtest/gtest.h>

#include "engine/para_list.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::MakeStore;
using test::Paragraphs;
using test::TRecordingView;
using Texts = std::vector<std::string>;

// A store with an acting view and a second view whose caret follows the changes.
struct TwoViews {
    explicit TwoViews(const Texts& paragraphs, bool wrap = false, std::int32_t column = 80)
        : Store(MakeStore(paragraphs, wrap, column)) {
        Store->AddView(&Acting);
        Store->AddView(&Other);
        Other.Store = Store.get();
    }
    std::unique_ptr<TParaList> Store;
    TRecordingView Acting;
    TRecordingView Other;
};

TEST(InsertChars, BeyondTheEndFillsTheGapWithSpacesAndUndoRemovesBoth) {
    auto store = MakeStore({"abc"});
    EXPECT_EQ(store->InsertChars(nullptr, 1, 10, "xy"), eeOk);
    EXPECT_EQ(store->ParaText(1), "abc      xy");
    EXPECT_EQ(store->ByteCount(), 11);
    EXPECT_TRUE(store->Modified());
    TParaPos caret;
    EXPECT_FALSE(store->Undo(nullptr, caret));
    EXPECT_EQ(store->ParaText(1), "abc");
    EXPECT_EQ(caret, (TParaPos{1, 4}));
    EXPECT_STORE_VALID(*store);
}

TEST(InsertChars, ReportsTheLinesToRepaint) {
    auto store = MakeStore({"zz", "aaaa bbbb cccc dddd", "yy"}, true, 6);
    ASSERT_EQ(store->LineCount(), 6);
    store->InsertChars(nullptr, 2, 7, "x");  // inside "bbbb", line 3: no line count change
    EXPECT_EQ(store->ChangedFrom(), 2);
    EXPECT_GE(store->ChangedTo(), 3);
    EXPECT_LT(store->ChangedTo(), kMaxInt32);
    store->InsertChars(nullptr, 2, 1, "qqqqqq ");  // adds a line
    EXPECT_EQ(store->ChangedFrom(), 2);
    EXPECT_EQ(store->ChangedTo(), kMaxInt32);
    EXPECT_STORE_VALID(*store);
}

TEST(InsertChars, CountsTheFilledGapAgainstTheLimits) {
    auto store = MakeStore({"abc", ""});
    store->SetParaLengthLimit(10);
    EXPECT_EQ(store->InsertChars(nullptr, 1, 10, "xy"), eeParagraphTooLong);
    EXPECT_EQ(store->InsertChars(nullptr, 1, 10, "x"), eeOk);
    store->SetByteLimit(15);
    EXPECT_EQ(store->InsertChars(nullptr, 2, 5, "x"), eeTextTooLarge);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc      x", ""}));
    EXPECT_STORE_VALID(*store);
}

TEST(InsertChars, RefusedChangeLeavesEverythingAsItWas) {
    TwoViews views({"abc"});
    views.Store->SetParaLengthLimit(4);
    views.Store->PutMarker(1, 1, 2);
    EXPECT_EQ(views.Store->InsertChars(&views.Acting, 1, 1, "xy"), eeParagraphTooLong);
    EXPECT_EQ(views.Store->ParaText(1), "abc");
    EXPECT_FALSE(views.Store->Modified());
    EXPECT_EQ(views.Store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(views.Store->Marker(1), (TParaPos{1, 2}));
    EXPECT_TRUE(views.Other.Changes.empty());
}

TEST(DeleteChars, DeletesOnlyWhatExists) {
    auto store = MakeStore({"abcdef"});
    store->DeleteChars(nullptr, 1, 4, 100);
    EXPECT_EQ(store->ParaText(1), "abc");
    store->DeleteChars(nullptr, 1, 5, 2);
    store->DeleteChars(nullptr, 1, 4, 2);
    store->DeleteChars(nullptr, 9, 1, 2);
    EXPECT_EQ(store->ParaText(1), "abc");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    EXPECT_EQ(store->ByteCount(), 3);
    EXPECT_STORE_VALID(*store);
}

TEST(ReplaceChars, OverwritesThenInsertsOrDeletesTheDifference) {
    TwoViews views({"abcdef"});
    TParaList& store = *views.Store;
    store.ReplaceChars(&views.Acting, 1, 2, 2, "XY");
    EXPECT_EQ(store.ParaText(1), "aXYdef");
    EXPECT_TRUE(views.Acting.Changes.empty());  // nothing moved
    store.ReplaceChars(&views.Acting, 1, 2, 2, "PQRS");
    EXPECT_EQ(store.ParaText(1), "aPQRSdef");
    ASSERT_EQ(views.Acting.Changes.size(), 1u);
    EXPECT_EQ(views.Acting.Changes[0].first.Kind, tcCharsInserted);
    EXPECT_EQ(views.Acting.Changes[0].first.Count, 2);
    EXPECT_EQ(views.Acting.Changes[0].first.Pos, 4);
    store.ReplaceChars(&views.Acting, 1, 2, 4, "z");
    EXPECT_EQ(store.ParaText(1), "azdef");
    EXPECT_EQ(views.Acting.Changes[1].first.Kind, tcCharsDeleted);
    EXPECT_EQ(views.Acting.Changes[1].first.Count, 3);
    EXPECT_EQ(views.Acting.Changes[1].first.Pos, 3);
    store.ReplaceChars(&views.Acting, 1, 5, 9, "XYZ");  // old count cut to what exists
    EXPECT_EQ(store.ParaText(1), "azdeXYZ");
    EXPECT_EQ(store.ByteCount(), 7);
    EXPECT_STORE_VALID(store);
}

TEST(ReplaceChars, NeverGrowsAParagraphBeyondTheLargestSize) {
    auto store = MakeStore({std::string(32767, 'a')});
    EXPECT_EQ(store->ReplaceChars(nullptr, 1, 1, 1, "bb"), eeParagraphTooLong);
    EXPECT_EQ(store->ReplaceChars(nullptr, 1, 1, 2, "bb"), eeOk);
    EXPECT_EQ(store->ParaLength(1), 32767);
    EXPECT_STORE_VALID(*store);
}

TEST(InsertPara, BeforeAndAfterPlaceTheNewParagraph) {
    TwoViews views({"a", "b"});
    TParaList& store = *views.Store;
    EXPECT_EQ(store.InsertParaBefore(&views.Acting, 2, "x"), eeOk);
    EXPECT_EQ(store.InsertParaAfter(&views.Acting, 3, "y"), eeOk);
    EXPECT_EQ(Paragraphs(store), (Texts{"a", "x", "b", "y"}));
    EXPECT_EQ(store.ByteCount(), 10);
    ASSERT_EQ(views.Other.Changes.size(), 2u);
    EXPECT_EQ(views.Other.Changes[0].first.Kind, tcParaSplit);
    EXPECT_EQ(views.Other.Changes[0].first.Para, 2);
    EXPECT_EQ(views.Other.Changes[1].first.Para, 4);
    EXPECT_FALSE(views.Other.Changes[1].second);
    EXPECT_TRUE(views.Acting.Changes[1].second);
    EXPECT_STORE_VALID(store);
}

TEST(InsertPara, BeforeTestsTheLimits) {
    auto store = MakeStore({"a", "b"});
    store->SetByteLimit(6);
    EXPECT_EQ(store->InsertParaBefore(nullptr, 1, "xy"), eeTextTooLarge);
    store->SetByteLimit(kMaxInt32);
    store->SetParaLengthLimit(3);
    EXPECT_EQ(store->InsertParaBefore(nullptr, 1, "wxyz"), eeParagraphTooLong);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "b"}));
}

TEST(DeletePara, ClearsItsMarkersAndMovesTheViewsInstead) {
    TwoViews views({"a", "bb", "c"});
    TParaList& store = *views.Store;
    store.PutMarker(0, 2, 2);
    store.PutMarker(1, 3, 1);
    views.Other.Caret = {2, 2};
    store.DeletePara(&views.Acting, 2);
    EXPECT_EQ(Paragraphs(store), (Texts{"a", "c"}));
    EXPECT_EQ(store.Marker(0).Para, 0);
    EXPECT_EQ(store.Marker(1), (TParaPos{2, 1}));
    EXPECT_EQ(views.Other.Caret, (TParaPos{2, 1}));
    views.Other.Caret = {2, 1};
    store.DeletePara(&views.Acting, 2);
    EXPECT_EQ(views.Other.Caret, (TParaPos{1, 1}));  // kept within ParaCount
    store.DeletePara(&views.Acting, 1);              // the only paragraph stays
    EXPECT_EQ(Paragraphs(store), (Texts{"a"}));
    EXPECT_STORE_VALID(store);
}

TEST(Markers, DeletedCharactersClearMarkersAndMoveViewCarets) {
    TwoViews views({"abcdef"});
    TParaList& store = *views.Store;
    store.PutMarker(0, 1, 3);
    store.PutMarker(1, 1, 6);
    store.PutMarker(2, 1, 2);
    views.Other.Caret = {1, 4};
    store.DeleteChars(&views.Acting, 1, 3, 2);
    EXPECT_EQ(store.Marker(0).Para, 0);
    EXPECT_EQ(store.Marker(1), (TParaPos{1, 4}));
    EXPECT_EQ(store.Marker(2), (TParaPos{1, 2}));
    EXPECT_EQ(views.Other.Caret, (TParaPos{1, 3}));
    store.InsertChars(&views.Acting, 1, 2, "xyz");
    EXPECT_EQ(store.Marker(2), (TParaPos{1, 5}));
    EXPECT_EQ(store.Marker(1), (TParaPos{1, 7}));
}

TEST(SplitPara, MovesMarkersAfterTheBreakBehindTheIndent) {
    TwoViews views({"abc   def", "z"});
    TParaList& store = *views.Store;
    store.PutMarker(0, 1, 8);  // on the e
    store.PutMarker(1, 2, 1);
    store.PutMarker(2, 1, 2);
    views.Other.Caret = {1, 7};
    std::int32_t indent = 6;
    EXPECT_EQ(store.SplitPara(&views.Acting, 1, 7, true, indent, 4), eeOk);
    EXPECT_EQ(Paragraphs(store), (Texts{"abc", "\t  def", "z"}));
    EXPECT_EQ(indent, 3);
    EXPECT_EQ(store.Marker(0), (TParaPos{2, 5}));
    EXPECT_EQ(store.Marker(1), (TParaPos{3, 1}));
    EXPECT_EQ(store.Marker(2), (TParaPos{1, 2}));
    EXPECT_EQ(views.Other.Caret, (TParaPos{2, 4}));
    ASSERT_EQ(views.Other.Changes.size(), 1u);  // one notification for the whole break
    EXPECT_EQ(views.Other.Changes[0].first.Kind, tcParaSplit);
    EXPECT_EQ(views.Other.Changes[0].first.Count, 3);
    EXPECT_TRUE(store.NotifyEnabled());
    EXPECT_STORE_VALID(store);
}

TEST(SplitPara, TrimKeepsBlanksWhenNothingFollows) {
    auto store = MakeStore({"abc   "});
    std::int32_t indent = 0;
    store->SplitPara(nullptr, 1, 20, true, indent, 8);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc   ", ""}));
}

TEST(SplitPara, AtPositionOneInsertsAnEmptyParagraphAndNoIndent) {
    auto store = MakeStore({"abc"});
    std::int32_t indent = 4;
    store->SplitPara(nullptr, 1, 1, false, indent, 0);
    EXPECT_EQ(Paragraphs(*store), (Texts{"", "abc"}));
    TParaPos caret;
    store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc"}));
}

TEST(SplitPara, IndentWithoutTabSizeIsSpaces) {
    auto store = MakeStore({"abcdef"});
    std::int32_t indent = 3;
    store->SplitPara(nullptr, 1, 4, false, indent, 0);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc", "   def"}));
    EXPECT_EQ(indent, 3);
}

TEST(JoinParas, AtAVirtualPositionFillsTheGap) {
    TwoViews views({"ab", "cd", "e"});
    TParaList& store = *views.Store;
    store.PutMarker(0, 2, 2);
    store.PutMarker(1, 3, 1);
    views.Other.Caret = {2, 1};
    EXPECT_EQ(store.JoinParas(&views.Acting, 1, 5), eeOk);
    EXPECT_EQ(Paragraphs(store), (Texts{"ab  cd", "e"}));
    EXPECT_EQ(store.Marker(0), (TParaPos{1, 6}));
    EXPECT_EQ(store.Marker(1), (TParaPos{2, 1}));
    EXPECT_EQ(views.Other.Caret, (TParaPos{1, 5}));
    ASSERT_EQ(views.Other.Changes.size(), 1u);
    EXPECT_EQ(views.Other.Changes[0].first.Kind, tcParasJoined);
    EXPECT_STORE_VALID(store);
}

TEST(JoinParas, EmptyParagraphIsDroppedForItsSuccessor) {
    auto store = MakeStore({"", "cd"});
    store->PutMarker(0, 2, 2);
    EXPECT_EQ(store->JoinParas(nullptr, 1, 1), eeOk);
    EXPECT_EQ(Paragraphs(*store), (Texts{"cd"}));
    EXPECT_EQ(store->Marker(0), (TParaPos{1, 2}));
}

TEST(JoinParas, RefusesWhenAParagraphOrTheTextWouldBeTooLarge) {
    auto store = MakeStore({"abc", "def"});
    store->SetParaLengthLimit(5);
    EXPECT_EQ(store->JoinParas(nullptr, 1, 4), eeCannotJoin);
    store->SetParaLengthLimit(100);
    store->SetByteLimit(10);
    EXPECT_EQ(store->JoinParas(nullptr, 1, 6), eeCannotJoin);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc", "def"}));
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(store->JoinParas(nullptr, 2, 4), eeOk);  // no successor: nothing
    store->SetByteLimit(kMaxInt32);
    EXPECT_EQ(store->JoinParas(nullptr, 1, 2), eeOk);  // raised to the end of the text
    EXPECT_EQ(Paragraphs(*store), (Texts{"abcdef"}));
}

TEST(DeleteRegion, FromLineStartToLineStartDeletesWholeParagraphs) {
    auto store = MakeStore({"a", "b", "c", "d"});
    store->DeleteRegion(nullptr, 2, 1, 4, 1);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "d"}));
    TParaPos caret;
    store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "b", "c", "d"}));
    EXPECT_STORE_VALID(*store);
}

TEST(DeleteRegion, InsideParagraphsJoinsTheEnds) {
    TwoViews views({"abcd", "efgh", "ijkl", "mnop"});
    TParaList& store = *views.Store;
    views.Other.Caret = {3, 2};
    store.DeleteRegion(&views.Acting, 1, 3, 3, 2);
    EXPECT_EQ(Paragraphs(store), (Texts{"abjkl", "mnop"}));
    EXPECT_EQ(views.Other.Caret, (TParaPos{1, 3}));
    EXPECT_EQ(store.UndoBuffer().UndoCount(), 6);
    TParaPos caret;
    store.Undo(&views.Acting, caret);
    EXPECT_EQ(Paragraphs(store), (Texts{"abcd", "efgh", "ijkl", "mnop"}));
    EXPECT_EQ(caret, (TParaPos{1, 3}));
    EXPECT_STORE_VALID(store);
}

TEST(InsertText, BreaksLinesAtLineFeeds) {
    auto store = MakeStore({"xyz"});
    TParaPos at{1, 3};
    EXPECT_EQ(store->InsertText(nullptr, at, "a\nb"), eeOk);
    EXPECT_EQ(Paragraphs(*store), (Texts{"xya", "bz"}));
    EXPECT_EQ(at, (TParaPos{2, 2}));
    EXPECT_EQ(store->ChangedFrom(), 1);
    EXPECT_EQ(store->ChangedTo(), kMaxInt32);
    TParaPos caret;
    store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"xyz"}));
    EXPECT_STORE_VALID(*store);
}

TEST(InsertText, LineAtPositionOneBecomesAParagraphBefore) {
    auto store = MakeStore({"xyz"});
    TParaPos at{1, 1};
    store->InsertText(nullptr, at, "a\r\n");
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "xyz"}));
    EXPECT_EQ(at, (TParaPos{2, 1}));
}

TEST(InsertText, CarriageReturnsEndLinesOnlyAtTheEndOfAPiece) {
    auto store = MakeStore({""});
    TParaPos at{1, 1};
    store->InsertText(nullptr, at, std::string("a\rb\r\r\nc\r\n\nd\r"));
    EXPECT_EQ(Paragraphs(*store), (Texts{"a\rb", "c", "", "d", ""}));
    EXPECT_EQ(at, (TParaPos{5, 1}));
    at = {1, 2};
    store->InsertText(nullptr, at, std::string("q\0r", 3));  // ends at the NUL
    EXPECT_EQ(store->ParaText(1), "aq\rb");
    EXPECT_EQ(at, (TParaPos{1, 3}));
    EXPECT_STORE_VALID(*store);
}

TEST(InsertText, StopsAtTheFirstFailureKeepingEarlierPieces) {
    auto store = MakeStore({"", ""});
    store->SetParaLimit(3);
    TParaPos at{1, 1};
    EXPECT_EQ(store->InsertText(nullptr, at, "ab\ncd\nef\ngh"), eeTooManyParagraphs);
    EXPECT_EQ(Paragraphs(*store), (Texts{"ab", "cd", "", ""}));
    TParaPos caret;
    store->Undo(nullptr, caret);
    EXPECT_EQ(Paragraphs(*store), (Texts{"", ""}));
    EXPECT_STORE_VALID(*store);
}

}  // namespace
}  // namespace wendax
