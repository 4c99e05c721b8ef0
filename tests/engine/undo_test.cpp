// The undo buffer and the store's undo and redo: merging runs, groups, dropping old groups
// when full, the modified flag across saves, ownership of held paragraphs, carets.
#include <gtest/gtest.h>

#include <stdexcept>

#include "engine/para_list.h"
#include "engine/undo_group.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::MakeStore;
using test::Paragraphs;
using Texts = std::vector<std::string>;

TParaPos UndoOnce(TParaList& store) {
    TParaPos caret;
    store.Undo(nullptr, caret);
    return caret;
}

TParaPos RedoOnce(TParaList& store) {
    TParaPos caret;
    store.Redo(nullptr, caret);
    return caret;
}

void Type(TParaList& store, std::int32_t para, std::int32_t pos, std::string_view text) {
    for (const char c : text)
        store.InsertChars(nullptr, para, pos++, std::string_view(&c, 1));
}

TEST(UndoMerging, TypingThenBackspacesAreTwoSteps) {
    auto store = MakeStore({""});
    Type(*store, 1, 1, "abc");
    store->DeleteChars(nullptr, 1, 3, 1);
    store->DeleteChars(nullptr, 1, 2, 1);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 2);
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 2}));
    EXPECT_EQ(store->ParaText(1), "abc");
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 1}));
    EXPECT_EQ(store->ParaText(1), "");
    EXPECT_FALSE(store->Modified());
    EXPECT_STORE_VALID(*store);
}

TEST(UndoMerging, DeletingForwardKeepsTheCharactersInTextOrder) {
    auto store = MakeStore({"xyzw"});
    for (int i = 0; i < 3; ++i)
        store->DeleteChars(nullptr, 1, 1, 1);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 1}));
    EXPECT_EQ(store->ParaText(1), "xyzw");
}

TEST(UndoMerging, OverwritingIsOneReplaceRecord) {
    auto store = MakeStore({"xyz"});
    for (int i = 0; i < 3; ++i)
        store->ReplaceChars(nullptr, 1, i + 1, 1, std::string(1, static_cast<char>('a' + i)));
    EXPECT_EQ(store->ParaText(1), "abc");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 1}));
    EXPECT_EQ(store->ParaText(1), "xyz");
    EXPECT_EQ(RedoOnce(*store), (TParaPos{1, 4}));
    EXPECT_EQ(store->ParaText(1), "abc");
}

// A replace of one character by three followed by one at the next old position is two
// changes; one continuing after the written characters is one.
TEST(UndoMerging, OverwriteRunContinuesAfterTheWrittenCharacters) {
    auto store = MakeStore({"abcdef"});
    store->ReplaceChars(nullptr, 1, 1, 1, "XYZ");
    store->ReplaceChars(nullptr, 1, 2, 1, "q");
    EXPECT_EQ(store->ParaText(1), "XqZbcdef");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 2);
    store->ReplaceChars(nullptr, 1, 3, 1, "r");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 2);
    UndoOnce(*store);
    EXPECT_EQ(store->ParaText(1), "XYZbcdef");
    UndoOnce(*store);
    EXPECT_EQ(store->ParaText(1), "abcdef");
}

TEST(UndoMerging, RunsBreakAtAnotherParagraphOrPlace) {
    auto store = MakeStore({"", ""});
    Type(*store, 1, 1, "ab");
    Type(*store, 2, 1, "cd");
    Type(*store, 1, 1, "x");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 3);
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"ab", "cd"}));
}

TEST(UndoGroups, LineBreakWithIndentIsOneStepWithCaretsAtBothEnds) {
    auto store = MakeStore({"    abcdef"});
    std::int32_t indent = 4;
    store->SplitPara(nullptr, 1, 8, false, indent, 8);
    EXPECT_EQ(Paragraphs(*store), (Texts{"    abc", "    def"}));
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 8}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"    abcdef"}));
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(RedoOnce(*store), (TParaPos{2, 5}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"    abc", "    def"}));
    EXPECT_STORE_VALID(*store);
}

TEST(UndoGroups, NestedGroupsAreOneGroup) {
    auto store = MakeStore({"abc"});
    {
        TUndoGroup outer(store->UndoBuffer());
        Type(*store, 1, 4, "de");
        {
            TUndoGroup inner(store->UndoBuffer());
            store->InsertParaAfter(nullptr, 1, "x");
        }
        Type(*store, 2, 2, "y");
    }
    EXPECT_FALSE(store->UndoBuffer().InGroup());
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 4);  // nothing merges inside a group
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc"}));
}

TEST(UndoGroups, ScopeClosesTheGroupOnAnException) {
    auto store = MakeStore({"abc"});
    try {
        TUndoGroup group(store->UndoBuffer());
        store->InsertChars(nullptr, 1, 1, "x");
        throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(store->UndoBuffer().InGroup());
    Type(*store, 1, 1, "y");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 2);
}

// After 255 groups that recorded nothing the tag has gone all the way round; two changes
// on either side must still be two steps.
TEST(UndoGroups, WrappedTagsNeverFuseNeighbouringGroups) {
    auto store = MakeStore({"", ""});
    store->InsertChars(nullptr, 1, 1, "a");
    for (int i = 0; i < 255; ++i)
        TUndoGroup empty(store->UndoBuffer());
    store->InsertChars(nullptr, 2, 1, "b");
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", ""}));
}

TEST(UndoModified, UndoingToTheSavedTextClearsModified) {
    auto store = MakeStore({"0123456789", ""});
    Type(*store, 1, 1, "a");
    store->SetModified(false);  // saved
    Type(*store, 1, 8, "b");
    UndoOnce(*store);
    EXPECT_FALSE(store->Modified());
    UndoOnce(*store);
    EXPECT_TRUE(store->Modified());
    EXPECT_EQ(store->ParaText(1), "0123456789");
}

TEST(UndoModified, TypingOnAfterSavingMergesIntoTheSavedRecord) {
    auto store = MakeStore({"0123456789"});
    Type(*store, 1, 1, "a");
    store->SetModified(false);
    Type(*store, 1, 2, "b");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    TParaPos caret;
    EXPECT_TRUE(store->Undo(nullptr, caret));
    EXPECT_EQ(store->ParaText(1), "0123456789");
}

TEST(UndoModified, LoadTypeUndoLeavesTheTextUnmodified) {
    auto store = MakeStore({"abc", ""});
    Type(*store, 2, 1, "x");
    EXPECT_TRUE(store->Modified());
    UndoOnce(*store);
    EXPECT_FALSE(store->Modified());
    RedoOnce(*store);
    EXPECT_TRUE(store->Modified());
}

TEST(UndoOwnership, NewChangeAbandonsRedoAndDestroysTheHeldParagraph) {
    auto store = MakeStore({"abcdef"});
    const std::size_t before = store->MemoryUsed();
    store->InsertParaAfter(nullptr, 1, "hello");
    UndoOnce(*store);
    EXPECT_EQ(store->UndoBuffer().RedoCount(), 1);
    EXPECT_EQ(store->MemoryUsed(), before + 24 + 8);  // held by the redo record
    store->DeleteChars(nullptr, 1, 1, 1);
    EXPECT_EQ(store->UndoBuffer().RedoCount(), 0);
    EXPECT_EQ(store->MemoryUsed(), before);
    EXPECT_STORE_VALID(*store);
}

TEST(UndoOwnership, DeletedParagraphComesBackAndGoesAgain) {
    auto store = MakeStore({"a", "bb", "c"});
    store->DeletePara(nullptr, 2);
    EXPECT_EQ(UndoOnce(*store), (TParaPos{2, 1}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "bb", "c"}));
    EXPECT_EQ(RedoOnce(*store), (TParaPos{2, 1}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "c"}));
    store->DeletePara(nullptr, 2);
    UndoOnce(*store);
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "bb", "c"}));
    EXPECT_STORE_VALID(*store);
}

TEST(UndoOwnership, ParagraphRemovedInALostGroupIsDestroyedAtOnce) {
    auto store = MakeStore({"a", "b", "c"}, false, 80, 64);
    const std::size_t before = store->MemoryUsed();
    {
        TUndoGroup group(store->UndoBuffer());
        store->InsertChars(nullptr, 1, 1, std::string(100, 'x'));  // too large: history gone
        EXPECT_TRUE(store->UndoBuffer().GroupLost());
        store->DeletePara(nullptr, 3);
    }
    EXPECT_FALSE(store->UndoBuffer().GroupLost());
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_LT(store->MemoryUsed(), before + 112);  // the grown text only
    EXPECT_EQ(Paragraphs(*store), (Texts{std::string(100, 'x') + "a", "b"}));
    EXPECT_STORE_VALID(*store);
}

TEST(UndoBufferSize, ChangeLargerThanTheBufferClearsTheHistory) {
    auto store = MakeStore({"", ""}, false, 80, 64);
    Type(*store, 2, 1, "ab");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 1);
    store->InsertChars(nullptr, 1, 1, std::string(100, 'x'));
    EXPECT_EQ(store->ParaLength(1), 100);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(store->UndoBuffer().Free(), 64);
}

// The largest overwrite of a full-length paragraph needs more than 65535 bytes of payload:
// refused like any change too large for the buffer, it must take the history with it, or
// undoing the older typing would apply to a text it was never made in.
TEST(UndoBufferSize, OverwriteTooLargeToRecordClearsTheHistory) {
    const std::string full(kMaxParaLength, 'x');
    auto store = MakeStore({"ab", full}, false, 80, 65535);
    Type(*store, 1, 3, "c");
    EXPECT_EQ(store->ReplaceChars(nullptr, 2, 1, kMaxParaLength, std::string(kMaxParaLength, 'y')),
              eeOk);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(store->UndoBuffer().Free(), 65535);
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"abc", std::string(kMaxParaLength, 'y')}));
    EXPECT_STORE_VALID(*store);
}

// Writing a character over itself changes no text but is a change of its own: its undo
// leaves the text as it is, the next one goes further back. Here it also drops the oldest
// group, of exactly its own size, so the buffer's counters stay as they were.
TEST(UndoBufferSize, OverwriteWithTheSameCharacterIsAStepOfItsOwn) {
    auto store = MakeStore({"a", ""}, false, 80, 64);
    for (const char* text : {"p", "q", "r"})
        store->InsertParaAfter(nullptr, 1, text);
    ASSERT_EQ(store->UndoBuffer().Free(), 4);
    store->ReplaceChars(nullptr, 1, 1, 1, "a");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 3);
    EXPECT_EQ(store->UndoBuffer().Free(), 4);
    const Texts after{"a", "r", "q", "p", ""};
    EXPECT_EQ(Paragraphs(*store), after);
    EXPECT_EQ(UndoOnce(*store), (TParaPos{1, 1}));
    EXPECT_EQ(Paragraphs(*store), after);
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "q", "p", ""}));
    UndoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), (Texts{"a", "p", ""}));
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);  // the "p" group was dropped
    EXPECT_STORE_VALID(*store);
}

TEST(UndoBufferSize, ZeroRecordsNothingButEveryChangeHappens) {
    auto store = MakeStore({"a", "b"}, false, 80, 0);
    const std::size_t before = store->MemoryUsed();
    store->InsertChars(nullptr, 1, 2, "x");
    store->InsertParaAfter(nullptr, 2, "c");
    store->DeletePara(nullptr, 3);
    EXPECT_EQ(Paragraphs(*store), (Texts{"ax", "b"}));
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(store->MemoryUsed(), before);  // the removed paragraph was destroyed
    EXPECT_EQ(UndoOnce(*store), (TParaPos{}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"ax", "b"}));
    EXPECT_STORE_VALID(*store);
}

TEST(UndoBufferSize, RecordsTakeTheirPayloadPlusSixteenBytes) {
    auto store = MakeStore({"", ""}, false, 80, 1000);
    store->InsertChars(nullptr, 1, 1, "abc");
    EXPECT_EQ(store->UndoBuffer().Free(), 1000 - 19);
    store->InsertParaAfter(nullptr, 1, "x");
    EXPECT_EQ(store->UndoBuffer().Free(), 1000 - 19 - 20);
    store->ReplaceChars(nullptr, 1, 1, 2, "xyz");
    EXPECT_EQ(store->UndoBuffer().Free(), 1000 - 19 - 20 - 23);
    UndoOnce(*store);
    EXPECT_EQ(store->UndoBuffer().Free(), 1000 - 19 - 20);
    EXPECT_STORE_VALID(*store);
}

// With 1600 bytes a full buffer drops at least 100 bytes: six 17-byte records.
TEST(UndoBufferSize, FullBufferDropsAtLeastASixteenth) {
    auto store = MakeStore({"", ""}, false, 80, 1600);
    int records = 0;
    while (store->UndoBuffer().Free() >= 17) {
        store->InsertChars(nullptr, 1 + records % 2, 1, "x");  // alternating: no merging
        ++records;
    }
    EXPECT_EQ(store->UndoBuffer().UndoCount(), records);
    store->InsertChars(nullptr, 1 + records % 2, 1, "x");
    EXPECT_EQ(store->UndoBuffer().UndoCount(), records - 6 + 1);
    EXPECT_STORE_VALID(*store);
}

// Dropping takes whole groups: every state undo reaches is a state between two groups.
TEST(UndoBufferSize, SmallBufferKeepsTheNewestWholeGroups) {
    auto store = MakeStore({"start", ""}, false, 80, 300);
    std::vector<Texts> boundaries{Paragraphs(*store)};
    for (int i = 0; i < 40; ++i) {
        TParaPos at{1 + i % 3, 1};
        if (i % 4 == 0) {
            store->InsertText(nullptr, at, "one\ntwo\nthree " + std::to_string(i) + "\n");
        } else {
            store->InsertChars(nullptr, at.Para, 1, "w" + std::to_string(i));
        }
        boundaries.push_back(Paragraphs(*store));
        ASSERT_STORE_VALID(*store);
    }
    int undone = 0;
    std::size_t index = boundaries.size() - 1;
    while (store->UndoBuffer().UndoCount() > 0) {
        UndoOnce(*store);
        ++undone;
        ASSERT_EQ(Paragraphs(*store), boundaries[--index]) << "after " << undone << " undos";
        ASSERT_STORE_VALID(*store);
    }
    EXPECT_GT(index, 0u);  // the oldest groups were dropped
    while (store->UndoBuffer().RedoCount() > 0)
        RedoOnce(*store);
    EXPECT_EQ(Paragraphs(*store), boundaries.back());
}

TEST(UndoReplay, RecordsNothingWhileReplaying) {
    auto store = MakeStore({"abc", "def"});
    store->DeleteRegion(nullptr, 1, 2, 2, 2);
    const std::uint16_t records = store->UndoBuffer().UndoCount();
    UndoOnce(*store);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), 0);
    EXPECT_EQ(store->UndoBuffer().RedoCount(), records);
    RedoOnce(*store);
    EXPECT_EQ(store->UndoBuffer().UndoCount(), records);
    EXPECT_EQ(store->UndoBuffer().RedoCount(), 0);
    EXPECT_EQ(Paragraphs(*store), (Texts{"aef"}));
    EXPECT_FALSE(store->Replaying());
}

TEST(UndoReplay, RestoresTextEvenAfterTheLimitsWereLowered) {
    auto store = MakeStore({"abcdef", ""});
    store->DeleteChars(nullptr, 1, 3, 4);
    store->SetParaLengthLimit(2);
    store->SetByteLimit(3);
    UndoOnce(*store);
    EXPECT_EQ(store->ParaText(1), "abcdef");
    EXPECT_STORE_VALID(*store);
}

TEST(UndoReplay, RedoPlacesTheCaretAfterInsertedText) {
    auto store = MakeStore({"abc"});
    store->InsertChars(nullptr, 1, 2, "xy");
    UndoOnce(*store);
    EXPECT_EQ(RedoOnce(*store), (TParaPos{1, 4}));
    store->InsertParaBefore(nullptr, 1, "p");
    UndoOnce(*store);
    EXPECT_EQ(RedoOnce(*store), (TParaPos{2, 1}));
    EXPECT_EQ(Paragraphs(*store), (Texts{"p", "axybc"}));
}

TEST(UndoReplay, ViewsAreToldOfReplayedChanges) {
    test::TRecordingView view;
    TParaList store(&view, false);
    view.Store = &store;
    store.InsertChars(nullptr, 1, 1, "abc");
    view.Caret = {1, 4};
    TParaPos caret;
    store.Undo(nullptr, caret);
    EXPECT_EQ(view.Caret, (TParaPos{1, 1}));
    EXPECT_EQ(view.Changes.back().first.Kind, tcCharsDeleted);
}

}  // namespace
}  // namespace wendax
