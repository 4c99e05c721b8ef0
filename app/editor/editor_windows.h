// What the editor windows give the main window. The main window owns the MDI area and
// the steps around opening a file (messages, recent files, untitled numbers); the
// editor windows create, load and question their own MDI children.
#pragma once

#include <QString>

class QMdiArea;
class QMdiSubWindow;

namespace wendax {

class TEditorWindow;

class TEditorWindows {
  public:
    virtual ~TEditorWindows() = default;

    // Creates an editor window in `area`, captioned `fileName`, and activates it; with
    // `isNew` it starts with an empty text, otherwise it loads the file. False when
    // loading failed; that window is then closed again and nothing is reported. `refusal`
    // receives why a file was refused as no text file ("contains a NUL byte at offset 3;
    // it is not a text file"; words that follow "it"), and stays empty on other failures.
    virtual bool CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                                    QString& refusal) = 0;

    // Asks whether `window` may close (a modified file asks the user) without closing it.
    virtual bool CloseQuery(QMdiSubWindow& window) = 0;

    // The editor window `window` holds, or nullptr when it holds none.
    virtual TEditorWindow* WindowOf(QMdiSubWindow& window) = 0;

    // Offers, one by one, the unsaved texts that earlier runs of the program left behind
    // when they ended without closing their windows; each recovered text gets a window in
    // `area`. Editor windows that keep no such texts offer none.
    virtual void RecoverUnsavedTexts(QMdiArea& /*area*/) {}
};

}  // namespace wendax
