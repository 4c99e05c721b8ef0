// Helpers for the tests of the editor's view and input through a headless window: painted
// rows read back as text, key scripts and mouse points of text cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/control/editor_test_support.h"

namespace wendax::test {

inline constexpr int kLeftMargin = 15;

// A focused editor in a window of `rows` rows by `columns` columns over `marked`.
class TViewFixture : public TEditorFixture {
  public:
    void Open(std::string_view marked, int rows = 10, int columns = 40);
    // Invalidates everything and paints; returns that paint.
    const THeadlessSurface& PaintAll();
    const THeadlessSurface& LastPaint() const { return Window->Paints.back(); }

    // Types a script: "<Ctrl+Q>" is one key (with the character it types), anything else
    // is typed character by character.
    void Type(const std::vector<std::string>& script);
    // The pixel on the left half of the cell of screen column `column` of window row `row`
    // (both 1-based).
    static TPoint Cell(int row, int column);
};

// The text runs drawn on window row `row` (1-based) by a paint: "[plain]" and "{high}" in
// drawing order, "<fill>" for a background fill of the row, "" when nothing touched it.
std::string RowRuns(const THeadlessSurface& paint, int row, TColor highlightBack);

// The rows (1-based) that received a bookmark glyph, with the glyph's number: "r:n".
std::vector<std::string> GlyphRows(const THeadlessSurface& paint);

}  // namespace wendax::test
