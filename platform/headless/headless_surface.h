// A drawing surface without a display: it records every drawing call in order.
#pragma once

#include <string>
#include <vector>

#include "platform/drawing_surface.h"

namespace wendax {

enum THeadlessPaintKind : std::uint8_t {
    pkSelectFont,
    pkFillRect,
    pkTextOut,
    pkCharsOut,
    pkDrawBitmap
};

// One recorded call; only the fields of its kind are set.
struct THeadlessPaintOp {
    THeadlessPaintKind Kind = pkFillRect;
    TFontRequest Font;  // pkSelectFont
    TRect Rect;         // pkFillRect: the rectangle; pkTextOut: the opaque rectangle;
                        // pkDrawBitmap: the source part of the bitmap
    TPoint Point;       // pkTextOut: the text origin; pkDrawBitmap: the destination
    std::string Text;   // pkTextOut; pkCharsOut: the characters' bytes, U+FFFD for an invalid one
    std::vector<std::int32_t> Cells;  // pkCharsOut: the cells of each character
    TColor Fore = 0;                  // pkTextOut
    TColor Back = 0;                  // pkFillRect and pkTextOut
    TSize BitmapSize;                 // pkDrawBitmap
};

class THeadlessSurface : public TDrawingSurface {
  public:
    void SelectFont(const TFontRequest& font) override { Record(pkSelectFont).Font = font; }
    void FillRect(const TRect& rect, TColor color) override {
        THeadlessPaintOp& op = Record(pkFillRect);
        op.Rect = rect;
        op.Back = color;
    }
    void TextOut(int x, int y, const TRect& opaque, std::string_view text, TColor fore,
                 TColor back) override {
        THeadlessPaintOp& op = Record(pkTextOut);
        op.Rect = opaque;
        op.Point = {x, y};
        op.Text = std::string(text);
        op.Fore = fore;
        op.Back = back;
    }
    void CharsOut(int x, int y, const TRect& opaque, std::span<const TCellChar> chars, TColor fore,
                  TColor back) override {
        THeadlessPaintOp& op = Record(pkCharsOut);
        op.Rect = opaque;
        op.Point = {x, y};
        for (const TCellChar& c : chars) {
            op.Text += c.Utf8.empty() ? std::string_view("\xEF\xBF\xBD") : c.Utf8;
            op.Cells.push_back(c.Cells);
        }
        op.Fore = fore;
        op.Back = back;
    }
    void DrawBitmap(const TBitmap& bitmap, const TRect& source, TPoint dest) override {
        THeadlessPaintOp& op = Record(pkDrawBitmap);
        op.Rect = source;
        op.Point = dest;
        op.BitmapSize = {bitmap.Width, bitmap.Height};
    }

    std::vector<THeadlessPaintOp> Ops;

  private:
    THeadlessPaintOp& Record(THeadlessPaintKind kind) {
        Ops.emplace_back().Kind = kind;
        return Ops.back();
    }
};

}  // namespace wendax
