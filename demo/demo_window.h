// The demo's window: one editor control over a text file in a Qt window, with the
// application's command tables and a status line showing the caret's place. For trying
// the control by hand and for screenshots; it is not the application.
#pragma once

#include <string>

#include <QMainWindow>

#include "control/controller.h"
#include "control/text_file_editor.h"

class QLabel;

namespace wendax {

class TQtEditorWidget;

class TDemoWindow : public QMainWindow {
  public:
    // Loads `fileName` when it is not empty; a failure shows in the status line.
    explicit TDemoWindow(const std::string& fileName);
    ~TDemoWindow() override;

    TOvcTextFileEditor& Editor() { return FEditor; }
    TQtEditorWidget& EditorWidget() { return *FWidget; }

  private:
    void Load(const std::string& fileName);
    void ShowStatus(std::int32_t line, std::int32_t column);

    TOvcController FController;
    TOvcTextFileEditor FEditor;
    TQtEditorWidget* FWidget;  // owned by the window
    QLabel* FStatus;           // owned by the status bar
};

}  // namespace wendax
