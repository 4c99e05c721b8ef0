#include "app/frame/main_menu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace wendax {
namespace {

struct TExpectedItem {
    const char* Name;
    const char* Caption;  // "-" for a separator
    const char* Shortcut;
};

// The whole menu bar as the user meets it, top-level menus first.
const std::vector<std::pair<TExpectedItem, std::vector<TExpectedItem>>> kMenuBar = {
    {{"MI_File", "&File", ""},
     {{"MI_FileNew", "&New", ""},
      {"MI_FileOpen", "&Open...", "Ctrl+O"},
      {"MI_FileRevert", "Re&vert", ""},
      {"MI_N01", "-", ""},
      {"MI_FileSave1", "&Save", "Ctrl+S"},
      {"MI_FileSave2", "Save 2", "F2"},
      {"MI_FileSaveAs", "Save &as...", ""},
      {"MI_FileSaveAll", "Save a&ll", ""},
      {"MI_N02", "-", ""},
      {"MI_FileClose", "&Close", "Ctrl+F4"},
      {"MI_FileCloseAll", "Close all", ""},
      {"MI_N03", "-", ""},
      {"MI_FilePrintSetup", "P&rint setup...", ""},
      {"MI_FilePrint", "&Print...", "Ctrl+P"},
      {"MI_HistStart", "-", ""},
      {"MI_FileExit1", "E&xit", "Alt+F4"},
      {"MI_FileExit2", "Exit 2", "Alt+X"}}},
    {{"MI_Edit", "&Edit", ""},
     {{"MI_EditUndo1", "&Undo", "Ctrl+Z"},
      {"MI_EditUndo2", "Undo 2", "Alt+Backspace"},
      {"MI_EditRedo1", "&Redo", "Ctrl+Shift+Z"},
      {"MI_EditRedo2", "Redo 2", "Alt+Shift+Backspace"},
      {"MI_N04", "-", ""},
      {"MI_EditCut1", "Cu&t", "Ctrl+X"},
      {"MI_EditCut2", "Cut 2", "Shift+Del"},
      {"MI_EditCopy1", "&Copy", "Ctrl+C"},
      {"MI_EditCopy2", "Copy 2", "Ctrl+Ins"},
      {"MI_EditPaste1", "&Paste", "Ctrl+V"},
      {"MI_EditPaste2", "Paste 2", "Shift+Ins"},
      {"MI_EditDelete", "&Delete", "Del"},
      {"MI_N05", "-", ""},
      {"MI_EditSelectAll", "&Select All", "Ctrl+A"},
      {"MI_EditTimeDate", "Ti&me/Date", "F5"},
      {"MI_EditLineEnds", "Line ends: LF / CR LF", ""},
      {"MI_EditCharSet", "Read as UTF-8 / 8-bit", ""},
      {"MI_EditConvertCharSet", "Convert to UTF-8 / 8-bit", ""}}},
    {{"MI_Search", "&Search", ""},
     {{"MI_SearchFind", "&Find...", "Ctrl+F"},
      {"MI_SearchFindNext1", "Find &next", "Ctrl+G"},
      {"MI_SearchFindNext2", "Find next 2", "F3"},
      {"MI_SearchReplace", "&Replace...", ""},
      {"MI_N06", "-", ""},
      {"MI_SearchGotoLine", "&Go to line...", "F4"}}},
    {{"MI_Options", "&Options", ""},
     {{"MI_OptionsConfigure", "&Configure...", ""},
      {"MI_OptionsScreenFont", "&Screen font...", ""},
      {"MI_OptionsPrintFont", "P&rinter font...", ""},
      {"MI_N07", "-", ""},
      {"MI_OptionsShowSpeedbar", "Show s&peedbar", ""},
      {"MI_OptionsShowStatusline", "Show s&tatus line", ""}}},
    {{"MI_Window", "&Window", ""},
     {{"MI_WindowCascade", "&Cascade", ""},
      {"MI_WindowTileVert", "Tile &vertically", ""},
      {"MI_WindowTileHorz", "Tile &horizontally", ""},
      {"MI_WindowArrangeIcons", "&Arrange Icons", ""},
      {"MI_WindowMinimizeAll", "&Minimize All", ""},
      {"MI_WindowNextWindow", "Next window", "F6"},
      {"MI_N08", "-", ""},
      {"MI_WindowSplit", "Toggle &split", ""}}},
    {{"MI_Help", "&Help", ""},
     {{"MI_HelpScreen", "&Help screen...", "F1"}, {"MI_HelpAbout", "&About...", ""}}},
};

class MainMenu : public ::testing::Test {
  protected:
    QMenuBar FBar;
    TMainMenu FMenu{FBar};
};

TEST_F(MainMenu, EveryMenuAndItemHasItsNameCaptionAndShortcutInOrder) {
    ASSERT_EQ(FMenu.Menus().size(), kMenuBar.size());
    for (std::size_t m = 0; m < kMenuBar.size(); ++m) {
        const auto& [top, items] = kMenuBar[m];
        QMenu* menu = FMenu.Menus()[m];
        EXPECT_EQ(menu->objectName(), top.Name);
        EXPECT_EQ(menu->title(), top.Caption);
        EXPECT_EQ(FBar.actions().value(qsizetype(m)), menu->menuAction());
        ASSERT_EQ(menu->actions().size(), qsizetype(items.size())) << top.Name;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const QAction* item = menu->actions()[qsizetype(i)];
            SCOPED_TRACE(items[i].Name);
            EXPECT_EQ(item->objectName(), items[i].Name);
            if (std::string(items[i].Caption) == "-")
                EXPECT_TRUE(item->isSeparator());
            else
                EXPECT_EQ(item->text(), items[i].Caption);
            EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromLatin1(items[i].Shortcut)));
            EXPECT_EQ(FMenu.Item(item->objectName()), item);
            EXPECT_EQ(FMenu.TopMenuOf(item), menu);
        }
    }
}

TEST_F(MainMenu, HintsStayOnTheItems) {
    const std::vector<std::pair<const char*, const char*>> hints = {
        {"MI_FileOpen", "Open a file"},
        {"MI_FileCloseAll", "Close current file"},
        {"MI_FileExit1", "Exit Wendax"},
        {"MI_FileSave2", ""},
        {"MI_EditRedo1", "Cancel last undo"},
        {"MI_EditTimeDate", "Insert time and date at cursor"},
        {"MI_SearchGotoLine", "Go to specified line in current file"},
        {"MI_OptionsShowStatusline", "Hide or show status line"},
        {"MI_WindowTileHorz", "Arrange windows horizontally without overlap"},
        {"MI_WindowNextWindow", ""},
        {"MI_WindowSplit", "Split editor window"},
        {"MI_HelpAbout", "Display About box"},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(FMenu.Item(QString::fromLatin1(name))->statusTip(), hint) << name;
    EXPECT_EQ(FMenu.Menu(QStringLiteral("MI_File"))->menuAction()->statusTip(),
              "File related commands");
    EXPECT_EQ(FMenu.Menu(QStringLiteral("MI_Options"))->menuAction()->statusTip(),
              "Set Wendax options");
}

TEST_F(MainMenu, OnlyTheSecondShortcutItemsAreHidden) {
    const QStringList hidden{"MI_FileSave2", "MI_FileExit2", "MI_EditUndo2",  "MI_EditRedo2",
                             "MI_EditCut2",  "MI_EditCopy2", "MI_EditPaste2", "MI_SearchFindNext2"};
    for (QMenu* menu : FMenu.Menus())
        for (QAction* item : menu->actions())
            EXPECT_EQ(item->isVisible(), !hidden.contains(item->objectName()))
                << item->objectName().toStdString();
}

TEST_F(MainMenu, AHiddenItemSharesTheEnabledStateAndCommandOfItsTwin) {
    const std::vector<std::pair<const char*, const char*>> twins = {
        {"MI_FileSave2", "MI_FileSave1"},   {"MI_FileExit2", "MI_FileExit1"},
        {"MI_EditUndo2", "MI_EditUndo1"},   {"MI_EditRedo2", "MI_EditRedo1"},
        {"MI_EditCut2", "MI_EditCut1"},     {"MI_EditCopy2", "MI_EditCopy1"},
        {"MI_EditPaste2", "MI_EditPaste1"}, {"MI_SearchFindNext2", "MI_SearchFindNext1"}};
    for (const auto& [hidden, visible] : twins) {
        QAction* item = FMenu.Item(QString::fromLatin1(hidden));
        QAction* twin = FMenu.Item(QString::fromLatin1(visible));
        EXPECT_EQ(&FMenu.CommandItem(*item), twin) << hidden;
        twin->setEnabled(false);
        EXPECT_FALSE(FMenu.IsEnabled(*item)) << hidden;
        twin->setEnabled(true);
        EXPECT_TRUE(FMenu.IsEnabled(*item)) << hidden;
    }
    QAction* open = FMenu.Item(QStringLiteral("MI_FileOpen"));
    EXPECT_EQ(&FMenu.CommandItem(*open), open);
}

TEST_F(MainMenu, OpeningAMenuRunsItsOpeningHandler) {
    QMenu* edit = FMenu.Menu(QStringLiteral("MI_Edit"));
    int runs = 0;
    FMenu.SetOpeningHandler(edit, [&] { ++runs; });
    edit->popup(QPoint(0, 0));
    edit->hide();
    FMenu.RunOpeningHandler(edit);
    FMenu.RunOpeningHandler(FMenu.Menu(QStringLiteral("MI_File")));  // has none: nothing
    EXPECT_EQ(runs, 2);
}

TEST_F(MainMenu, EveryShortcutIsBoundOnce) {
    QList<QKeySequence> seen;
    for (QAction* item : FMenu.ShortcutItems()) {
        EXPECT_FALSE(seen.contains(item->shortcut())) << item->objectName().toStdString();
        seen << item->shortcut();
    }
    EXPECT_EQ(seen.size(), 26);
}

TEST(LongHint, IsTheTextAfterTheBarOrTheWholeHint) {
    EXPECT_EQ(LongHint(QStringLiteral("Exit|Exit Wendax")), "Exit Wendax");
    EXPECT_EQ(LongHint(QStringLiteral("|Total lines in file")), "Total lines in file");
    EXPECT_EQ(LongHint(QStringLiteral("Open a file")), "Open a file");
    EXPECT_EQ(LongHint(QString()), "");
}

}  // namespace
}  // namespace wendax
