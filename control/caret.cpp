#include "control/caret.h"

namespace wendax {

void TOvcCaret::SetShape(TOvcCaretShape shape) {
    if (shape == FShape) return;
    FShape = shape;
    switch (shape) {
        case csBlock:
            FAlign = caLeft;
            break;
        case csHalfBlock:
            FAlign = caBottom;
            break;
        case csVertLine:
            FAlign = caLeft;
            FCaretWidth = 2;
            break;
        case csHorzLine:
            FAlign = caBottom;
            FCaretHeight = 2;
            break;
        case csBitmap:
            TakeBitmapSize();
            break;
        case csCustom:
            break;
    }
    Changed();
}

void TOvcCaret::SetAlign(TOvcCaretAlign align) {
    if (align == FAlign) return;
    FAlign = align;
    Changed();
}

void TOvcCaret::SetBlinkTime(std::uint16_t ms) {
    if (ms == FBlinkTime) return;
    FBlinkTime = ms;
    Changed();
}

void TOvcCaret::SetCaretHeight(int height) {
    if (height <= 0 || height == FCaretHeight) return;
    FCaretHeight = height;
    Changed();
}

void TOvcCaret::SetCaretWidth(int width) {
    if (width <= 0 || width == FCaretWidth) return;
    FCaretWidth = width;
    Changed();
}

void TOvcCaret::SetIsGray(bool gray) {
    if (gray == FIsGray) return;
    FIsGray = gray;
    Changed();
}

void TOvcCaret::SetBitmap(const TBitmap* bitmap) {
    if (!bitmap || *bitmap == FBitmap) return;
    FBitmap = *bitmap;
    if (FShape == csBitmap) TakeBitmapSize();
    Changed();
}

void TOvcCaret::SetBitmapHotSpotX(int x) {
    if (x == FHotSpotX) return;
    FHotSpotX = x;
    if (FShape == csBitmap) Changed();
}

void TOvcCaret::SetBitmapHotSpotY(int y) {
    if (y == FHotSpotY) return;
    FHotSpotY = y;
    if (FShape == csBitmap) Changed();
}

void TOvcCaret::Release() {
    if (--FUsageCount == 0) delete this;
}

void TOvcCaret::Changed() {
    if (FListener) FListener->CaretTypeHasChanged();
}

// Sizes of 0 or less are ignored here as in the setters, so an empty bitmap keeps the
// current size.
void TOvcCaret::TakeBitmapSize() {
    if (FBitmap.Height > 0) FCaretHeight = FBitmap.Height;
    if (FBitmap.Width > 0) FCaretWidth = FBitmap.Width;
}

}  // namespace wendax
