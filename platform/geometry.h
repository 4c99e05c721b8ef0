// Plain value types shared by the editor library and the platform layers: pixel geometry,
// colours, fonts and small bitmaps. Pixel coordinates are relative to a window's client area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wendax {

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Half-open rectangle: Left and Top are inside, Right and Bottom are not.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// 0x00BBGGRR for a fixed colour; kSystemColorBase + index for a system colour, which
// the platform resolves to the desktop's current colour of that role.
using TColor = std::uint32_t;
inline constexpr TColor kSystemColorBase = 0x80000000u;

// System colour indexes used by the program.
enum TSystemColorIndex : std::uint32_t {
    sciScrollBar = 0,
    sciBackground = 1,
    sciActiveCaption = 2,
    sciInactiveCaption = 3,
    sciMenu = 4,
    sciWindow = 5,
    sciWindowFrame = 6,
    sciMenuText = 7,
    sciWindowText = 8,
    sciCaptionText = 9,
    sciActiveBorder = 10,
    sciInactiveBorder = 11,
    sciAppWorkspace = 12,
    sciHighlight = 13,
    sciHighlightText = 14,
    sciBtnFace = 15,
    sciBtnShadow = 16,
    sciGrayText = 17,
    sciBtnText = 18,
};

constexpr TColor SystemColor(TSystemColorIndex index) {
    return kSystemColorBase + index;
}
constexpr bool IsSystemColor(TColor color) {
    return (color & kSystemColorBase) != 0;
}

// A font as the program names it; the platform maps it to an installed font.
struct TFontRequest {
    std::string Name;
    int Size = 11;  // points
    bool Bold = false;
    bool Italic = false;
    friend bool operator==(const TFontRequest&, const TFontRequest&) = default;
};

// Pixel metrics of a selected font.
struct TTextMetrics {
    int Height = 0;           // ascent + descent
    int ExternalLeading = 0;  // recommended extra space between lines
    int AveCharWidth = 0;     // cell width of a fixed-pitch font
    int Ascent = 0;
};

// A small picture, row by row, 0x00RRGGBB pixels with 0xFF000000 set for opaque ones.
struct TBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
    friend bool operator==(const TBitmap&, const TBitmap&) = default;
};

}  // namespace wendax
