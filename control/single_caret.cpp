#include "control/single_caret.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "control/ovc_base.h"
#include "platform/services.h"

namespace wendax {

namespace {

// A caret coordinate: `base` moved by `offset`, kept within the int range; kOffWindow
// stays as it is.
int Shifted(int base, int offset) {
    if (base == TOvcSingleCaret::kOffWindow) return base;
    const std::int64_t shifted = std::int64_t{base} + offset;
    return static_cast<int>(std::clamp<std::int64_t>(shifted, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

TPoint AlignedOffset(TOvcCaretAlign align, int cellHeight, int cellWidth, int h, int w) {
    switch (align) {
        case caLeft:
            return {0, (cellHeight - h) / 2};
        case caTop:
            return {(cellWidth - w) / 2, 0};
        case caRight:
            return {cellWidth - w, (cellHeight - h) / 2};
        case caBottom:
            return {(cellWidth - w) / 2, cellHeight - h};
        case caCenter:
            return {(cellWidth - w) / 2, (cellHeight - h) / 2};
    }
    return {};
}

}  // namespace

TOvcSingleCaret::TOvcSingleCaret(TOvcBase& owner) : FOwner(owner) {
    SetActiveCaret(new TOvcCaret);
}

TOvcSingleCaret::~TOvcSingleCaret() {
    SetVisible(false);
    SetLinked(false);
    LetGo();
}

void TOvcSingleCaret::SetActiveCaret(TOvcCaret* caret) {
    if (!caret || caret == FActiveCaret.Get()) return;
    TCaretRef taken(caret);
    LetGo();
    FActiveCaret = taken;
    FActiveCaret->SetListener(this);
    CaretTypeHasChanged();
}

// The caret stops telling this object of changes once it is let go.
void TOvcSingleCaret::LetGo() {
    if (FActiveCaret.Get() && FActiveCaret->Listener() == this) FActiveCaret->SetListener(nullptr);
    FActiveCaret = TCaretRef();
}

void TOvcSingleCaret::SetCellHeight(int height) {
    if (height <= 0 || height == FCellHeight) return;
    FCellHeight = height;
    CaretTypeHasChanged();
}

void TOvcSingleCaret::SetCellWidth(int width) {
    if (width <= 0 || width == FCellWidth) return;
    FCellWidth = width;
    CaretTypeHasChanged();
}

void TOvcSingleCaret::SetLinked(bool linked) {
    if (linked == FLinked) return;
    if (linked) {
        Link();
    } else {
        Unlink();
    }
}

void TOvcSingleCaret::SetVisible(bool visible) {
    if (visible == FVisible) return;
    FVisible = visible;
    TWindowPeer* window = LinkedWindow();
    if (!window) return;
    if (visible) {
        window->ShowCaret();
    } else {
        window->HideCaret();
    }
}

void TOvcSingleCaret::SetPosition(int x, int y) {
    const TPoint position{x < 0 ? kOffWindow : x, y < 0 ? kOffWindow : y};
    if (position == FPosition) return;
    FPosition = position;
    MoveWindowCaret();
}

void TOvcSingleCaret::CaretTypeHasChanged() {
    const bool wasLinked = FLinked;
    SetLinked(false);
    ApplyCell();
    SetLinked(wasLinked);
}

// Runs unlinked (from CaretTypeHasChanged), so the new offset reaches the window caret when
// it is linked again. The caret's listener is detached meanwhile so that the size changes
// made here do not call back.
void TOvcSingleCaret::ApplyCell() {
    TOvcCaret& caret = *FActiveCaret;
    TCaretListener* listener = caret.Listener();
    caret.SetListener(nullptr);
    switch (caret.Shape()) {
        case csBlock:
            caret.SetCaretHeight(FCellHeight);
            caret.SetCaretWidth(FCellWidth);
            break;
        case csHalfBlock:
            caret.SetCaretHeight(FCellHeight / 2);
            caret.SetCaretWidth(FCellWidth);
            break;
        case csVertLine:
            caret.SetCaretHeight(FCellHeight);
            break;
        case csHorzLine:
            caret.SetCaretWidth(FCellWidth);
            break;
        case csCustom:
        case csBitmap:
            break;
    }
    FOffset = AlignedOffset(caret.Align(), FCellHeight, FCellWidth, caret.CaretHeight(),
                            caret.CaretWidth());
    if (caret.Shape() == csBitmap) {
        FOffset.X -= caret.BitmapHotSpotX();
        FOffset.Y -= caret.BitmapHotSpotY();
    }
    caret.SetListener(listener);
}

void TOvcSingleCaret::Link() {
    TWindowPeer* window = FOwner.Window();
    if (!window) return;
    FSavedBlinkTime = Platform().CaretBlinkTime();
    const TOvcCaret& caret = *FActiveCaret;
    if (caret.Shape() == csBitmap && !caret.Bitmap().IsEmpty()) {
        window->CreateBitmapCaret(caret.Bitmap());
    } else {
        window->CreateCaret(caret.CaretWidth(), caret.CaretHeight(), caret.IsGray());
    }
    if (FVisible) window->ShowCaret();
    FLinked = true;
    MoveWindowCaret();
    if (caret.BlinkTime() != 0 && caret.BlinkTime() != FSavedBlinkTime) {
        Platform().SetCaretBlinkTime(caret.BlinkTime());
    }
}

// The window may be gone already; the blink time is restored all the same.
void TOvcSingleCaret::Unlink() {
    Platform().SetCaretBlinkTime(FSavedBlinkTime);
    if (TWindowPeer* window = FOwner.Window()) window->DestroyCaret();
    FLinked = false;
}

TWindowPeer* TOvcSingleCaret::LinkedWindow() const {
    return FLinked ? FOwner.Window() : nullptr;
}

void TOvcSingleCaret::MoveWindowCaret() {
    if (TWindowPeer* window = LinkedWindow()) {
        window->SetCaretPos({Shifted(FPosition.X, FOffset.X), Shifted(FPosition.Y, FOffset.Y)});
    }
}

}  // namespace wendax
