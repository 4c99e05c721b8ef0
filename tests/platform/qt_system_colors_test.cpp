#include <gtest/gtest.h>

#include <QPalette>

#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

TEST(QtSystemColors, FixedColoursAreBlueGreenRedFromTheHighByteDown) {
    EXPECT_EQ(ResolveColor(0x00123456, QPalette()), QColor(0x56, 0x34, 0x12));
}

TEST(QtSystemColors, SystemColoursTakeTheMatchingPaletteRole) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, Qt::yellow);
    palette.setColor(QPalette::Inactive, QPalette::Base, Qt::cyan);
    palette.setColor(QPalette::Active, QPalette::Text, Qt::darkBlue);
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
    palette.setColor(QPalette::Active, QPalette::Highlight, Qt::darkRed);
    palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::green);
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::magenta);
    EXPECT_EQ(ResolveColor(SystemColor(sciWindow), palette), QColor(Qt::yellow));
    EXPECT_EQ(ResolveColor(SystemColor(sciWindowText), palette), QColor(Qt::darkBlue));
    EXPECT_EQ(ResolveColor(SystemColor(sciGrayText), palette), QColor(Qt::gray));
    EXPECT_EQ(ResolveColor(SystemColor(sciHighlight), palette), QColor(Qt::darkRed));
    EXPECT_EQ(ResolveColor(SystemColor(sciHighlightText), palette), QColor(Qt::green));
    EXPECT_EQ(ResolveColor(kSystemColorBase + 99, palette), QColor(Qt::magenta));
}

}  // namespace
}  // namespace wendax
