// The program with its own editor windows (TFM_Editor), for tests of the editor windows
// and of the commands that act on real editors.
#pragma once

#include <QMdiArea>
#include <string>

#include "app/editor/editor_form.h"
#include "program_fixture.h"

namespace wendax {

class EditorProgramTest : public ProgramTest {
  protected:
    EditorProgramTest() { FRealEditors = true; }

    // The active editor window, failing the test when there is none.
    TFM_Editor& Form() const;
    // The editor window captioned `caption`, failing the test when there is none.
    TFM_Editor& FormNamed(const QString& caption) const;
    TOvcTextFileEditor& Editor1() const { return Form().Pane1().Editor(); }
    // The captions of the editor windows, topmost first.
    QStringList Captions() const;
    // Gives the active editor window a client area of `width` by `height`.
    void SetClientSize(int width, int height);
    QByteArray FileBytes(const QString& name) const;
    // Lets posted events (the editors' status reports, closed windows) arrive.
    static void Settle();
};

// The paragraphs of the editor's text, each followed by a line feed but the last.
std::string TextOf(TOvcCustomEditor& editor);

}  // namespace wendax
