// Drives the window caret of one control from a caret description: applies the character
// cell to the caret's size and alignment, creates and destroys the window caret (linking)
// as the control gains and loses the focus, shows and hides it, moves it, and sets the
// blink time while linked.
#pragma once

#include <cstdint>

#include "control/caret.h"
#include "platform/geometry.h"

namespace wendax {

class TOvcBase;
class TWindowPeer;

class TOvcSingleCaret : public TCaretListener {
  public:
    // A coordinate standing for a position off the window.
    static constexpr int kOffWindow = 2147483647;

    // Starts unlinked and hidden with a new default caret and a 10 x 10 cell.
    explicit TOvcSingleCaret(TOvcBase& owner);
    // Hides, unlinks and lets the caret go.
    virtual ~TOvcSingleCaret();
    TOvcSingleCaret(const TOvcSingleCaret&) = delete;
    TOvcSingleCaret& operator=(const TOvcSingleCaret&) = delete;

    TOvcCaret& ActiveCaret() const { return *FActiveCaret; }
    // Takes a share of `caret`, lets the old one go and re-applies the cell; nullptr is
    // ignored.
    void SetActiveCaret(TOvcCaret* caret);

    // Pixels of one character cell; values of 0 or less are ignored.
    int CellHeight() const { return FCellHeight; }
    void SetCellHeight(int height);
    int CellWidth() const { return FCellWidth; }
    void SetCellWidth(int width);

    // Whether the window caret exists. Linking needs the owner's window; without one the
    // caret stays unlinked. Linking saves the system blink time and unlinking restores it.
    bool Linked() const { return FLinked; }
    void SetLinked(bool linked);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);

    // The pixel position of the cell's top-left corner; negative coordinates become
    // kOffWindow. The window caret goes to the position plus Offset(), except that a
    // kOffWindow coordinate is passed on as it is.
    TPoint Position() const { return FPosition; }
    void SetPosition(int x, int y);
    // From the cell's corner to the caret's corner, by alignment and bitmap hot spot.
    TPoint Offset() const { return FOffset; }

    // Unlinks, re-applies the cell and links again if it was linked.
    void CaretTypeHasChanged() override;

  private:
    void ApplyCell();
    void Link();
    void Unlink();
    // The owner's window while linked, else nullptr.
    TWindowPeer* LinkedWindow() const;
    void MoveWindowCaret();
    void LetGo();

    TOvcBase& FOwner;
    TCaretRef FActiveCaret;
    int FCellHeight = 10;
    int FCellWidth = 10;
    bool FLinked = false;
    bool FVisible = false;
    TPoint FPosition;
    TPoint FOffset;
    std::uint32_t FSavedBlinkTime = 0;
};

}  // namespace wendax
