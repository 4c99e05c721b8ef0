// The status line's panels, the speedbar's buttons, the pop-up menus that hide the bars,
// the Options menu captions, the hint panel and the pop-up hints flag.
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/frame/main_menu.h"
#include "app/frame/popup_hints.h"
#include "app/frame/speedbar.h"
#include "app/frame/status_panels.h"
#include "program_fixture.h"

namespace wendax {
namespace {

using StatusLine = ProgramTest;
using Speedbar = ProgramTest;

QStringList PanelTexts(TFM_Main& main) {
    QStringList texts;
    for (int i = 0; i < kStatusPanels; ++i)
        texts << main.StatusPanels().Panel(static_cast<TStatusPanel>(i)).text();
    return texts;
}

TEST_F(StatusLine, PanelsInOrderWithTheirWidthsBeforeTheHintPanel) {
    Start();
    const std::vector<std::pair<const char*, int>> expected = {
        {"PL_Position", 132}, {"PL_Modified", 60}, {"PL_Mode", 60},   {"PL_LineCount", 90},
        {"PL_CharCount", 90}, {"PL_LineEnds", 50}, {"PL_CharSet", 50}};
    Open(QStringLiteral("a.txt"), "abc\n");  // the last two panels show only with a text
    QCoreApplication::processEvents();
    int right = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        QLabel& panel = Main().StatusPanels().Panel(static_cast<TStatusPanel>(i));
        EXPECT_EQ(panel.objectName(), expected[i].first);
        EXPECT_EQ(panel.height(), 21);
        if (i == spLineEnds || i == spCharSet) {
            EXPECT_LE(panel.width(), expected[i].second);
        } else {
            EXPECT_EQ(panel.width(), expected[i].second);
        }
        EXPECT_GT(panel.x(), right);
        right = panel.geometry().right();
    }
    EXPECT_GT(Main().HintPanel().x(), right);
    EXPECT_EQ(Main().StatusPanels().Panel(spMode).alignment(), Qt::AlignCenter);
}

// A pane with the largest counts the panels are to show whole.
class THugePane : public TFakeEditorPane {
  public:
    THugePane() : TFakeEditorPane(std::make_shared<TFakeText>()) {
        CaretLine = 2000000000;
        CaretCol = 32768;
        Insert = false;
        Text->Modified = true;
    }
    int LineCount() const override { return 2000000000; }
    int TextLength() const override { return 2000000000; }
};

// Each panel sizes itself to its text in the status line's font, never below its design
// width, and sits whole inside the line's 1-pixel border, the lower edge of its bevel too.
// All seven panels with such counts need a frame somewhat wider than the default one.
TEST_F(StatusLine, PanelsShowTheLargestCountsWholeInsideTheLine) {
    Start();
    Main().resize(660, 354);
    const THugePane pane;
    Main().StatusPanels().Update(&pane);
    QCoreApplication::processEvents();
    const QStatusBar& line = Main().StatusLine();
    for (int i = 0; i < kStatusPanels; ++i) {
        QLabel& panel = Main().StatusPanels().Panel(static_cast<TStatusPanel>(i));
        const int textWidth = panel.fontMetrics().horizontalAdvance(panel.text());
        EXPECT_GE(panel.contentsRect().width(), textWidth) << panel.text().toStdString();
        EXPECT_GE(panel.width(), panel.sizeHint().width());
        EXPECT_EQ(panel.geometry().top(), 1);
        EXPECT_EQ(panel.geometry().bottom(), line.height() - 2);
    }
    EXPECT_EQ(Main().StatusPanels().Panel(spCharCount).text(), "Chars: 2000000000");
    EXPECT_EQ(Main().HintPanel().geometry().top(), 1);
    EXPECT_LE(Main().HintPanel().geometry().right(), line.width() - 1);
    EXPECT_EQ(Main().size(), QSize(660, 354));
    Main().StatusPanels().Update(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(Main().StatusPanels().Panel(spCharCount).width(), 90);
}

// The hint panel takes what the other panels leave and cuts a long hint there; the frame
// keeps its width while the mouse goes over the menu items.
TEST_F(StatusLine, ALongHintIsCutAndNeverWidensTheFrame) {
    Start();
    Open(QStringLiteral("a.txt"), "x\n");
    const QSize size = Main().size();
    QMenu& menu = ClickMenu("MI_Window");
    for (const char* name : {"MI_WindowTileHorz", "MI_WindowTileVert", "MI_WindowCascade"}) {
        HoverItem(menu, Item(name));
        EXPECT_EQ(Main().HintPanel().text(), " " + Item(name).statusTip());
        EXPECT_EQ(Main().size(), size) << name;
    }
    HoverItem(menu, Item("MI_WindowTileHorz"));
    QLabel& hint = Main().HintPanel();
    EXPECT_LT(hint.contentsRect().width(), hint.fontMetrics().horizontalAdvance(hint.text()));
    EXPECT_LE(Main().minimumSizeHint().width(), size.width());
    menu.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(Main().size(), size);
}

TEST_F(StatusLine, WithoutAWindowThePanelsAreEmpty) {
    Start();
    EXPECT_EQ(PanelTexts(Main()), QStringList(kStatusPanels, QString()));
}

TEST_F(StatusLine, PanelsFollowCaretModeAndModification) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\ndef\n");
    EXPECT_EQ(PanelTexts(Main()),
              (QStringList{"Ln: 1  Col: 1", "", "Insert", "Lines: 3", "Chars: 10", "LF", "UTF-8"}));
    window.Pane1().CaretLine = 12;
    window.Pane1().CaretCol = 5;
    window.Pane1().Insert = false;
    window.Pane1().Text->Modified = true;
    Main().UpdateStatusAndCommands();
    EXPECT_EQ(PanelTexts(Main()), (QStringList{"Ln: 12  Col: 5", "Modified", "Overwrite",
                                               "Lines: 3", "Chars: 10", "LF", "UTF-8"}));
}

TEST_F(StatusLine, InASplitWindowThePanelsFollowThePaneThatHadTheFocus) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.ToggleSplit();
    window.Pane2()->CaretCol = 3;
    window.Focus(2);
    Main().UpdateStatusAndCommands();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 1  Col: 3");
    window.Focus(1);
    Main().UpdateStatusAndCommands();
    EXPECT_EQ(Main().StatusPanels().Panel(spPosition).text(), "Ln: 1  Col: 1");
}

TEST_F(StatusLine, HiddenPanelsLeaveNoGap) {
    WriteIni("[Program]\nModifiedVisible=0\nModeVisible=0\n");
    Start();
    QLabel& position = Main().StatusPanels().Panel(spPosition);
    QLabel& lines = Main().StatusPanels().Panel(spLineCount);
    EXPECT_TRUE(Main().StatusPanels().Panel(spModified).isHidden());
    const int gap = lines.x() - position.geometry().right();
    QLabel& chars = Main().StatusPanels().Panel(spCharCount);
    EXPECT_EQ(gap, chars.x() - lines.geometry().right());
}

TEST_F(StatusLine, PanelHintsGoToTheHintPanel) {
    Start();
    QLabel& panel = Main().StatusPanels().Panel(spLineCount);
    EXPECT_EQ(panel.statusTip(), "Total lines in file");
    EXPECT_TRUE(panel.toolTip().isEmpty());
    QStatusTipEvent tip(panel.statusTip());
    QApplication::sendEvent(&panel, &tip);
    EXPECT_EQ(Main().HintPanel().text(), " Total lines in file");
}

TEST_F(StatusLine, ItsPopUpMenuHidesItAndTheOptionsMenuSaysShow) {
    Start();
    QMenu& menu = Main().StatusPanels().PopupMenu();
    EXPECT_EQ(menu.objectName(), "Z_StatuslineMenu");
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), "Hide status line");
    EXPECT_EQ(menu.actions()[0]->statusTip(), "Hide the status line");
    Main().MainMenu().RunOpeningHandler(Main().MainMenu().Menu(QStringLiteral("MI_Options")));
    EXPECT_EQ(Item("MI_OptionsShowStatusline").text(), "Hide s&tatus line");
    menu.actions()[0]->trigger();
    EXPECT_TRUE(Main().StatusLine().isHidden());
    EXPECT_EQ(Item("MI_OptionsShowStatusline").text(), "Show s&tatus line");
    Run("MI_OptionsShowStatusline");
    EXPECT_FALSE(Main().StatusLine().isHidden());
    EXPECT_EQ(Item("MI_OptionsShowStatusline").text(), "Hide s&tatus line");
}

TEST_F(Speedbar, EighteenFlatButtonsAtTheirPlacesWithShortAndLongHints) {
    Start();
    const auto& buttons = Main().SpeedButtons().Buttons();
    ASSERT_EQ(buttons.size(), 18u);
    const int lefts[] = {5,   37,  62,  87,  119, 151, 176, 208, 233,
                         258, 290, 315, 347, 372, 397, 422, 454, 479};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->geometry(), QRect(lefts[i], 3, 25, 25)) << i;
        EXPECT_TRUE(buttons[i]->autoRaise());
        EXPECT_FALSE(buttons[i]->icon().isNull());
        EXPECT_EQ(buttons[i]->parentWidget(), &Main().Speedbar());
    }
    QToolButton& tile = *Main().SpeedButtons().Button(QStringLiteral("SP_TileHorz"));
    EXPECT_EQ(tile.toolTip(), "Tile horizontally");
    EXPECT_EQ(tile.statusTip(), "Arrange windows horizonally without overlap");
    QStatusTipEvent tip(tile.statusTip());
    QApplication::sendEvent(&tile, &tip);
    EXPECT_EQ(Main().HintPanel().text(), " Arrange windows horizonally without overlap");
}

TEST_F(Speedbar, EveryPictureHasADistinctDisabledVariant) {
    Start();
    for (QToolButton* button : Main().SpeedButtons().Buttons()) {
        const QIcon icon = button->icon();
        const QImage normal = icon.pixmap(16, QIcon::Normal).toImage();
        const QImage disabled = icon.pixmap(16, QIcon::Disabled).toImage();
        EXPECT_NE(normal, disabled) << button->objectName().toStdString();
    }
}

TEST_F(Speedbar, WithoutAWindowOnlyExitNewAndOpenAreEnabled) {
    Start();
    QStringList enabled;
    for (QToolButton* button : Main().SpeedButtons().Buttons())
        if (button->isEnabled()) enabled << button->objectName();
    EXPECT_EQ(enabled, (QStringList{"SP_Exit", "SP_New", "SP_Open"}));
}

TEST_F(Speedbar, ButtonsRunTheirItemsCommands) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "abc\n");
    window.Pane1().Select(1, 1, 1, 2);
    Main().UpdateCommandStates();
    Main().SpeedButtons().Button(QStringLiteral("SP_Copy"))->click();
    EXPECT_EQ(window.Pane1().Calls, std::vector<std::string>{"Copy"});
    Main().SpeedButtons().Button(QStringLiteral("SP_New"))->click();
    EXPECT_EQ(Main().MdiArea().subWindowList().size(), 2);
}

TEST_F(Speedbar, TheWordWrapButtonTurnsWrappingOnForEveryWindow) {
    Start();
    TFakeEditorWindow& first = Open(QStringLiteral("a.txt"), "a\n");
    TFakeEditorWindow& second = Open(QStringLiteral("b.txt"), "b\n");
    QToolButton& wrap = *Main().SpeedButtons().Button(QStringLiteral("SP_WordWrap"));
    EXPECT_TRUE(wrap.isEnabled());
    EXPECT_FALSE(wrap.isChecked());
    wrap.click();
    EXPECT_TRUE(Main().Settings().EnableWW);
    ASSERT_FALSE(first.Applied.empty());
    ASSERT_FALSE(second.Applied.empty());
    EXPECT_TRUE(first.Applied.back().EnableWW);
    EXPECT_TRUE(second.Applied.back().EnableWW);
    Main().UpdateCommandStates();
    EXPECT_TRUE(wrap.isChecked());
    Exit();
    EXPECT_TRUE(SavedIni().contains("EnableWW=1"));
}

TEST_F(Speedbar, TheSplitButtonShowsTheActiveWindowsSplit) {
    Start();
    TFakeEditorWindow& window = Open(QStringLiteral("a.txt"), "a\n");
    QToolButton& split = *Main().SpeedButtons().Button(QStringLiteral("SP_Split"));
    EXPECT_TRUE(split.isCheckable());
    split.click();
    EXPECT_TRUE(window.IsSplit());
    EXPECT_TRUE(split.isChecked());
    Run("MI_WindowSplit");
    EXPECT_FALSE(window.IsSplit());
    EXPECT_FALSE(split.isChecked());
}

TEST_F(Speedbar, ItsPopUpMenuHidesItAndTheOptionsMenuSaysShow) {
    Start();
    QMenu& menu = Main().SpeedButtons().PopupMenu();
    EXPECT_EQ(menu.objectName(), "Z_SpeedbarMenu");
    ASSERT_EQ(menu.actions().size(), 1);
    EXPECT_EQ(menu.actions()[0]->text(), "Hide speedbar");
    EXPECT_EQ(menu.actions()[0]->statusTip(), "Hide the speedbar");
    menu.actions()[0]->trigger();
    EXPECT_TRUE(Main().Speedbar().isHidden());
    EXPECT_EQ(Item("MI_OptionsShowSpeedbar").text(), "Show s&peedbar");
    Exit();
    EXPECT_TRUE(SavedIni().contains("SpeedbarVisible=0"));
}

// Counts the pop-up hint requests that reach it.
class THintCounter : public QWidget {
  public:
    int Requests = 0;

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) ++Requests;
        return QWidget::event(event);
    }
};

TEST(PopupHints, WhileOffNoHintRequestReachesAControl) {
    TPopupHints hints(nullptr);
    THintCounter control;
    QHelpEvent request(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
    QApplication::sendEvent(&control, &request);
    hints.SetEnabled(false);
    QApplication::sendEvent(&control, &request);
    EXPECT_EQ(control.Requests, 1);
}

TEST_F(Speedbar, TheHintsFlagComesFromTheSettingsAndIsSavedAtExit) {
    WriteIni("[Program]\nFloatingHints=0\n");
    Start();
    EXPECT_FALSE(Main().ShowHints());
    Main().SetShowHints(true);
    Exit();
    EXPECT_TRUE(SavedIni().contains("FloatingHints=1"));
}

}  // namespace
}  // namespace wendax
