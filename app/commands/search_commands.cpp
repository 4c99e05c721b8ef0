#include "app/commands/search_commands.h"

#include <QAction>

#include "app/commands/line_number.h"
#include "app/dialogs/dialogs.h"
#include "app/dialogs/replace_dialog.h"
#include "app/dialogs/search_dialog.h"
#include "app/editor/editor_window.h"
#include "app/frame/main_menu.h"

namespace wendax {
namespace {

// The editors take search texts as UTF-8 and put them into their text's character set.
std::string ToText(const QString& text) {
    return text.toUtf8().toStdString();
}

}  // namespace

TSearchCommands::TSearchCommands(TMainMenu& menu, QWidget& main, TDialogs& dialogs,
                                 TActiveWindow activeWindow)
    : QObject(&menu),
      FMenu(menu),
      FMain(main),
      FDialogs(dialogs),
      FActiveWindow(std::move(activeWindow)) {
    Connect("MI_SearchFind", &TSearchCommands::Find);
    Connect("MI_SearchFindNext1", &TSearchCommands::FindNext);
    Connect("MI_SearchReplace", &TSearchCommands::Replace);
    Connect("MI_SearchGotoLine", &TSearchCommands::GotoLine);
}

void TSearchCommands::Connect(const char* item, void (TSearchCommands::*command)()) {
    connect(FMenu.Item(QString::fromLatin1(item)), &QAction::triggered, this, command);
}

void TSearchCommands::SetDialogs(TFM_Search* search, TFM_Replace* replace) {
    FM_Search = search;
    FM_Replace = replace;
}

void TSearchCommands::UpdateMenu() {
    TEditorWindow* window = FActiveWindow();
    const bool hasText = window != nullptr && window->Editor1().TextLength() > 0;
    const bool hasFindText = FM_Search != nullptr && !FM_Search->LastFindText().isEmpty();
    FMenu.Item(QStringLiteral("MI_SearchFind"))->setEnabled(hasText);
    FMenu.Item(QStringLiteral("MI_SearchReplace"))->setEnabled(hasText);
    FMenu.Item(QStringLiteral("MI_SearchGotoLine"))->setEnabled(hasText);
    FMenu.Item(QStringLiteral("MI_SearchFindNext1"))->setEnabled(hasText && hasFindText);
}

void TSearchCommands::Find() {
    TEditorWindow* window = FActiveWindow();
    if (window != nullptr && FM_Search != nullptr && FM_Search->ShowCentered(FMain)) {
        FFindOptions = srFind | FM_Search->ChosenOptions();
        const QString& text = FM_Search->LastFindText();
        if (!window->ActiveEditor().Search(ToText(text), FFindOptions)) NotFound(text);
    }
    UpdateMenu();
    emit SearchMenuUpdated();
}

void TSearchCommands::FindNext() {
    TEditorWindow* window = FActiveWindow();
    if (window == nullptr || FM_Search == nullptr) return;
    FFindOptions &= static_cast<TEditorSearchOptions>(~(srReplace | srReplaceAll));
    const QString& text = FM_Search->LastFindText();
    if (!window->ActiveEditor().Search(ToText(text), FFindOptions)) NotFound(text);
}

void TSearchCommands::Replace() {
    TEditorWindow* window = FActiveWindow();
    if (window != nullptr && FM_Replace != nullptr && FM_Replace->ShowCentered(FMain)) {
        FReplaceOptions = (FM_Replace->ReplaceAllChosen() ? srReplaceAll : srReplace) |
                          FM_Replace->ChosenOptions();
        const QString& text = FM_Replace->LastSearchText();
        const int result = window->ActiveEditor().Replace(
            ToText(text), ToText(FM_Replace->LastReplaceText()), FReplaceOptions);
        if (result == -1) NotFound(text);
    }
    UpdateMenu();
    emit SearchMenuUpdated();
}

void TSearchCommands::GotoLine() {
    TEditorWindow* window = FActiveWindow();
    if (window == nullptr) return;
    TEditorPane& editor = window->ActiveEditor();
    const auto answer = FDialogs.InputText(
        TInputRequest{QStringLiteral("Go to Line Number"),
                      QStringLiteral("Enter Line Number (1 to %1)").arg(editor.LineCount()),
                      QStringLiteral("1")});
    if (!answer) return;
    const auto line = ParseLineNumber(answer->toStdString());
    if (line && *line >= 1 && *line <= editor.LineCount()) editor.SetCaretPosition(*line, 1);
}

void TSearchCommands::NotFound(const QString& text) {
    ShowMessage(FDialogs, mkInformation,
                QStringLiteral("Search string '") + text + QStringLiteral("' not found"));
}

}  // namespace wendax
