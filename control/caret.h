// The look of a text caret: shape, alignment in the character cell, size, blink time and
// a solid, grey or bitmap fill. A caret can be shared: every owner takes a share and lets
// it go, and the caret frees itself when the last share goes. Create carets with `new`
// and hand them to an owner (or a TCaretRef) at once.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/geometry.h"

namespace wendax {

enum TOvcCaretShape : std::uint8_t {
    csBlock,
    csHalfBlock,
    csVertLine,
    csHorzLine,
    csCustom,
    csBitmap,
};

enum TOvcCaretAlign : std::uint8_t {
    caLeft,
    caTop,
    caRight,
    caBottom,
    caCenter,
};

// Told by a caret when one of its properties changed.
class TCaretListener {
  public:
    virtual void CaretTypeHasChanged() = 0;

  protected:
    ~TCaretListener() = default;
};

class TOvcCaret {
  public:
    TOvcCaret() = default;
    TOvcCaret(const TOvcCaret&) = delete;
    TOvcCaret& operator=(const TOvcCaret&) = delete;

    // A new shape also sets: csBlock caLeft; csHalfBlock caBottom; csVertLine caLeft and
    // width 2; csHorzLine caBottom and height 2; csBitmap the bitmap's size; csCustom nothing.
    TOvcCaretShape Shape() const { return FShape; }
    void SetShape(TOvcCaretShape shape);
    TOvcCaretAlign Align() const { return FAlign; }
    void SetAlign(TOvcCaretAlign align);
    // Milliseconds; 0 keeps the system's blink time.
    std::uint16_t BlinkTime() const { return FBlinkTime; }
    void SetBlinkTime(std::uint16_t ms);
    // Pixels; values of 0 or less are ignored.
    int CaretHeight() const { return FCaretHeight; }
    void SetCaretHeight(int height);
    int CaretWidth() const { return FCaretWidth; }
    void SetCaretWidth(int width);
    bool IsGray() const { return FIsGray; }
    void SetIsGray(bool gray);
    // The picture for csBitmap. SetBitmap copies it (nullptr is ignored); with csBitmap
    // the caret takes the new picture's size.
    const TBitmap& Bitmap() const { return FBitmap; }
    void SetBitmap(const TBitmap* bitmap);
    // The point of the bitmap that sits on the caret position; stored always, but a change
    // is announced only while the shape is csBitmap.
    int BitmapHotSpotX() const { return FHotSpotX; }
    void SetBitmapHotSpotX(int x);
    int BitmapHotSpotY() const { return FHotSpotY; }
    void SetBitmapHotSpotY(int y);

    // The one listener told of changes, or nullptr.
    TCaretListener* Listener() const { return FListener; }
    void SetListener(TCaretListener* listener) { FListener = listener; }

    int UsageCount() const { return FUsageCount; }
    void Acquire() { ++FUsageCount; }
    // Frees the caret when the count drops from 1 to 0.
    void Release();

  protected:
    // Only Release frees a caret.
    virtual ~TOvcCaret() = default;

  private:
    void Changed();
    void TakeBitmapSize();

    TOvcCaretShape FShape = csVertLine;
    TOvcCaretAlign FAlign = caLeft;
    std::uint16_t FBlinkTime = 0;
    int FCaretHeight = 10;
    int FCaretWidth = 2;
    bool FIsGray = false;
    TBitmap FBitmap;
    int FHotSpotX = 0;
    int FHotSpotY = 0;
    TCaretListener* FListener = nullptr;
    int FUsageCount = 0;
};

// One share of a caret, taken on construction and let go on destruction.
class TCaretRef {
  public:
    TCaretRef() = default;
    explicit TCaretRef(TOvcCaret* caret) : FCaret(caret) {
        if (FCaret) FCaret->Acquire();
    }
    TCaretRef(const TCaretRef& other) : TCaretRef(other.FCaret) {}
    TCaretRef& operator=(const TCaretRef& other) {
        TCaretRef(other).Swap(*this);
        return *this;
    }
    ~TCaretRef() {
        if (FCaret) FCaret->Release();
    }

    TOvcCaret* Get() const { return FCaret; }
    TOvcCaret* operator->() const { return FCaret; }
    TOvcCaret& operator*() const { return *FCaret; }
    void Swap(TCaretRef& other) noexcept { std::swap(FCaret, other.FCaret); }

  private:
    TOvcCaret* FCaret = nullptr;
};

}  // namespace wendax
