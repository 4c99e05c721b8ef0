#include "app/dialogs/help_texts.h"

namespace wendax {

const char* LicenseText() {
    return "<p>Wendax 32 is free software. You may use it for any purpose, copy it, give it "
           "away, change it and pass on your changes, under whatever terms you choose for "
           "your own copies.</p>"
           "<p>Wendax 32 comes with no warranty of any kind. It is offered in the hope that "
           "it is useful, but without any promise that it is fit for a particular purpose; "
           "keep backup copies of the files you edit with it.</p>"
           "<p>If you pass the program on, please say so when you have changed it, so that "
           "its users know which version they have and whom to ask about it.</p>"
           "<p>Copyright &copy; the Wendax developers.</p>";
}

const char* ContactText() {
    return "<p>Wendax 32 is written by the Wendax developers.</p>"
           "<p>Questions, bug reports and suggestions are welcome. Please report them where "
           "you obtained the program, and describe what you did, what you expected and what "
           "happened instead.</p>";
}

const char* BookmarksText() {
    return "<p>Bookmarks mark places in a file you want to come back to. Every editor window "
           "has ten of them, numbered 0 to 9; they last until the window is closed.</p>"
           "<p>Press Ctrl+Shift and a digit (0 to 9) to set that bookmark at the caret: its "
           "number appears in the margin beside the line. Press Ctrl and the digit to jump "
           "back to it.</p>"
           "<p>You can also set and go to bookmarks from the editor's pop-up menu: click the "
           "right mouse button in the text and choose Set bookmark or Go to bookmark. Clear "
           "all bookmarks removes them all.</p>"
           "<p>The other keys of the editor are listed on the Keyboard page.</p>";
}

const std::vector<const char*>& SpeedbarHelpLines() {
    static const std::vector<const char*> lines = {
        "Exit Wendax, prompt for save on modified files",
        "Create a new text file",
        "Open an existing file for editing",
        "Save the current file to disk",
        "Print the current file to the selected printer",
        "Undo last changes in steps",
        "Cancel last undo operation in steps",
        "Cut selected text from file",
        "Copy selected text to clipboard",
        "Paste text from clipboard to cursor position",
        "Search for a specific string of text",
        "Continue search",
        "Cascade all editor windows",
        "Tile editor windows vertically",
        "Tile editor windows horizontally",
        "Go to next editor window",
        "Toggle split editor mode",
        "Toggle wordwrap mode",
    };
    return lines;
}

const std::vector<std::pair<const char*, const char*>>& KeyboardHelpRows() {
    static const std::vector<std::pair<const char*, const char*>> rows = {
        {"<Ctrl + D>", "Right"},
        {"<Ctrl + E>", "Up"},
        {"<Ctrl + H>", "Backspace"},
        {"<Ctrl + K><0>", "Set marker 0"},
        {"...", "..."},
        {"<Ctrl + K><9>", "Set marker 9"},
        {"<Ctrl + Q><0>", "Go to marker 0"},
        {"...", "..."},
        {"<Ctrl + Q><9>", "Go to marker 9"},
        {"<Ctrl + Q><D>", "End"},
        {"<Ctrl + Q><S>", "Home"},
        {"<Ctrl + Q><Y>", "Delete to end of line"},
        {"<Ctrl + R>", "Previous page"},
        {"<Ctrl + T>", "Delete word"},
        {"<Ctrl + W>", "Scroll up"},
        {"<Ctrl + X>", "Down"},
        {"<Ctrl + Y>", "Delete line"},
        {"<F2>", "Save"},
        {"<Alt + X>", "Exit Wendax"},
        {"<Alt + BkSpc>", "Undo"},
        {"<Shift + Alt + BkSpc>", "Redo"},
        {"<Shift + Del>", "Cut selected text to clipboard"},
        {"<Ctrl + Ins>", "Copy selected text to clipboard"},
        {"<Shift + Ins>", "Paste text from clipboard"},
        {"<F3>", "Find next"},
    };
    return rows;
}

}  // namespace wendax
