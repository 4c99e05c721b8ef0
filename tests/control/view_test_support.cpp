#include "tests/control/view_test_support.h"

#include <cctype>

#include "tests/control/key_notation.h"

namespace wendax::test {

namespace {

// The character a key types, as a keyboard would: letters by Shift and Ctrl, digits and
// space plainly, Enter and Tab their control codes.
std::uint8_t TypedChar(const TKeyMessage& key) {
    const bool ctrl = (key.Shift & ksCtrl) != 0;
    if (key.Key >= 'A' && key.Key <= 'Z') {
        if (ctrl) return static_cast<std::uint8_t>(key.Key - 'A' + 1);
        return (key.Shift & ksShift) != 0 ? key.Key : static_cast<std::uint8_t>(key.Key + 32);
    }
    if (ctrl) return 0;
    if (key.Key >= '0' && key.Key <= '9') return key.Key;
    if (key.Key == vkSpace) return ' ';
    if (key.Key == vkReturn || key.Key == vkTab || key.Key == vkBack) return key.Key;
    return 0;
}

}  // namespace

void TViewFixture::Open(std::string_view marked, int rows, int columns) {
    OpenWindow(rows, columns);
    Window->SetFocused(true);
    Load(marked);
}

const THeadlessSurface& TViewFixture::PaintAll() {
    Window->InvalidateAll();
    Window->PaintInvalid();
    return LastPaint();
}

void TViewFixture::Type(const std::vector<std::string>& script) {
    for (const std::string& step : script) {
        if (step.size() > 2 && step.front() == '<' && step.back() == '>') {
            const TKeyMessage key = testkit::ParseKey(step.substr(1, step.size() - 2));
            Window->Key(key.Key, key.Shift, TypedChar(key));
        } else {
            for (const char c : step) {
                const auto upper =
                    static_cast<std::uint8_t>(std::toupper(static_cast<unsigned char>(c)));
                const bool keyed = std::isalnum(static_cast<unsigned char>(c)) || c == ' ';
                Window->Key(keyed ? upper : 0,
                            std::isupper(static_cast<unsigned char>(c)) ? ksShift : ksNone,
                            static_cast<std::uint8_t>(c));
            }
        }
        Settle();
    }
}

TPoint TViewFixture::Cell(int row, int column) {
    return {kLeftMargin + (column - 1) * kCellWidth + 1, (row - 1) * kLineHeight + 2};
}

std::string RowRuns(const THeadlessSurface& paint, int row, TColor highlightBack) {
    const int top = (row - 1) * kLineHeight;
    std::string out;
    for (const THeadlessPaintOp& op : paint.Ops) {
        if (op.Rect.Top != top || op.Rect.Left < kLeftMargin) continue;
        if (op.Kind == pkTextOut) {
            const bool high = op.Back == highlightBack;
            out += (high ? "{" : "[") + op.Text + (high ? "}" : "]");
        } else if (op.Kind == pkFillRect && op.Rect.Left == kLeftMargin) {
            out += "<fill>";
        }
    }
    return out;
}

std::vector<std::string> GlyphRows(const THeadlessSurface& paint) {
    std::vector<std::string> rows;
    for (const THeadlessPaintOp& op : paint.Ops) {
        if (op.Kind != pkDrawBitmap) continue;
        rows.push_back(std::to_string(op.Point.Y / kLineHeight + 1) + ":" +
                       std::to_string(op.Rect.Left / 12));
    }
    return rows;
}

}  // namespace wendax::test
