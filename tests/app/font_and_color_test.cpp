#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <algorithm>

#include "app/dialogs/font_choice.h"
#include "control/fixed_font.h"
#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

const QStringList kInstalled{QStringLiteral("DejaVu Sans"), QStringLiteral("DejaVu Sans Mono"),
                             QStringLiteral("Courier")};

bool IsFixed(const QString& family) {
    return family != QStringLiteral("DejaVu Sans");
}

TEST(FixedFamily, AnInstalledFixedFamilyIsKeptAsInstalled) {
    EXPECT_EQ(ChooseFixedFamily("dejavu sans mono", kInstalled, IsFixed, "Fallback"),
              "DejaVu Sans Mono");
    EXPECT_EQ(ChooseFixedFamily("Courier", kInstalled, IsFixed, "Fallback"), "Courier");
}

TEST(FixedFamily, AMissingOrProportionalFamilyTakesTheFallback) {
    EXPECT_EQ(ChooseFixedFamily("Fixedsys", kInstalled, IsFixed, "Fallback"), "Fallback");
    EXPECT_EQ(ChooseFixedFamily("DejaVu Sans", kInstalled, IsFixed, "Fallback"), "Fallback");
    EXPECT_EQ(ChooseFixedFamily("", kInstalled, IsFixed, "Fallback"), "Fallback");
}

TEST(FixedFamily, OnThisDesktopAMissingFaceBecomesAFixedPitchFamilyTheEditorsUse) {
    const std::string chosen = InstalledFixedFamily("Fixedsys");
    ASSERT_FALSE(chosen.empty());
    const std::vector<std::string>& editorFaces = FixedFontNames();
    EXPECT_NE(std::find(editorFaces.begin(), editorFaces.end(), chosen), editorFaces.end());
    const std::string system = SystemFixedFamily();
    const bool systemIsFixed = QFontDatabase::isFixedPitch(QString::fromStdString(system));
    EXPECT_EQ(chosen, systemIsFixed ? system : editorFaces.front());
    // The name actually used resolves to itself, so it stays the same from run to run.
    EXPECT_EQ(InstalledFixedFamily(chosen), chosen);
}

TEST(FixedFamily, FontsTakeSizeAndStyle) {
    const QFont font = MakeFont(SystemFixedFamily(), 13, true, true);
    EXPECT_EQ(font.pointSize(), 13);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
}

// The frame and the options dialog show colours as the editors paint them.
TEST(SystemColors, TheFrameUsesTheEditorsMappingOfTheDesktopPalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(SystemColor(sciAppWorkspace), palette), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(SystemColor(sciWindow), palette), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(SystemColor(sciWindowText), palette), QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(0x808000, palette), QColor(0, 128, 128));  // teal
}

}  // namespace
}  // namespace wendax
