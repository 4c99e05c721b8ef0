// The options dialog: its controls and enabling rules, the steps of Ok and what reaches
// the open editors and the settings written at exit; the screen and printer fonts.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "app/dialogs/color_list.h"
#include "app/dialogs/options_dialog.h"
#include "app/frame/status_panels.h"
#include "program_fixture.h"

namespace wendax {
namespace {

class Options : public ProgramTest {
  protected:
    // Opens the options dialog, runs `change` on it and presses Ok (or Cancel).
    void Configure(std::function<void(QWidget&)> change, bool ok = true) {
        WhenModal([change = std::move(change), ok](QWidget& dialog) {
            change(dialog);
            Child<QPushButton>(dialog, ok ? "BT_Ok" : "BT_Cancel").click();
        });
        Run("MI_OptionsConfigure");
    }
    static void Tick(QWidget& dialog, const char* name, bool on) {
        auto& box = Child<QAbstractButton>(dialog, name);
        if (box.isChecked() != on) box.click();
    }
    static void Choose(QWidget& dialog, const char* list, const char* entry) {
        auto& box = Child<QComboBox>(dialog, list);
        const int index = box.findText(QString::fromLatin1(entry));
        ASSERT_GE(index, 0) << entry;
        QTest::keyClicks(&box, QString::fromLatin1(entry));  // the list's own type-ahead
        EXPECT_EQ(box.currentIndex(), index) << entry;
    }
};

TEST_F(Options, OpensOnTheProgramPageFilledFromTheSettings) {
    WriteIni(
        "[Editor]\nTabSize=4\nWrapAtColumn=72\nSmartTabs=1\nSpaceTabs=0\nAutoIndent=1\n"
        "[Desktop]\nRestoreStyle=2\n[Program]\nDefaultDir=/tmp/dir\n");
    Start();
    bool checked = false;
    Configure(
        [&](QWidget& dialog) {
            EXPECT_EQ(Child<QTabWidget>(dialog, "PC_Options").currentIndex(), 0);
            EXPECT_EQ(Child<QSpinBox>(dialog, "ED_TabSize").value(), 4);
            EXPECT_EQ(Child<QSpinBox>(dialog, "ED_WrapAtColumn").value(), 72);
            EXPECT_TRUE(Child<QRadioButton>(dialog, "RB_SmartTabs").isChecked());
            EXPECT_FALSE(Child<QRadioButton>(dialog, "RB_SpaceTabs").isChecked());
            EXPECT_TRUE(Child<QCheckBox>(dialog, "CK_AutoIndent").isChecked());
            EXPECT_TRUE(Child<QRadioButton>(dialog, "RB_DeskRestore").isChecked());
            EXPECT_EQ(Child<QLineEdit>(dialog, "ED_DefaultDir").text(), "/tmp/dir");
            EXPECT_EQ(Child<QLineEdit>(dialog, "ED_Name1").text(), "All files");
            EXPECT_EQ(Child<QLineEdit>(dialog, "ED_Filter2").text(), "*.txt");
            EXPECT_EQ(Child<QLabel>(dialog, "PL_Sample").text(),
                      "  I met a traveler from an antique land");
            checked = true;
        },
        false);
    EXPECT_TRUE(checked);
}

TEST_F(Options, TheFivePagesAndTheControlsCarryTheirCaptionsAndHints) {
    Start();
    TFM_Options& dialog = Windows().Options();
    auto& pages = Child<QTabWidget>(dialog, "PC_Options");
    QStringList tabs;
    for (int i = 0; i < pages.count(); ++i)
        tabs << pages.tabText(i);
    EXPECT_EQ(tabs, (QStringList{"Program", "Editor", "Desktop", "File filters", "Colors"}));
    EXPECT_EQ(Child<QCheckBox>(dialog, "CK_MakeBackups").toolTip(), "Make *.bak files when saving");
    EXPECT_EQ(Child<QRadioButton>(dialog, "RB_SpaceTabs").text(), "'Space' tabs");
    EXPECT_EQ(Child<QCheckBox>(dialog, "CK_CurrentAsFixed").text(),
              "Use current position as fixed");
    EXPECT_EQ(Child<QPushButton>(dialog, "BT_Ok").toolTip(), "Save current settings");
    EXPECT_TRUE(Child<QPushButton>(dialog, "BT_Ok").isDefault());
    EXPECT_EQ(Child<QLineEdit>(dialog, "ED_Name8").toolTip(), "Label to show for filter");
    EXPECT_EQ(Child<QLineEdit>(dialog, "ED_Filter8").toolTip(), "Mask to use for filter");
}

TEST_F(Options, TheNumericFieldsTakeDigitsOnlyWithinTheirRanges) {
    Start();
    TFM_Options& dialog = Windows().Options();
    auto& column = Child<QSpinBox>(dialog, "ED_WrapAtColumn");
    auto& tabs = Child<QSpinBox>(dialog, "ED_TabSize");
    EXPECT_EQ(column.minimum(), 0);
    EXPECT_EQ(column.maximum(), 999);
    EXPECT_EQ(tabs.maximum(), 99);
    EXPECT_EQ(column.singleStep(), 1);
    column.setValue(5);
    column.stepUp();
    EXPECT_EQ(column.value(), 6);
    column.selectAll();
    QTest::keyClicks(&column, QStringLiteral("1x2-34"));
    EXPECT_EQ(column.text(), "123");
    tabs.selectAll();
    QTest::keyClicks(&tabs, QStringLiteral("123"));
    EXPECT_EQ(tabs.text(), "12");
}

TEST_F(Options, EnablingRulesFollowStatusLineWordWrapAndFixedPosition) {
    WriteIni("[Editor]\nEnableWW=1\nWrapToColumn=1\nWrapToWindow=0\n");
    Start();
    Configure(
        [](QWidget& dialog) {
            const auto enabled = [&](const char* name) {
                return Child<QWidget>(dialog, name).isEnabled();
            };
            EXPECT_TRUE(enabled("CK_DispPosition"));
            Child<QCheckBox>(dialog, "CK_DispStatusLine").click();
            for (const char* panel : {"CK_DispPosition", "CK_DispModified", "CK_DispMode",
                                      "CK_DispLineCount", "CK_DispCharCount"})
                EXPECT_FALSE(enabled(panel)) << panel;
            EXPECT_TRUE(enabled("ED_WrapAtColumn"));
            Child<QRadioButton>(dialog, "RB_WrapToWindow").click();
            EXPECT_FALSE(enabled("ED_WrapAtColumn"));
            EXPECT_FALSE(enabled("LL_Column"));
            Child<QCheckBox>(dialog, "CK_EnableWW").click();
            EXPECT_FALSE(enabled("RB_WrapToColumn"));
            EXPECT_FALSE(enabled("RB_WrapToWindow"));
            EXPECT_FALSE(enabled("CK_CurrentAsFixed"));
            Child<QRadioButton>(dialog, "RB_DeskFixed").click();
            EXPECT_TRUE(enabled("CK_CurrentAsFixed"));
        },
        false);
}

TEST_F(Options, HidingTheStatusLineKeepsThePanelFlagsAsTicked) {
    Start();
    Configure([](QWidget& dialog) {
        Tick(dialog, "CK_DispMode", false);
        Tick(dialog, "CK_DispStatusLine", false);
        Tick(dialog, "CK_DispHints", false);
    });
    EXPECT_TRUE(Main().StatusLine().isHidden());
    EXPECT_TRUE(Main().StatusPanels().Panel(spMode).isHidden());
    EXPECT_FALSE(Main().StatusPanels().Panel(spPosition).isHidden());
    EXPECT_FALSE(Main().ShowHints());
    Exit();
    const QByteArray ini = SavedIni();
    EXPECT_TRUE(
        ini.contains("StatusLineVisible=0\nPositionVisible=1\nModifiedVisible=1\n"
                     "ModeVisible=0\nLineCountVisible=1\nCharCountVisible=1\n"));
    EXPECT_TRUE(ini.contains("FloatingHints=0"));
}

TEST_F(Options, OkAppliesTheEditorSettingsToEveryOpenEditorAndTheyAreWrittenAtExit) {
    Start();
    TFakeEditorWindow& first = Open(QStringLiteral("a.txt"), "a\n");
    TFakeEditorWindow& second = Open(QStringLiteral("b.txt"), "b\n");
    Configure([](QWidget& dialog) {
        Child<QRadioButton>(dialog, "RB_RealTabs").click();
        Child<QSpinBox>(dialog, "ED_TabSize").setValue(3);
        Tick(dialog, "CK_EnableWW", true);
        Child<QSpinBox>(dialog, "ED_WrapAtColumn").setValue(40);
        Tick(dialog, "CK_StripBlanks", true);
        Tick(dialog, "CK_OpenEmpty", true);
    });
    for (TFakeEditorWindow* window : {&first, &second}) {
        ASSERT_FALSE(window->Applied.empty());
        const TSettings& applied = window->Applied.back();
        EXPECT_EQ(applied.TabSize, 3);
        EXPECT_TRUE(applied.RealTabs);
        EXPECT_FALSE(applied.SpaceTabs);
        EXPECT_TRUE(applied.EnableWW);
        EXPECT_EQ(applied.WrapAtColumn, 40);
    }
    Exit();
    const QByteArray ini = SavedIni();
    EXPECT_TRUE(
        ini.contains("SpaceTabs=0\nRealTabs=1\nSmartTabs=0\nTabSize=3\nStripBlanks=1\n"
                     "EnableWW=1\n"));
    EXPECT_TRUE(ini.contains("WrapAtColumn=40\nOpenEmpty=1\n"));
}

TEST_F(Options, CancelChangesNothing) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "a\n");
    const TSettings before = Main().Settings();
    const std::size_t applied = window.Applied.size();
    Configure(
        [](QWidget& dialog) {
            Child<QSpinBox>(dialog, "ED_TabSize").setValue(2);
            Tick(dialog, "CK_DispSpeedbar", false);
            Child<QLineEdit>(dialog, "ED_Name1").clear();
        },
        false);
    EXPECT_EQ(Main().Settings(), before);
    EXPECT_FALSE(Main().Speedbar().isHidden());
    EXPECT_EQ(window.Applied.size(), applied);
}

TEST_F(Options, AProgramColourNotInTheListShowsTheColorsetAndIsKept) {
    WriteIni("[Colors]\nProgramColor=1193046\n");  // 0x123456
    Start();
    Configure([](QWidget& dialog) {
        EXPECT_EQ(Child<QComboBox>(dialog, "CB_ProgColor").currentIndex(), 0);
        EXPECT_EQ(Child<QComboBox>(dialog, "CB_ProgColor").currentText(), "Windows colorset");
    });
    EXPECT_EQ(Main().Settings().ProgramColor, 0x123456u);
}

TEST_F(Options, ColourListsHoldSeventeenEntriesAndSetTheirColours) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "a\n");
    Configure([](QWidget& dialog) {
        auto& program = Child<QComboBox>(dialog, "CB_ProgColor");
        EXPECT_EQ(program.count(), 17);
        EXPECT_EQ(program.maxVisibleItems(), 10);
        EXPECT_EQ(program.itemText(16), "Yellow");
        EXPECT_EQ(ColorAt(program, 0), 0x8000000Cu);
        EXPECT_EQ(ColorAt(Child<QComboBox>(dialog, "CB_EditColor"), 0), 0x80000005u);
        EXPECT_EQ(ColorAt(Child<QComboBox>(dialog, "CB_FontColor"), 0), 0x80000008u);
        Choose(dialog, "CB_ProgColor", "Teal");
        Choose(dialog, "CB_EditColor", "Navy");
        Choose(dialog, "CB_FontColor", "Yellow");
        const QPalette sample = Child<QLabel>(dialog, "PL_Sample").palette();
        EXPECT_EQ(sample.color(QPalette::Window), QColor(0, 0, 128));
        EXPECT_EQ(sample.color(QPalette::WindowText), QColor(255, 255, 0));
    });
    EXPECT_EQ(Main().Settings().ProgramColor, 0x808000u);
    EXPECT_EQ(Main().Settings().EditorColor, 0x800000u);
    EXPECT_EQ(Main().Settings().FontColor, 0x00FFFFu);
    EXPECT_EQ(Main().Settings().SFontColor, 0x00FFFFu);
    EXPECT_EQ(Main().MdiArea().background().color(), QColor(0, 128, 128));
    EXPECT_EQ(window.Applied.back().EditorColor, 0x800000u);
}

TEST_F(Options, OnlyCompleteFilterRowsMakeTheNewFilter) {
    Start();
    Configure([](QWidget& dialog) {
        Child<QLineEdit>(dialog, "ED_Name1").setText(QStringLiteral("Sources"));
        Child<QLineEdit>(dialog, "ED_Filter1").setText(QStringLiteral("*.cpp"));
        Child<QLineEdit>(dialog, "ED_Name2").setText(QStringLiteral("Only a name"));
        Child<QLineEdit>(dialog, "ED_Filter2").clear();
    });
    EXPECT_EQ(Main().Settings().Filter, "Sources|*.cpp|");
    FDialogs.ExpectCancel(dkOpenFiles);
    Run("MI_FileOpen");
    EXPECT_EQ(FDialogs.Calls().back().File.Filter, "Sources|*.cpp|");
}

TEST_F(Options, MoreThanEightFilterPairsLoseTheRest) {
    QByteArray filter;
    for (int i = 1; i <= 9; ++i)
        filter += "N" + QByteArray::number(i) + "|*." + QByteArray::number(i) + "|";
    WriteIni("[Program]\nFilter=" + filter + "\n");
    Start();
    Configure([](QWidget&) {});
    EXPECT_EQ(Main().Settings().Filter, filter.left(filter.indexOf("N9")).toStdString());
}

TEST_F(Options, BrowseChoosesTheDefaultDirectory) {
    Start();
    TDialogAnswer answer;
    answer.Kind = dkDirectory;
    answer.Files = QStringList{QStringLiteral("/srv/texts")};
    FDialogs.Expect(answer);
    Configure([](QWidget& dialog) {
        Child<QLineEdit>(dialog, "ED_DefaultDir").setText(QStringLiteral("/start"));
        Child<QPushButton>(dialog, "BT_Browse").click();
        EXPECT_EQ(Child<QLineEdit>(dialog, "ED_DefaultDir").text(), "/srv/texts");
    });
    EXPECT_EQ(FDialogs.Calls()[0].InitialDir, "/start");
    EXPECT_EQ(Main().Settings().DefaultDir, "/srv/texts");
}

TEST_F(Options, CurrentPositionAsFixedTakesThePlaceOnlyWithTheFixedStyle) {
    Start();
    Main().setGeometry(120, 80, 640, 420);
    Configure([](QWidget& dialog) {
        Child<QRadioButton>(dialog, "RB_DeskRestore").click();
        Child<QCheckBox>(dialog, "CK_CurrentAsFixed").setChecked(true);
    });
    EXPECT_EQ(Main().Settings().RestoreStyle, 2);
    EXPECT_EQ(Main().Settings().ScrnWidth, 600);
    Configure([](QWidget& dialog) {
        EXPECT_FALSE(Child<QCheckBox>(dialog, "CK_CurrentAsFixed").isChecked());
        Child<QRadioButton>(dialog, "RB_DeskFixed").click();
        Child<QCheckBox>(dialog, "CK_CurrentAsFixed").click();
    });
    EXPECT_EQ(Main().Settings().RestoreStyle, 3);
    EXPECT_EQ(Main().Settings().ScrnWidth, 640);
    EXPECT_EQ(Main().Settings().ScrnHeight, 420);
    EXPECT_EQ(Main().Settings().ScrnLeft, Main().x());
    EXPECT_FALSE(Main().Settings().ScrnMax);
}

TEST_F(Options, ASingleWindowIsMaximisedWhenAsked) {
    Start();
    Open(QStringLiteral("a.txt"), "a\n");
    Configure([](QWidget& dialog) { Tick(dialog, "CK_MaxOnlyChild", true); });
    EXPECT_TRUE(Main().MdiArea().subWindowList().first()->isMaximized());
}

TEST_F(Options, ABoldScreenFontReachesEveryEditorAtOnce) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "a\n");
    TDialogAnswer answer;
    answer.Kind = dkFont;
    answer.Font = Main().ScreenFont();
    answer.Font.setBold(true);
    answer.Font.setPointSize(14);
    FDialogs.Expect(answer);
    Run("MI_OptionsScreenFont");
    EXPECT_TRUE(Main().Settings().SFontBold);
    EXPECT_EQ(Main().Settings().SFontSize, 14);
    EXPECT_TRUE(window.Applied.back().SFontBold);
    Exit();
    EXPECT_TRUE(SavedIni().contains("SFontSize=14\nSFontBold=1\n"));
}

TEST_F(Options, ThePrinterFontChangesOnlyThePrinterFont) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "a\n");
    const std::size_t applied = window.Applied.size();
    TDialogAnswer answer;
    answer.Kind = dkFont;
    answer.Font = Main().PrinterFont();
    answer.Font.setItalic(true);
    answer.Font.setPointSize(9);
    FDialogs.Expect(answer);
    Run("MI_OptionsPrintFont");
    EXPECT_TRUE(Main().Settings().PFontItalic);
    EXPECT_EQ(Main().Settings().PFontSize, 9);
    EXPECT_FALSE(Main().Settings().SFontItalic);
    EXPECT_EQ(window.Applied.size(), applied);
    FDialogs.ExpectCancel(dkFont);
    Run("MI_OptionsPrintFont");
    EXPECT_EQ(Main().Settings().PFontSize, 9);
}

}  // namespace
}  // namespace wendax
