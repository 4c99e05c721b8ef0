// Painting through the drawing surface, checked pixel by pixel on a grab of the window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

#include "platform/qt/qt_drawing_surface.h"
#include "platform/qt/qt_editor_widget.h"
#include "platform/qt/qt_font_cache.h"
#include "tests/platform/qt_recording_client.h"

namespace wendax {
namespace {

constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kBlack = 0x00000000;
constexpr TColor kNavy = 0x00800000;  // 0x00BBGGRR
constexpr TColor kRed = 0x000000FF;
const TFontRequest kFont{"DejaVu Sans Mono", 11, false, false};
const TFontRequest kItalic{"DejaVu Sans Mono", 11, false, true};

// Draws a small editor-like picture: a margin with a glyph, text rows with a highlighted
// run, system colours, control bytes and a clipped run.
class TSampleClient : public TRecordingClient {
  public:
    TSampleClient() {
        OnPaint = [this](TDrawingSurface& surface, const TRect& clip) { Draw(surface, clip); };
        Glyph.Width = Glyph.Height = 12;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                Glyph.Pixels.push_back(x < 6 ? 0xFF00A000 : 0x00000000);
    }

    int Row(int n) const { return n * Metrics.Height; }
    int Cell(int n) const { return 15 + n * Metrics.AveCharWidth; }

    TTextMetrics Metrics;
    TBitmap Glyph;

  private:
    void Draw(TDrawingSurface& surface, const TRect& clip) {
        surface.SelectFont(kFont);
        surface.FillRect(clip, kWhite);
        surface.DrawBitmap(Glyph, {0, 0, 12, 12}, {1, Row(0)});
        Run(surface, 0, 0, "Hello ", kBlack, kWhite);
        Run(surface, 0, 6, "World", kWhite, kNavy);
        Run(surface, 1, 0, "Selected", SystemColor(sciHighlightText), SystemColor(sciHighlight));
        Run(surface, 2, 0, std::string(100, 'I'), kBlack, kWhite);
        Run(surface, 3, 0, "\n\x0C\x81\x8D\x7F\x80\xE9", kBlack, kWhite);
        const TRect cut{Cell(0), Row(4), Cell(3), Row(5)};
        surface.TextOut(Cell(0), Row(4), cut, "WWWWWW", kBlack, kWhite);
        surface.FillRect({Cell(10), Row(4), Cell(14), Row(5)}, kRed);
        surface.TextOut(Cell(20), Row(4), {Cell(22) + 3, Row(4), Cell(25), Row(5)}, "ABCDEFG",
                        kBlack, kWhite);
        surface.SelectFont(kItalic);
        Run(surface, 5, 0, "Italic", kBlack, kWhite);
        surface.TextOut(Cell(10), Row(5), {Cell(10), Row(5), Cell(12), Row(6)}, "WWWW", kBlack,
                        kWhite);
        surface.SelectFont(kFont);
        for (int pair = 0; pair < 20; ++pair)
            Run(surface, 6, pair, "X", kWhite, static_cast<TColor>(pair * 10 + 40));
    }

    void Run(TDrawingSurface& surface, int row, int column, std::string_view text, TColor fore,
             TColor back) {
        const int length = static_cast<int>(text.size());
        const TRect box{Cell(column), Row(row), Cell(column + length), Row(row + 1)};
        surface.TextOut(Cell(column), Row(row), box, text, fore, back);
    }
};

class QtPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        Widget.SetClient(&Client);
        Widget.SetFrame({false, false, false});
        Widget.resize(1100, 160);
        Widget.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Widget));
        Client.Metrics = Widget.FontMetrics(kFont);
        Picture = Widget.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Pixels of the rectangle that are not `color`.
    int CountOther(const QRect& rect, QRgb color) const {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += Picture.pixel(x, y) != color;
        return count;
    }

    QRect CellRect(int row, int column, int cells = 1) const {
        return QRect(QPoint(Client.Cell(column), Client.Row(row)),
                     QPoint(Client.Cell(column + cells) - 1, Client.Row(row + 1) - 1));
    }

    QImage CellImage(int row, int column) const { return Picture.copy(CellRect(row, column)); }

    TSampleClient Client;
    TQtEditorWidget Widget;
    QImage Picture;
};

TEST_F(QtPaint, GrabIsSavedForLookingAtIt) {
    EXPECT_TRUE(Picture.save("qt_paint_test.png"));
}

TEST_F(QtPaint, BackgroundAndFilledRectangleHaveExactlyTheirColours) {
    EXPECT_EQ(Picture.pixel(1099, 159), qRgb(255, 255, 255));
    EXPECT_EQ(CountOther(CellRect(4, 10, 4), qRgb(255, 0, 0)), 0);
}

TEST_F(QtPaint, TextRunsShowTheirTextOverAnOpaqueBackground) {
    const QRect hello = CellRect(0, 0, 5);
    EXPECT_GT(CountOther(hello, qRgb(255, 255, 255)), 20);
    const QRect world = CellRect(0, 6, 5);
    EXPECT_EQ(Picture.pixel(world.topLeft()), qRgb(0, 0, 0x80));
    EXPECT_EQ(Picture.pixel(world.bottomRight()), qRgb(0, 0, 0x80));
    int white = 0;
    for (int x = world.left(); x <= world.right(); ++x)
        for (int y = world.top(); y <= world.bottom(); ++y)
            white += Picture.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 10);
    EXPECT_EQ(CountOther(CellRect(0, 11, 3), qRgb(255, 255, 255)), 0);
}

TEST_F(QtPaint, SystemColoursComeFromThePalette) {
    const QPalette palette = Widget.palette();
    const QRect selected = CellRect(1, 0, 8);
    EXPECT_EQ(Picture.pixel(selected.topLeft()),
              palette.color(QPalette::Active, QPalette::Highlight).rgb());
    EXPECT_GT(CountOther(selected, palette.color(QPalette::Active, QPalette::Highlight).rgb()), 20);
}

TEST_F(QtPaint, EveryByteKeepsToItsCellAlongALongRow) {
    for (const int column : {0, 1, 50, 99}) {
        const QRect cell = CellRect(2, column);
        EXPECT_GT(CountOther(cell, qRgb(255, 255, 255)), 3) << column;
        EXPECT_EQ(CellImage(2, column), CellImage(2, 0)) << column;
    }
    EXPECT_EQ(CountOther(CellRect(2, 100, 5), qRgb(255, 255, 255)), 0);
}

TEST_F(QtPaint, ControlBytesShowAsDistinctVisiblePictures) {
    for (int column = 0; column < 7; ++column) {
        EXPECT_GT(CountOther(CellRect(3, column), qRgb(255, 255, 255)), 3) << column;
        for (int other = 0; other < column; ++other)
            EXPECT_NE(CellImage(3, column), CellImage(3, other)) << column << " " << other;
    }
}

TEST_F(QtPaint, TextIsClippedToItsOpaqueRectangle) {
    EXPECT_GT(CountOther(CellRect(4, 0, 3), qRgb(255, 255, 255)), 10);
    EXPECT_EQ(CountOther(CellRect(4, 3, 6), qRgb(255, 255, 255)), 0);
}

TEST_F(QtPaint, TextStartingLeftOfItsOpaqueRectangleShowsOnlyInside) {
    const QRect left(QPoint(Client.Cell(20), Client.Row(4)),
                     QPoint(Client.Cell(22) + 2, Client.Row(5) - 1));
    EXPECT_EQ(CountOther(left, qRgb(255, 255, 255)), 0);
    EXPECT_GT(CountOther(CellRect(4, 23, 2), qRgb(255, 255, 255)), 10);
    EXPECT_EQ(CountOther(CellRect(4, 25, 4), qRgb(255, 255, 255)), 0);
}

TEST_F(QtPaint, ItalicTextIsDrawnInItsCellsAndClippedToo) {
    for (int column = 0; column < 6; ++column)
        EXPECT_GT(CountOther(CellRect(5, column), qRgb(255, 255, 255)), 3) << column;
    EXPECT_GT(CountOther(CellRect(5, 10, 2), qRgb(255, 255, 255)), 10);
    EXPECT_EQ(CountOther(CellRect(5, 12, 4), qRgb(255, 255, 255)), 0);
}

TEST_F(QtPaint, ManyColourPairsEachKeepTheirColours) {
    for (int pair = 0; pair < 20; ++pair) {
        const QRect cell = CellRect(6, pair);
        EXPECT_EQ(Picture.pixel(cell.topLeft()), qRgb(pair * 10 + 40, 0, 0)) << pair;
        EXPECT_GT(CountOther(cell, qRgb(pair * 10 + 40, 0, 0)), 3) << pair;
    }
}

TEST_F(QtPaint, BitmapCopiesOpaquePixelsAndLeavesTransparentOnes) {
    const int top = Client.Row(0);
    EXPECT_EQ(Picture.pixel(1, top), qRgb(0, 0xA0, 0));
    EXPECT_EQ(Picture.pixel(6, top + 11), qRgb(0, 0xA0, 0));
    EXPECT_EQ(Picture.pixel(7, top), qRgb(255, 255, 255));
    EXPECT_EQ(Picture.pixel(0, top), qRgb(255, 255, 255));
}

TEST_F(QtPaint, BlockCaretInvertsTheCellBelowIt) {
    Widget.CreateCaret(Client.Metrics.AveCharWidth, Client.Metrics.Height, false);
    Widget.SetCaretPos({Client.Cell(6), Client.Row(0)});
    Widget.ShowCaret();
    const QImage withCaret =
        Widget.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(withCaret.save("qt_paint_caret.png"));
    const QRect cell = CellRect(0, 6);
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            ASSERT_EQ(withCaret.pixel(x, y), Picture.pixel(x, y) ^ 0x00FFFFFF) << x << "," << y;
    EXPECT_EQ(withCaret.pixel(cell.right() + 1, cell.top()),
              Picture.pixel(cell.right() + 1, cell.top()));
}

// On a scaled painter (a high-density screen) the glyphs are drawn at the device's size.
TEST(QtPaintScaled, TextOnADenseScreenIsDrawnAndClipped) {
    QImage image(200, 40, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    TQtFontCache fonts;
    const TTextMetrics metrics = fonts.Find(kFont).Metrics();
    {
        QPainter painter(&image);
        const QPalette palette;
        TQtDrawingSurface surface(painter, fonts, palette);
        surface.SelectFont(kFont);
        surface.TextOut(0, 0, {0, 0, 3 * metrics.AveCharWidth, metrics.Height}, "MMMMMM", kBlack,
                        kWhite);
    }
    int dark = 0;
    int beyond = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 200; ++x) {
            const bool isDark = qGray(image.pixel(x, y)) < 128;
            (x < 2 * 3 * metrics.AveCharWidth ? dark : beyond) += isDark;
        }
    }
    EXPECT_GT(dark, 30);
    EXPECT_EQ(beyond, 0);
}

}  // namespace
}  // namespace wendax
