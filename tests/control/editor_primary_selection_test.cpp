// The primary selection through a headless window: what mouse and keys offer (and when
// nothing is offered), and the middle click that pastes at the clicked place, converted
// into the text's character set, as one undo step.
#include "tests/control/view_test_support.h"

namespace wendax::test {
namespace {

class PrimarySelection : public testing::Test {
  protected:
    std::string Offered() const {
        return f.Platform.PrimarySelection ? f.Platform.PrimarySelection->Plain : "<none>";
    }
    void MiddleClick(TPoint pos) {
        f.Window->Press(pos, ksNone, mbMiddle);
        f.Window->Release(pos, ksNone, mbMiddle);
        f.Settle();
    }
    static TClipboardText FromOtherProgram(std::string plain) { return {std::move(plain), {}}; }

    TViewFixture f;
};

TEST_F(PrimarySelection, UserSelectionsAreOfferedOnceAndCaretMovesOfferNothing) {
    f.Open("|aé日 word\nsecond");
    f.Window->Key(vkRight);
    f.Window->Key(vkDown);
    f.Window->Press(TViewFixture::Cell(1, 1));
    f.Window->Release(TViewFixture::Cell(1, 1));
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 0);  // no highlight, nothing offered

    f.Window->Key(vkRight, ksShift);
    f.Window->Key(vkRight, ksShift);
    EXPECT_EQ(Offered(), "aé");
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 2);
    f.Window->Key(vkLeft);  // collapses: the primary selection keeps its text
    EXPECT_EQ(Offered(), "aé");
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 2);

    f.Window->Press(TViewFixture::Cell(1, 2));  // drag from é over the wide 日 (2 cells)
    f.Window->MoveMouse(TViewFixture::Cell(1, 4));
    f.Window->MoveMouse(TViewFixture::Cell(1, 5));
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 2);  // not while the button is down
    f.Window->Release(TViewFixture::Cell(1, 5));
    EXPECT_EQ(Offered(), "é日");
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 3);

    f.Window->DoubleClickAt(TViewFixture::Cell(1, 8));
    EXPECT_EQ(Offered(), "word");
    f.Editor.SelectAll(false);
    EXPECT_EQ(Offered(), "aé日 word\r\nsecond");
    EXPECT_EQ(f.Platform.PrimarySelectionSets, 5);

    f.Editor.SetNewTextCharSet(chEightBit);  // an 8-bit text offers UTF-8
    f.Open("|Caf\xe9");
    f.Window->Key(vkEnd, ksShift);
    EXPECT_EQ(Offered(), "Café");
    EXPECT_EQ(f.Platform.PrimarySelection->Exact, "Caf\xe9");
}

TEST_F(PrimarySelection, AMiddleClickPastesAtTheClickedPlaceAsOneUndoStep) {
    f.Open("[ab]cd\nefgh");
    f.Platform.PrimarySelection = FromOtherProgram("Grüße\r\n日");
    MiddleClick(TViewFixture::Cell(2, 3));
    EXPECT_EQ(Marked(f.Editor), "abcd\nefGrüße\n日|gh");
    f.Editor.ProcessCommand(ccUndo, 0);
    EXPECT_EQ(Marked(f.Editor), "abcd\nef|gh");

    f.Editor.SetNewTextCharSet(chEightBit);  // converted into an 8-bit text
    f.Open("|xy");
    f.Platform.PrimarySelection = FromOtherProgram("é€");
    MiddleClick(TViewFixture::Cell(1, 2));
    EXPECT_EQ(Marked(f.Editor), "x\xe9\x80|y");

    std::vector<char32_t> missing;  // refused like paste: beep, the character named
    f.Editor.OnCharWithoutByte = [&missing](TOvcCustomEditor&, char32_t code) {
        missing.push_back(code);
    };
    f.Platform.PrimarySelection = FromOtherProgram("ał");
    const int beeps = f.Platform.Beeps;
    MiddleClick(TViewFixture::Cell(1, 1));
    EXPECT_EQ(Marked(f.Editor), "|x\xe9\x80y");
    EXPECT_EQ(missing, (std::vector<char32_t>{U'ł'}));
    EXPECT_EQ(f.Platform.Beeps, beeps + 1);

    f.Editor.SetReadOnly(true);  // read-only: nothing changes
    f.Platform.PrimarySelection = FromOtherProgram("z");
    MiddleClick(TViewFixture::Cell(1, 3));
    EXPECT_EQ(Marked(f.Editor), "|x\xe9\x80y");

    f.Editor.SetReadOnly(false);  // no primary selection on this window system
    f.Platform.HasPrimarySelection = false;
    MiddleClick(TViewFixture::Cell(1, 3));
    EXPECT_EQ(Marked(f.Editor), "|x\xe9\x80y");
}

}  // namespace
}  // namespace wendax::test
