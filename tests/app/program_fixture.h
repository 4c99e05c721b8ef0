// A whole program for tests: the six windows over a settings file in a temporary
// directory, scripted dialogs and fake (or the program's own) editor windows, and a way to
// act inside the program's own modal dialogs while they run.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "app/frame/main_menu.h"
#include "app/program/program_windows.h"
#include "fake_editor_windows.h"
#include "scripted_dialogs.h"

namespace wendax {

// Runs `action` on the next modal dialog once it is open (its event loop running).
void WhenModal(std::function<void(QWidget& dialog)> action);

// The child of `parent` named `name`, failing the test when there is none.
template <class T>
T& Child(QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr) ADD_FAILURE() << "no child " << name;
    return *child;
}

class ProgramTest : public ::testing::Test {
  protected:
    ~ProgramTest() override;

    QString Path(const QString& name) const { return FDir.filePath(name); }
    QString IniPath() const { return Path(QStringLiteral("wendax.ini")); }
    void WriteIni(const QByteArray& text);
    QByteArray SavedIni() const;
    // A file of `lines`, each ended by a line break.
    QString MakeFile(const QString& name, const QByteArray& text = "text\n");

    // Creates the six windows, shows the main window and opens `files`, in fake editor
    // windows unless FRealEditors is set.
    TFM_Main& Start(const QStringList& files = {});
    TFM_Main& Main() const { return FWindows->Main(); }
    TProgramWindows& Windows() const { return *FWindows; }
    QAction& Item(const char* name) const;
    bool Enabled(const char* name) const { return Main().MainMenu().IsEnabled(Item(name)); }
    void Run(const char* item) { Item(item).trigger(); }
    // Opens the menu bar's menu `name` by a click on its title, as the user does.
    QMenu& ClickMenu(const char* name) const;
    // Moves the mouse onto, or clicks, the item of the open `menu` that `item` names.
    static void HoverItem(QMenu& menu, QAction& item);
    static void ClickItem(QMenu& menu, QAction& item);
    // The active editor window, failing the test when there is none.
    TFakeEditorWindow& Active() const;
    // Opens a window on a new file holding `text`.
    TFakeEditorWindow& Open(const QString& name, const QByteArray& text);
    // Closes the frame; the settings file is written.
    void Exit();

    QTemporaryDir FDir;
    TScriptedDialogs FDialogs;
    TFakeEditorWindows FEditors;
    bool FRealEditors = false;
    TRecoveryPlace FRecovery;  // no journals unless a test gives a folder
    std::unique_ptr<TProgramWindows> FWindows;
};

}  // namespace wendax
