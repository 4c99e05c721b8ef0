#include "app/commands/edit_commands.h"

#include <QAction>
#include <QLocale>

#include "app/commands/time_date.h"
#include "app/dialogs/dialogs.h"
#include "app/editor/editor_error_texts.h"
#include "app/editor/editor_window.h"
#include "app/frame/main_menu.h"
#include "base/command_codes.h"
#include "platform/services.h"

namespace wendax {

TEditCommands::TEditCommands(TMainMenu& menu, TDialogs& dialogs, TActiveWindow activeWindow)
    : QObject(&menu), FMenu(menu), FDialogs(dialogs), FActiveWindow(std::move(activeWindow)) {
    FClock = [] { return QDateTime::currentDateTime(); };
    Connect("MI_EditUndo1", &TEditCommands::Undo);
    Connect("MI_EditRedo1", &TEditCommands::Redo);
    Connect("MI_EditCut1", &TEditCommands::Cut);
    Connect("MI_EditCopy1", &TEditCommands::Copy);
    Connect("MI_EditPaste1", &TEditCommands::Paste);
    Connect("MI_EditDelete", &TEditCommands::Delete);
    Connect("MI_EditSelectAll", &TEditCommands::SelectAll);
    Connect("MI_EditTimeDate", &TEditCommands::TimeDate);
    Connect("MI_EditLineEnds", &TEditCommands::LineEnds);
    Connect("MI_EditCharSet", &TEditCommands::ReadCharSet);
    Connect("MI_EditConvertCharSet", &TEditCommands::ConvertCharSet);
}

void TEditCommands::Connect(const char* item, void (TEditCommands::*command)()) {
    connect(FMenu.Item(QString::fromLatin1(item)), &QAction::triggered, this, command);
}

void TEditCommands::Enable(const char* item, bool enabled) {
    FMenu.Item(QString::fromLatin1(item))->setEnabled(enabled);
}

void TEditCommands::UpdateMenu() {
    TEditorWindow* window = FActiveWindow();
    bool canUndo = false, canRedo = false, selected = false, hasText = false;
    if (window != nullptr) {
        const TEditorPane& editor = window->ActiveEditor();
        int line1 = 0, col1 = 0, line2 = 0, col2 = 0;
        canUndo = editor.CanUndo();
        canRedo = editor.CanRedo();
        selected = editor.GetSelection(line1, col1, line2, col2);
        hasText = window->Editor1().TextLength() > 0;
    }
    Enable("MI_EditUndo1", canUndo);
    Enable("MI_EditRedo1", canRedo);
    Enable("MI_EditCut1", selected);
    Enable("MI_EditCopy1", selected);
    Enable("MI_EditPaste1", window != nullptr && ClipboardHasText());
    Enable("MI_EditDelete", hasText);
    Enable("MI_EditSelectAll", hasText);
    Enable("MI_EditTimeDate", window != nullptr);
    Enable("MI_EditLineEnds", window != nullptr);
    Enable("MI_EditCharSet", window != nullptr);
    Enable("MI_EditConvertCharSet", window != nullptr);
}

void TEditCommands::Undo() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().Undo();
}

void TEditCommands::Redo() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().Redo();
}

void TEditCommands::Cut() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().CutToClipboard();
}

void TEditCommands::Copy() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().CopyToClipboard();
}

void TEditCommands::Paste() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().PasteFromClipboard();
}

void TEditCommands::Delete() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().ProcessCommand(ccDel, 0);
}

void TEditCommands::SelectAll() {
    TEditorWindow* window = FActiveWindow();
    if (window != nullptr && window->ActiveEditor().LineCount() != -1)
        window->ActiveEditor().SelectAll(false);
}

void TEditCommands::TimeDate() {
    if (TEditorWindow* window = FActiveWindow())
        window->ActiveEditor().InsertString(TimeDateText(FClock()));
}

void TEditCommands::LineEnds() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().ToggleLineEnds();
}

void TEditCommands::ReadCharSet() {
    if (TEditorWindow* window = FActiveWindow()) window->ActiveEditor().ReadInOtherCharSet();
}

void TEditCommands::ConvertCharSet() {
    TEditorWindow* window = FActiveWindow();
    if (window == nullptr) return;
    const TCharSetConversion result = window->ActiveEditor().ConvertToOtherCharSet();
    if (const std::optional<std::string> text = CharSetRefusalText(result))
        ShowMessage(FDialogs, result.Error != eeOk ? mkError : mkWarning,
                    QString::fromStdString(*text));
}

std::string TimeDateText(const QDateTime& time) {
    const QLocale locale;
    const char timeSeparator =
        PatternSeparator(locale.timeFormat(QLocale::ShortFormat).toStdString(), ':');
    const char dateSeparator =
        PatternSeparator(locale.dateFormat(QLocale::ShortFormat).toStdString(), '/');
    const QDate date = time.date();
    const QTime clock = time.time();
    return TimeDateText(
        TLocalTime{date.year(), date.month(), date.day(), clock.hour(), clock.minute()},
        timeSeparator, dateSeparator);
}

bool ClipboardHasText() {
    return Platform().ClipboardHasText();
}

}  // namespace wendax
