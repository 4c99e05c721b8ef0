#include "app/printing/print_text.h"

#include <gtest/gtest.h>

#include "app/editor/editor_window.h"
#include "engine/char_set.h"
#include "engine/display_columns.h"

namespace wendax {
namespace {

// Display lines with tabs every four columns and a highlight, as printing reads them.
class TLinesPane : public TEditorPane {
  public:
    explicit TLinesPane(std::vector<std::string> lines) : Lines(std::move(lines)) {}

    int GetCaretPosition(int& col) const override { return col = 1; }
    int CaretCharColumn() const override { return 1; }
    void SetCaretPosition(int, int) override {}
    bool Modified() const override { return false; }
    bool InsertMode() const override { return true; }
    int LineCount() const override { return static_cast<int>(Lines.size()); }
    int TextLength() const override { return 0; }
    std::string LineEnds() const override { return "LF"; }
    void ToggleLineEnds() override {}
    std::string CharSetName() const override { return "UTF-8"; }
    void ReadInOtherCharSet() override {}
    TCharSetConversion ConvertToOtherCharSet() override { return {}; }
    bool CanUndo() const override { return false; }
    bool CanRedo() const override { return false; }
    bool GetSelection(int& line1, int& col1, int& line2, int& col2) const override {
        if (Selection[0] == 0) return false;
        line1 = Selection[0], col1 = Selection[1], line2 = Selection[2], col2 = Selection[3];
        return true;
    }
    void Undo() override {}
    void Redo() override {}
    void CutToClipboard() override {}
    void CopyToClipboard() override {}
    void PasteFromClipboard() override {}
    bool ProcessCommand(int, int) override { return false; }
    void SelectAll(bool) override {}
    int InsertString(const std::string&) override { return 0; }
    bool Search(const std::string&, TEditorSearchOptions) override { return false; }
    int Replace(const std::string&, const std::string&, TEditorSearchOptions) override {
        return -1;
    }
    bool TakeDiskChange() override { return false; }
    std::string FileName() const override { return {}; }
    void SaveToFile(const std::string&) override {}
    std::string GetPrintableLine(int line) const override {
        std::string out;
        for (char c : Lines.at(line - 1))
            if (c == '\t')
                out.append(AdvanceColumn(static_cast<int>(out.size()), c, 4) - out.size(), ' ');
            else
                out += c;
        return out;
    }
    int PrintableColumn(int line, int col) const override {
        return PosToColumn(chEightBit, Lines.at(line - 1), col, 4);
    }

    std::vector<std::string> Lines;
    int Selection[4] = {};
};

std::vector<std::string> All(const TPrintedLines& lines) {
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count; ++i)
        result.push_back(lines.Line(i));
    return result;
}

TEST(PrintedLines, AllPagesAreEveryDisplayLineOfTheFileWithTabsExpanded) {
    TLinesPane editor1({"one", "\ttwo", ""});
    TLinesPane other({"x"});
    EXPECT_EQ(All(PrintedLines(editor1, other, prAllPages)),
              (std::vector<std::string>{"one", "    two", ""}));
}

TEST(PrintedLines, ASelectionBlanksItsStartAndCutsItsEnd) {
    // Highlight from line 2, column 5 to line 4, column 3.
    TLinesPane pane({"line one", "line two", "line three", "line four", "line five"});
    pane.Selection[0] = 2, pane.Selection[1] = 5, pane.Selection[2] = 4, pane.Selection[3] = 3;
    EXPECT_EQ(All(PrintedLines(pane, pane, prSelection)),
              (std::vector<std::string>{"     two", "line three", "li"}));
}

TEST(PrintedLines, AOneLineSelectionIsBlankedAndCut) {
    TLinesPane pane({"abcdefgh"});
    pane.Selection[0] = 1, pane.Selection[1] = 3, pane.Selection[2] = 1, pane.Selection[3] = 6;
    EXPECT_EQ(All(PrintedLines(pane, pane, prSelection)), (std::vector<std::string>{"  cde"}));
}

TEST(PrintedLines, SelectionColumnsCountExpandedTabs) {
    // Column 3 of "a\tbc" is "b", at expanded column 5.
    TLinesPane pane({"a\tbcd"});
    pane.Selection[0] = 1, pane.Selection[1] = 3, pane.Selection[2] = 1, pane.Selection[3] = 5;
    EXPECT_EQ(All(PrintedLines(pane, pane, prSelection)), (std::vector<std::string>{"    bc"}));
}

TEST(PrintedLines, ASelectionEndingBeyondItsLineKeepsTheWholeLine) {
    TLinesPane pane({"ab", "cd"});
    pane.Selection[0] = 1, pane.Selection[1] = 9, pane.Selection[2] = 2, pane.Selection[3] = 9;
    EXPECT_EQ(All(PrintedLines(pane, pane, prSelection)), (std::vector<std::string>{"  ", "cd"}));
}

TEST(PrintedLines, TheSelectionComesFromTheActivePaneAndOtherRangesPrintNothing) {
    TLinesPane editor1({"a", "b"});
    TLinesPane active({"a", "b"});
    active.Selection[0] = 2, active.Selection[1] = 1, active.Selection[2] = 2,
    active.Selection[3] = 2;
    EXPECT_EQ(All(PrintedLines(editor1, active, prSelection)), (std::vector<std::string>{"b"}));
    EXPECT_EQ(PrintedLines(editor1, editor1, prSelection).Count, 0);
    EXPECT_EQ(PrintedLines(editor1, active, prOther).Count, 0);
}

// Jobs on a surface that records them.
class TRecordingDevice : public TPrintDevice, public TPrintSurface {
  public:
    bool StartJob() override {
        if (FailAt == static_cast<int>(Jobs.size())) return false;
        Jobs.push_back({{}});
        return true;
    }
    TPrintSurface& Surface() override { return *this; }
    void EndJob() override { ++Ended; }

    int PageWidth() const override { return 1000; }
    int PageHeight() const override { return 70; }
    int CharHeight() const override { return 10; }
    int AverageCharWidth() const override { return 10; }
    int TextWidth(std::string_view text) const override {
        return 10 * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view) const override { return 10; }
    void DrawText(int, int, std::string_view text) override {
        Jobs.back().back() += std::string(text) + "/";
    }
    void NewPage() override { Jobs.back().push_back({}); }

    std::vector<std::vector<std::string>> Jobs;  // per job, the text of each page
    int Ended = 0;
    int FailAt = -1;
};

// A device whose characters are 10 units a cell wide (wide ones 20, marks 0), on a page
// `width` units wide.
class TCellDevice : public TRecordingDevice {
  public:
    explicit TCellDevice(int width) : FWidth(width) {}
    int PageWidth() const override { return FWidth; }
    int PageHeight() const override { return 10000; }
    int TextWidth(std::string_view text) const override {
        int cells = 0;
        for (std::int32_t at = 0; at < static_cast<std::int32_t>(text.size());) {
            const TCharExtent c = CharAt(chUtf8, text, at);
            cells += c.Cells;
            at = c.End;
        }
        return 10 * cells;
    }

  private:
    int FWidth;
};

TPrintedLines Numbered(int count) {
    return {count, [](int i) { return std::to_string(i + 1); }};
}

TEST(PrintCopies, EveryCopyIsAJobOfItsOwnFromTheTopOfAPage) {
    TRecordingDevice device;
    ASSERT_TRUE(PrintCopies(device, Numbered(3), 2));
    using TPages = std::vector<std::string>;
    EXPECT_EQ(device.Jobs, (std::vector<TPages>{{"1/2/3/"}, {"1/2/3/"}}));
    EXPECT_EQ(device.Ended, 2);
}

TEST(PrintCopies, LongTextsRunOverPages) {
    TRecordingDevice device;  // lines 12 high at 0, 12, 24, 36; y 48 > 70 - 24 turns the page
    ASSERT_TRUE(PrintCopies(device, Numbered(10), 1));
    using TPages = std::vector<std::string>;
    EXPECT_EQ(device.Jobs, (std::vector<TPages>{{"1/2/3/4/", "5/6/7/8/", "9/10/"}}));
}

// Lines too wide for the page break between characters, never inside one; a selection
// blanks and cuts whole characters by their cells.
TEST(PrintCopies, Utf8LinesBreakAndAreSelectedBetweenCharacters) {
    TCellDevice device(35);
    const TPrintedLines lines{
        2, [](int i) { return std::string(i == 0 ? "aé日😀b" : "e\u0301e\u0301e\u0301x"); }};
    ASSERT_TRUE(PrintCopies(device, lines, 1));
    EXPECT_EQ(device.Jobs.at(0).at(0), "aé/日/😀b/e\u0301e\u0301e\u0301/x/");

    TCellDevice narrow(5);  // narrower than one cell: one whole character a line
    ASSERT_TRUE(PrintCopies(narrow, {1, [](int) { return std::string("日e\u0301"); }}, 1));
    EXPECT_EQ(narrow.Jobs.at(0).at(0), "日/e\u0301/");

    EXPECT_EQ(SelectedPart("aé日😀  b", true, 3, true, 7), "  日😀");
    EXPECT_EQ(SelectedPart("aé日😀  b", true, 5, false, 0), "    😀  b");
}

TEST(PrintCopies, AJobThatCannotStartEndsThePrint) {
    TRecordingDevice device;
    device.FailAt = 1;
    EXPECT_FALSE(PrintCopies(device, Numbered(1), 3));
    EXPECT_EQ(device.Jobs.size(), 1u);
    EXPECT_EQ(device.Ended, 1);
}

}  // namespace
}  // namespace wendax
