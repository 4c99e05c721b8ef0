// How printed text is laid out on the pages of a print job: plain lines from the top-left
// corner of the printable area, no header, footer or margin of their own. Lines too wide
// for the page continue on the next printed line, broken at any character. A new page
// starts only once something is drawn on it (or a second break follows), so a text that
// ends just where a page ends, or with a form feed, leaves no blank page behind.
#pragma once

#include <cstddef>
#include <string_view>

namespace wendax {

// A page of a print job in the device's own units (printer dots), origin at the top-left
// corner of the printable area.
class TPrintSurface {
  public:
    virtual ~TPrintSurface() = default;

    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // The height of the font's characters.
    virtual int CharHeight() const = 0;
    virtual int AverageCharWidth() const = 0;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight(std::string_view text) const = 0;
    // Draws `text` with its top-left corner at (x, y).
    virtual void DrawText(int x, int y, std::string_view text) = 0;
    virtual void NewPage() = 0;
};

class TPrintLayout {
  public:
    // Starts at the top-left corner of the current page of `surface`.
    explicit TPrintLayout(TPrintSurface& surface) : FSurface(surface) {}

    // Draws `text` at the current position. A carriage return only ends the current run,
    // a form feed starts a new page and a tab advances to the next multiple of eight
    // average character widths. A run wider than the rest of the line draws the longest
    // leading part that fits (at least one character at the start of a line, so a page
    // narrower than one character still makes progress) and continues on the next line.
    void Write(std::string_view text);

    // Ends the printed line: back to the left edge and down by the line's height, which
    // is its tallest run plus 2, or the character height when nothing was drawn on it.
    // A new page starts when the next line would begin closer to the bottom than twice
    // that height.
    void EndLine();

    int X() const { return FX; }
    int Y() const { return FY; }

  private:
    void WriteRun(std::string_view run);
    // How many leading characters of `run` fit into the rest of the line.
    std::size_t FittingLength(std::string_view run) const;
    void Draw(std::string_view run);
    void Tab();
    // The position moves to the top of the next page, which the surface starts when
    // something is drawn on it or another break follows.
    void BreakPage();
    void StartPendingPage();

    TPrintSurface& FSurface;
    int FX = 0;
    int FY = 0;
    int FTallest = 0;  // tallest run drawn on the current line; 0 when none
    bool FPageBreakPending = false;
};

}  // namespace wendax
