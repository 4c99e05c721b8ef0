#include "demo_window.h"

#include <exception>

#include <QLabel>
#include <QStatusBar>

#include "control/main_command_tables.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {

// The editor is set up like the application's: its command tables, a bar caret along the
// bottom of the cell for inserting and a block for overwriting, Tab typed into the text.
TDemoWindow::TDemoWindow(const std::string& fileName)
    : FWidget(new TQtEditorWidget(this)), FStatus(new QLabel(this)) {
    LoadMainCommandTables(FController.EntryCommands());
    FEditor.SetController(&FController);
    FEditor.SetTrimWhiteSpace(false);
    FEditor.SetWantTab(true);
    FEditor.CaretIns().SetShape(csHorzLine);
    FEditor.OnShowStatus = [this](TOvcCustomEditor&, std::int32_t line, std::int32_t column) {
        ShowStatus(line, column);
    };
    FWidget->SetClient(&FEditor);
    FEditor.AttachWindow(*FWidget);
    setCentralWidget(FWidget);
    statusBar()->addWidget(FStatus);
    resize(800, 560);
    if (!fileName.empty()) Load(fileName);
    FWidget->setFocus();
}

// The window goes before the editor, so the editor must let go of it first.
TDemoWindow::~TDemoWindow() {
    FWidget->SetClient(nullptr);
    FEditor.DetachWindow();
}

void TDemoWindow::Load(const std::string& fileName) {
    setWindowTitle(QString::fromLocal8Bit(fileName.c_str()));
    try {
        FEditor.LoadFromFile(fileName);
    } catch (const std::exception& e) {
        FStatus->setText(QString::fromLocal8Bit(e.what()));
    }
}

void TDemoWindow::ShowStatus(std::int32_t line, std::int32_t column) {
    FStatus->setText(QStringLiteral("Ln: %1  Col: %2  Lines: %3%4")
                         .arg(line)
                         .arg(column)
                         .arg(FEditor.LineCount())
                         .arg(FEditor.InsertMode() ? QString() : QStringLiteral("  Overwrite")));
}

}  // namespace wendax
