// The Search menu's commands on the active pane: Find and Replace through their dialogs,
// Find next with the options of the last Find, Go to line, and their enabling.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "engine/search_options.h"

class QWidget;

namespace wendax {

class TDialogs;
class TEditorWindow;
class TFM_Replace;
class TFM_Search;
class TMainMenu;

class TSearchCommands : public QObject {
    Q_OBJECT
  public:
    using TActiveWindow = std::function<TEditorWindow*()>;

    // Runs the commands of the Search items of `menu` on the pane of `activeWindow`.
    // The dialogs are centred over `main`; messages and the line box go to `dialogs`.
    TSearchCommands(TMainMenu& menu, QWidget& main, TDialogs& dialogs, TActiveWindow activeWindow);

    // The Find and Replace dialogs; until they are set Find and Replace do nothing.
    void SetDialogs(TFM_Search* search, TFM_Replace* replace);

    TEditorSearchOptions FindOptions() const { return FFindOptions; }
    TEditorSearchOptions ReplaceOptions() const { return FReplaceOptions; }

    // With a window: Find, Replace and Go to line while the file has text, Find next
    // also needs a last Find text. All disabled without a window.
    void UpdateMenu();

    void Find();
    void FindNext();
    void Replace();
    // Asks for a line number and moves the caret there; input that is no number or no
    // line of the text is ignored without a message.
    void GotoLine();

  signals:
    // Find or Replace has run and refreshed the Search menu; the speed buttons may follow.
    void SearchMenuUpdated();

  private:
    void Connect(const char* item, void (TSearchCommands::*command)());
    void NotFound(const QString& text);

    TMainMenu& FMenu;
    QWidget& FMain;
    TDialogs& FDialogs;
    TActiveWindow FActiveWindow;
    TFM_Search* FM_Search = nullptr;
    TFM_Replace* FM_Replace = nullptr;
    TEditorSearchOptions FFindOptions = 0;
    TEditorSearchOptions FReplaceOptions = 0;
};

}  // namespace wendax
