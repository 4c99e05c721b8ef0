// The pictures of the speed buttons, drawn by the program itself on a 16 by 16 grid, each
// with a greyed, embossed variant for the disabled state.
#pragma once

#include <QIcon>
#include <QImage>

namespace wendax {

enum TSpeedGlyph {
    sgExit,
    sgNew,
    sgOpen,
    sgSave,
    sgPrint,
    sgUndo,
    sgRedo,
    sgCut,
    sgCopy,
    sgPaste,
    sgSearch,
    sgSearchAgain,
    sgCascade,
    sgTileVert,
    sgTileHorz,
    sgNextWindow,
    sgSplit,
    sgWordWrap
};

inline constexpr int kGlyphSize = 16;

// The picture at `scale` device pixels per grid unit, on a transparent background.
QImage DrawSpeedGlyph(TSpeedGlyph glyph, qreal scale = 1);

// The disabled look of `picture`: its dark parts in grey over a white shadow one grid
// unit down and right; light parts vanish.
QImage DisabledVariant(const QImage& picture, qreal scale = 1);

// Both pictures at the screen's scale: normal and disabled.
QIcon SpeedButtonIcon(TSpeedGlyph glyph);

}  // namespace wendax
