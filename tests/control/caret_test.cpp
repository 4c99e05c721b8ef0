// Carets: the property rules, the geometry for every shape and alignment in odd and even
// cells, linking with the window caret and the blink time, and shared caret objects.
#include <gtest/gtest.h>

#include "control/caret_pair.h"
#include "control/controller.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"
#include "test_control.h"

namespace wendax {
namespace {

// A caret that says when it is freed.
class TWatchedCaret : public TOvcCaret {
  public:
    explicit TWatchedCaret(bool& freed) : FFreed(freed) {}
    ~TWatchedCaret() override { FFreed = true; }

  private:
    bool& FFreed;
};

class TCountingListener : public TCaretListener {
  public:
    void CaretTypeHasChanged() override { ++Calls; }
    int Calls = 0;
};

// A control with a window, and the platform recording blink times.
class CaretFixture : public ::testing::Test {
  protected:
    CaretFixture() {
        control.SetController(&controller);
        control.AttachWindow(window);
    }

    std::vector<THeadlessCaretCall> TakeCalls() { return std::exchange(window.CaretCalls, {}); }

    THeadlessPlatform platform;
    TOvcController controller;
    testkit::TTestControl control;
    THeadlessWindow window{control};
};

TEST(CaretProperties, ANewCaretIsAThinVerticalLineWithDefaults) {
    TCaretRef caret(new TOvcCaret);
    EXPECT_EQ(caret->Shape(), csVertLine);
    EXPECT_EQ(caret->Align(), caLeft);
    EXPECT_EQ(caret->BlinkTime(), 0);
    EXPECT_EQ(caret->CaretHeight(), 10);
    EXPECT_EQ(caret->CaretWidth(), 2);
    EXPECT_FALSE(caret->IsGray());
    EXPECT_TRUE(caret->Bitmap().IsEmpty());
    EXPECT_EQ(caret->UsageCount(), 1);
}

TEST(CaretProperties, EachShapeSetsItsAlignmentAndSize) {
    TCaretRef caret(new TOvcCaret);
    const TBitmap bitmap{7, 11, std::vector<std::uint32_t>(77, 0xFF000000u)};
    caret->SetBitmap(&bitmap);
    caret->SetCaretWidth(5);
    caret->SetCaretHeight(6);
    caret->SetAlign(caCenter);
    caret->SetShape(csBlock);
    EXPECT_EQ(caret->Align(), caLeft);
    caret->SetShape(csHalfBlock);
    EXPECT_EQ(caret->Align(), caBottom);
    caret->SetShape(csHorzLine);
    EXPECT_EQ(caret->Align(), caBottom);
    EXPECT_EQ(caret->CaretHeight(), 2);
    EXPECT_EQ(caret->CaretWidth(), 5);
    caret->SetShape(csVertLine);
    EXPECT_EQ(caret->Align(), caLeft);
    EXPECT_EQ(caret->CaretWidth(), 2);
    caret->SetAlign(caRight);
    caret->SetShape(csCustom);
    EXPECT_EQ(caret->Align(), caRight);
    EXPECT_EQ(caret->CaretWidth(), 2);
    EXPECT_EQ(caret->CaretHeight(), 2);
    caret->SetShape(csBitmap);
    EXPECT_EQ(caret->CaretWidth(), 7);
    EXPECT_EQ(caret->CaretHeight(), 11);
}

TEST(CaretProperties, VerticalLineResetsAWidthOfFiveToTwo) {
    TCaretRef caret(new TOvcCaret);
    caret->SetShape(csBlock);
    caret->SetCaretWidth(5);
    caret->SetShape(csVertLine);
    EXPECT_EQ(caret->CaretWidth(), 2);
}

TEST(CaretProperties, SizesOfZeroOrLessAndAMissingBitmapAreIgnored) {
    TCaretRef caret(new TOvcCaret);
    TCountingListener listener;
    caret->SetListener(&listener);
    caret->SetCaretWidth(0);
    caret->SetCaretHeight(-3);
    caret->SetBitmap(nullptr);
    caret->SetCaretWidth(2);  // unchanged
    EXPECT_EQ(caret->CaretWidth(), 2);
    EXPECT_EQ(caret->CaretHeight(), 10);
    EXPECT_EQ(listener.Calls, 0);
    caret->SetCaretWidth(4);
    caret->SetIsGray(true);
    caret->SetBlinkTime(250);
    caret->SetAlign(caTop);
    EXPECT_EQ(listener.Calls, 4);
}

TEST(CaretProperties, HotSpotChangesAreAnnouncedOnlyForBitmapCarets) {
    TCaretRef caret(new TOvcCaret);
    TCountingListener listener;
    caret->SetListener(&listener);
    caret->SetBitmapHotSpotX(3);
    caret->SetBitmapHotSpotY(4);
    EXPECT_EQ(caret->BitmapHotSpotX(), 3);
    EXPECT_EQ(caret->BitmapHotSpotY(), 4);
    EXPECT_EQ(listener.Calls, 0);
    caret->SetShape(csBitmap);
    caret->SetBitmapHotSpotX(1);
    EXPECT_EQ(listener.Calls, 2);
}

TEST(CaretProperties, ABitmapCaretTakesTheSizeOfANewBitmap) {
    TCaretRef caret(new TOvcCaret);
    caret->SetShape(csBitmap);
    EXPECT_EQ(caret->CaretWidth(), 2);  // an empty bitmap keeps the size
    const TBitmap bitmap{3, 4, std::vector<std::uint32_t>(12, 0xFF000000u)};
    caret->SetBitmap(&bitmap);
    EXPECT_EQ(caret->CaretWidth(), 3);
    EXPECT_EQ(caret->CaretHeight(), 4);
}

// The expected caret for one shape, alignment and cell, written from the rules directly.
// A size the cell would make 0 is ignored, as every size of 0 or less is.
struct TExpectedCaret {
    TSize Size;
    TPoint Offset;
};

TExpectedCaret Expected(TOvcCaretShape shape, TOvcCaretAlign align, int cellH, int cellW, TSize own,
                        TPoint hotSpot) {
    TSize size = own;
    if (shape == csBlock) size = {cellW, cellH};
    if (shape == csHalfBlock) size = {cellW, cellH / 2 > 0 ? cellH / 2 : own.Height};
    if (shape == csVertLine) size.Height = cellH;
    if (shape == csHorzLine) size.Width = cellW;
    const int dx = cellW - size.Width;
    const int dy = cellH - size.Height;
    TPoint offset;
    if (align == caLeft) offset = {0, dy / 2};
    if (align == caTop) offset = {dx / 2, 0};
    if (align == caRight) offset = {dx, dy / 2};
    if (align == caBottom) offset = {dx / 2, dy};
    if (align == caCenter) offset = {dx / 2, dy / 2};
    if (shape == csBitmap) offset = {offset.X - hotSpot.X, offset.Y - hotSpot.Y};
    return {size, offset};
}

TEST_F(CaretFixture, EveryShapeAndAlignmentSitsRightInOddAndEvenCells) {
    const TBitmap bitmap{5, 7, std::vector<std::uint32_t>(35, 0xFF000000u)};
    const TSize cells[] = {{8, 16}, {9, 17}, {10, 15}, {7, 10}, {1, 1}};
    for (int s = csBlock; s <= csBitmap; ++s) {
        for (int a = caLeft; a <= caCenter; ++a) {
            for (const TSize cell : cells) {
                const auto shape = static_cast<TOvcCaretShape>(s);
                const auto align = static_cast<TOvcCaretAlign>(a);
                SCOPED_TRACE(::testing::Message() << "shape " << s << " align " << a << " cell "
                                                  << cell.Width << "x" << cell.Height);
                TOvcSingleCaret single(control);
                auto* caret = new TOvcCaret;
                caret->SetBitmap(&bitmap);
                caret->SetShape(shape);
                caret->SetAlign(align);
                const TSize own{shape == csBitmap ? 5 : 3, shape == csBitmap ? 7 : 5};
                caret->SetCaretWidth(own.Width);
                caret->SetCaretHeight(own.Height);
                caret->SetBitmapHotSpotX(2);
                caret->SetBitmapHotSpotY(3);
                single.SetCellHeight(cell.Height);
                single.SetCellWidth(cell.Width);
                single.SetActiveCaret(caret);
                single.SetPosition(100, 50);
                single.SetLinked(true);
                const TExpectedCaret want =
                    Expected(shape, align, cell.Height, cell.Width, own, {2, 3});
                EXPECT_EQ(window.Caret.Size, want.Size);
                EXPECT_EQ(window.Caret.FromBitmap, shape == csBitmap);
                EXPECT_EQ(single.Offset(), want.Offset);
                EXPECT_EQ(window.Caret.Pos, (TPoint{100 + want.Offset.X, 50 + want.Offset.Y}));
            }
        }
    }
}

TEST_F(CaretFixture, HalfBlockInASeventeenPixelCellIsEightHighAndNineDown) {
    TOvcSingleCaret single(control);
    auto* caret = new TOvcCaret;
    caret->SetShape(csHalfBlock);
    single.SetActiveCaret(caret);
    single.SetCellHeight(17);
    single.SetCellWidth(8);
    single.SetLinked(true);
    EXPECT_EQ(window.Caret.Size, (TSize{8, 8}));
    EXPECT_EQ(single.Offset(), (TPoint{0, 9}));
}

TEST_F(CaretFixture, HorizontalLineAtTheBottomOfASixteenByEightCell) {
    TOvcSingleCaret single(control);
    auto* caret = new TOvcCaret;
    caret->SetShape(csHorzLine);
    caret->SetCaretWidth(10);
    single.SetActiveCaret(caret);
    single.SetCellHeight(16);
    single.SetCellWidth(8);
    single.SetLinked(true);
    EXPECT_EQ(window.Caret.Size, (TSize{8, 2}));
    EXPECT_EQ(single.Offset(), (TPoint{0, 14}));
}

TEST_F(CaretFixture, APairShowsABarInInsertModeAndABlockInOverwriteMode) {
    TOvcCaretPair pair(control);
    EXPECT_TRUE(pair.InsertMode());
    EXPECT_EQ(&pair.ActiveCaret(), &pair.CaretIns());
    EXPECT_EQ(pair.CaretOvr().Shape(), csBlock);
    pair.SetLinked(true);
    pair.SetCellHeight(16);
    pair.SetCellWidth(8);
    pair.SetPosition(40, 32);
    pair.SetVisible(true);
    EXPECT_TRUE(window.Caret.Visible);
    EXPECT_EQ(window.Caret.Size, (TSize{2, 16}));
    EXPECT_EQ(window.Caret.Pos, (TPoint{40, 32}));
    pair.SetInsertMode(false);
    EXPECT_EQ(&pair.ActiveCaret(), &pair.CaretOvr());
    EXPECT_EQ(window.Caret.Size, (TSize{8, 16}));
    EXPECT_TRUE(window.Caret.Visible);
    EXPECT_EQ(window.Caret.Pos, (TPoint{40, 32}));
}

TEST_F(CaretFixture, LinkingCreatesShowsAndPlacesTheWindowCaretInThatOrder) {
    TOvcSingleCaret single(control);
    single.SetVisible(true);
    single.SetPosition(5, 6);
    auto* caret = new TOvcCaret;
    caret->SetIsGray(true);
    single.SetActiveCaret(caret);
    EXPECT_TRUE(TakeCalls().empty());  // nothing while unlinked
    single.SetLinked(true);
    EXPECT_TRUE(single.Linked());
    EXPECT_EQ(TakeCalls(), (std::vector<THeadlessCaretCall>{{ckCreate, {2, 10}, true, {}},
                                                            {ckShow, {}, false, {}},
                                                            {ckSetPos, {}, false, {5, 6}}}));
    single.SetVisible(false);
    single.SetVisible(false);
    single.SetPosition(5, 6);  // unchanged
    EXPECT_EQ(TakeCalls(), (std::vector<THeadlessCaretCall>{{ckHide, {}, false, {}}}));
    single.SetLinked(false);
    EXPECT_EQ(TakeCalls(), (std::vector<THeadlessCaretCall>{{ckDestroy, {}, false, {}}}));
    EXPECT_FALSE(window.Caret.Exists);
}

TEST_F(CaretFixture, ChangingTheCellWhileLinkedRecreatesTheWindowCaret) {
    TOvcSingleCaret single(control);
    single.SetLinked(true);
    TakeCalls();
    single.SetCellHeight(20);
    EXPECT_EQ(TakeCalls(), (std::vector<THeadlessCaretCall>{{ckDestroy, {}, false, {}},
                                                            {ckCreate, {2, 20}, false, {}},
                                                            {ckSetPos, {}, false, {0, 0}}}));
    single.SetCellHeight(20);
    single.SetCellWidth(0);
    single.SetCellHeight(-1);
    EXPECT_TRUE(TakeCalls().empty());
    single.ActiveCaret().SetShape(csBlock);  // the caret's own change also reaches the window
    EXPECT_EQ(window.Caret.Size, (TSize{10, 20}));
}

TEST_F(CaretFixture, APositionOffTheWindowIsPassedOnWithoutTheOffset) {
    TOvcSingleCaret single(control);
    auto* caret = new TOvcCaret;
    caret->SetShape(csHorzLine);
    single.SetActiveCaret(caret);
    single.SetCellHeight(16);
    single.SetLinked(true);
    single.SetPosition(-1, 32);
    EXPECT_EQ(single.Position(), (TPoint{TOvcSingleCaret::kOffWindow, 32}));
    EXPECT_EQ(window.Caret.Pos, (TPoint{TOvcSingleCaret::kOffWindow, 46}));
    single.SetPosition(3, -5);
    EXPECT_EQ(window.Caret.Pos, (TPoint{3, TOvcSingleCaret::kOffWindow}));
    single.SetPosition(2147483646, 0);  // near the edge: no overflow
    EXPECT_EQ(window.Caret.Pos, (TPoint{2147483646, 14}));
}

TEST_F(CaretFixture, WithoutAWindowLinkingDoesNothing) {
    control.DetachWindow();
    TOvcSingleCaret single(control);
    single.SetLinked(true);
    single.SetVisible(true);
    EXPECT_FALSE(single.Linked());
    EXPECT_TRUE(window.CaretCalls.empty());
}

TEST_F(CaretFixture, BlinkTimeZeroLeavesTheSystemRateAlone) {
    platform.BlinkTime = 530;
    TOvcSingleCaret single(control);
    single.SetLinked(true);
    EXPECT_EQ(platform.BlinkTime, 530u);
    single.SetLinked(false);
    EXPECT_EQ(platform.BlinkTime, 530u);
}

TEST_F(CaretFixture, BlinkTimeIsSetWhileLinkedAndRestoredWhenUnlinked) {
    platform.BlinkTime = 530;
    TOvcSingleCaret single(control);
    single.ActiveCaret().SetBlinkTime(250);
    single.SetLinked(true);
    EXPECT_EQ(platform.BlinkTime, 250u);
    single.ActiveCaret().SetBlinkTime(300);  // relinks, keeping the saved system rate
    EXPECT_EQ(platform.BlinkTime, 300u);
    single.SetLinked(false);
    EXPECT_EQ(platform.BlinkTime, 530u);
    platform.BlinkTime = 600;  // the system rate changed meanwhile
    single.SetLinked(true);
    single.SetLinked(false);
    EXPECT_EQ(platform.BlinkTime, 600u);
}

TEST_F(CaretFixture, DestroyingALinkedCaretHidesUnlinksAndRestoresTheBlinkTime) {
    platform.BlinkTime = 530;
    {
        TOvcCaretPair pair(control);
        pair.CaretIns().SetBlinkTime(100);
        pair.SetLinked(true);
        pair.SetVisible(true);
        TakeCalls();
    }
    EXPECT_EQ(TakeCalls(), (std::vector<THeadlessCaretCall>{{ckHide, {}, false, {}},
                                                            {ckDestroy, {}, false, {}}}));
    EXPECT_EQ(platform.BlinkTime, 530u);
}

TEST_F(CaretFixture, ABitmapCaretIsCreatedFromItsBitmapAndAnEmptyOneAsARectangle) {
    TOvcSingleCaret single(control);
    auto* caret = new TOvcCaret;
    caret->SetShape(csBitmap);
    single.SetActiveCaret(caret);
    single.SetLinked(true);
    EXPECT_EQ(window.CaretCalls.front(), (THeadlessCaretCall{ckCreate, {2, 10}, false, {}}));
    const TBitmap bitmap{4, 6, std::vector<std::uint32_t>(24, 0xFF000000u)};
    caret->SetBitmap(&bitmap);
    EXPECT_TRUE(window.Caret.FromBitmap);
    EXPECT_EQ(window.Caret.Size, (TSize{4, 6}));
}

TEST_F(CaretFixture, ACaretSharedByTwoPairsIsFreedWhenBothLetItGo) {
    bool freed = false;
    auto* shared = new TWatchedCaret(freed);
    auto first = std::make_unique<TOvcCaretPair>(control);
    auto second = std::make_unique<TOvcCaretPair>(control);
    first->SetCaretIns(shared);
    second->SetCaretIns(shared);
    EXPECT_EQ(shared->UsageCount(), 4);  // a slot and the active caret of each pair
    first.reset();
    EXPECT_FALSE(freed);
    EXPECT_EQ(shared->UsageCount(), 2);
    second->SetCaretIns(new TOvcCaret);  // the last share goes with the replacement
    EXPECT_TRUE(freed);
}

TEST_F(CaretFixture, ReplacingTheInactiveSlotKeepsTheActiveCaret) {
    TOvcCaretPair pair(control);
    bool freed = false;
    auto* ovr = new TWatchedCaret(freed);
    pair.SetCaretOvr(ovr);
    EXPECT_EQ(&pair.CaretOvr(), ovr);
    EXPECT_EQ(&pair.ActiveCaret(), &pair.CaretIns());
    pair.SetInsertMode(false);
    EXPECT_EQ(&pair.ActiveCaret(), ovr);
    pair.SetCaretOvr(new TOvcCaret);
    EXPECT_TRUE(freed);
    EXPECT_NE(&pair.ActiveCaret(), ovr);
}

TEST_F(CaretFixture, ACaretLetGoNoLongerCallsItsFormerOwner) {
    TCaretRef kept(new TOvcCaret);
    {
        TOvcCaretPair pair(control);
        pair.SetCaretIns(kept.Get());
        EXPECT_EQ(kept->Listener(), &pair);
    }
    EXPECT_EQ(kept->Listener(), nullptr);
    kept->SetShape(csBlock);  // must not reach the destroyed pair
    EXPECT_EQ(kept->UsageCount(), 1);
}

}  // namespace
}  // namespace wendax
