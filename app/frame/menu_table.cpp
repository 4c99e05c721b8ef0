#include "app/frame/menu_table.h"

namespace wendax {
namespace {

TMenuRow FileMenu() {
    return {"MI_File",
            "&File",
            "File related commands",
            {
                {"MI_FileNew", "&New", "", "Create a new file"},
                {"MI_FileOpen", "&Open...", "Ctrl+O", "Open a file"},
                {"MI_FileRevert", "Re&vert", "", "Reload last saved version"},
                {"MI_N01", nullptr},
                {"MI_FileSave1", "&Save", "Ctrl+S", "Save current file"},
                {"MI_FileSave2", "Save 2", "F2", "", "MI_FileSave1"},
                {"MI_FileSaveAs", "Save &as...", "", "Save current file under a different name"},
                {"MI_FileSaveAll", "Save a&ll", "", "Save all modified files"},
                {"MI_N02", nullptr},
                {"MI_FileClose", "&Close", "Ctrl+F4", "Close current file"},
                {"MI_FileCloseAll", "Close all", "", "Close current file"},
                {"MI_N03", nullptr},
                {"MI_FilePrintSetup", "P&rint setup...", "", "Define printer options"},
                {"MI_FilePrint", "&Print...", "Ctrl+P", "Print current file"},
                {"MI_HistStart", nullptr},
                {"MI_FileExit1", "E&xit", "Alt+F4", "Exit Wendax"},
                {"MI_FileExit2", "Exit 2", "Alt+X", "", "MI_FileExit1"},
            }};
}

TMenuRow EditMenu() {
    return {
        "MI_Edit",
        "&Edit",
        "Editing commands",
        {
            {"MI_EditUndo1", "&Undo", "Ctrl+Z", "Undo last change"},
            {"MI_EditUndo2", "Undo 2", "Alt+Backspace", "Undo last change", "MI_EditUndo1"},
            {"MI_EditRedo1", "&Redo", "Ctrl+Shift+Z", "Cancel last undo"},
            {"MI_EditRedo2", "Redo 2", "Alt+Shift+Backspace", "Cancel last undo", "MI_EditRedo1"},
            {"MI_N04", nullptr},
            {"MI_EditCut1", "Cu&t", "Ctrl+X", "Cut selected text to clipboard"},
            {"MI_EditCut2", "Cut 2", "Shift+Del", "Cut selected text to clipboard", "MI_EditCut1"},
            {"MI_EditCopy1", "&Copy", "Ctrl+C", "Copy selected text to clipboard"},
            {"MI_EditCopy2", "Copy 2", "Ctrl+Ins", "Copy selected text to clipboard",
             "MI_EditCopy1"},
            {"MI_EditPaste1", "&Paste", "Ctrl+V", "Paste text from clipboard"},
            {"MI_EditPaste2", "Paste 2", "Shift+Ins", "Paste text from clipboard", "MI_EditPaste1"},
            {"MI_EditDelete", "&Delete", "Del", "Delete selected text"},
            {"MI_N05", nullptr},
            {"MI_EditSelectAll", "&Select All", "Ctrl+A", "Select all text"},
            {"MI_EditTimeDate", "Ti&me/Date", "F5", "Insert time and date at cursor"},
            {"MI_EditLineEnds", "Line ends: LF / CR LF", "",
             "End every line with CR LF, or with LF when they end with CR LF"},
            {"MI_EditCharSet", "Read as UTF-8 / 8-bit", "",
             "Show the same bytes as UTF-8 or as 8-bit characters"},
            {"MI_EditConvertCharSet", "Convert to UTF-8 / 8-bit", "",
             "Rewrite the bytes of the text in the other character set"},
        }};
}

TMenuRow SearchMenu() {
    return {
        "MI_Search",
        "&Search",
        "Search related commands",
        {
            {"MI_SearchFind", "&Find...", "Ctrl+F", "Search for a text string"},
            {"MI_SearchFindNext1", "Find &next", "Ctrl+G", "Continue search"},
            {"MI_SearchFindNext2", "Find next 2", "F3", "Continue search", "MI_SearchFindNext1"},
            {"MI_SearchReplace", "&Replace...", "", "Find text in current file and replace"},
            {"MI_N06", nullptr},
            {"MI_SearchGotoLine", "&Go to line...", "F4", "Go to specified line in current file"},
        }};
}

TMenuRow OptionsMenu() {
    return {"MI_Options",
            "&Options",
            "Set Wendax options",
            {
                {"MI_OptionsConfigure", "&Configure...", "", "Set Wendax options"},
                {"MI_OptionsScreenFont", "&Screen font...", "", "Select display font"},
                {"MI_OptionsPrintFont", "P&rinter font...", "", "Select printer font"},
                {"MI_N07", nullptr},
                {"MI_OptionsShowSpeedbar", "Show s&peedbar", "", "Show or hide the speedbar"},
                {"MI_OptionsShowStatusline", "Show s&tatus line", "", "Hide or show status line"},
            }};
}

TMenuRow WindowMenu() {
    return {"MI_Window",
            "&Window",
            "Window related commands",
            {
                {"MI_WindowCascade", "&Cascade", "", "Arrange windows to overlap"},
                {"MI_WindowTileVert", "Tile &vertically", "",
                 "Arrange windows vertically without overlap"},
                {"MI_WindowTileHorz", "Tile &horizontally", "",
                 "Arrange windows horizontally without overlap"},
                {"MI_WindowArrangeIcons", "&Arrange Icons", "",
                 "Arrange icons at bottom of main window"},
                {"MI_WindowMinimizeAll", "&Minimize All", "", "Minimize all windows"},
                {"MI_WindowNextWindow", "Next window", "F6", ""},
                {"MI_N08", nullptr},
                {"MI_WindowSplit", "Toggle &split", "", "Split editor window"},
            }};
}

TMenuRow HelpMenu() {
    return {"MI_Help",
            "&Help",
            "Help screen and About box",
            {
                {"MI_HelpScreen", "&Help screen...", "F1", "Display Help screen"},
                {"MI_HelpAbout", "&About...", "", "Display About box"},
            }};
}

}  // namespace

const std::vector<TMenuRow>& MainMenuTable() {
    static const std::vector<TMenuRow> table = {FileMenu(),    EditMenu(),   SearchMenu(),
                                                OptionsMenu(), WindowMenu(), HelpMenu()};
    return table;
}

}  // namespace wendax
