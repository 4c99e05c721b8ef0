// The Edit menu's commands on the active pane of the active editor window: undo, redo,
// cut, copy, paste, delete, select all, time/date, the line-end conversion and reading the
// text in the other character set, with their enabling.
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>

namespace wendax {

class TDialogs;
class TEditorWindow;
class TMainMenu;

class TEditCommands : public QObject {
    Q_OBJECT
  public:
    using TActiveWindow = std::function<TEditorWindow*()>;
    using TClock = std::function<QDateTime()>;

    // Runs the commands of the Edit items of `menu` on the pane of `activeWindow`
    // (nothing without a window), telling through `dialogs` why a text was not converted.
    TEditCommands(TMainMenu& menu, TDialogs& dialogs, TActiveWindow activeWindow);

    // The clock Time/Date reads; the local time unless replaced.
    void SetClock(TClock clock) { FClock = std::move(clock); }

    // Undo and Redo as the pane can, Cut and Copy while something is highlighted, Paste
    // while the clipboard holds text, Delete and Select All while the file has text,
    // Time/Date, Line ends, Read as and Convert with any window; all disabled without a
    // window.
    void UpdateMenu();

    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void Delete();
    void SelectAll();
    void TimeDate();
    void LineEnds();
    void ReadCharSet();
    // Converts the text into the other character set; a refusal shows its reason.
    void ConvertCharSet();

  private:
    void Connect(const char* item, void (TEditCommands::*command)());
    void Enable(const char* item, bool enabled);

    TMainMenu& FMenu;
    TDialogs& FDialogs;
    TActiveWindow FActiveWindow;
    TClock FClock;
};

// The text Time/Date inserts for `time`, with the time and date separators of the
// default locale.
std::string TimeDateText(const QDateTime& time);

// Whether the system clipboard holds text the editors can paste.
bool ClipboardHasText();

}  // namespace wendax
