// An editor control in its Qt window, as one pane of an editor window: it owns the
// text-file editor and the widget that shows it, and answers the frame's commands through
// TEditorPane.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "app/editor/editor_window.h"
#include "control/text_file_editor.h"

class QWidget;

namespace wendax {

class TOvcController;
class TQtEditorWidget;

class THostedEditor : public TEditorPane {
  public:
    // The editor takes `controller` and then gets its window, a new child of `parent`.
    THostedEditor(QWidget& parent, TOvcController& controller);
    // The editor leaves its window before both go.
    ~THostedEditor() override;
    THostedEditor(const THostedEditor&) = delete;
    THostedEditor& operator=(const THostedEditor&) = delete;

    TOvcTextFileEditor& Editor() const { return *FEditor; }
    // Called after every SaveToFile that wrote the file.
    std::function<void()> OnSaved;
    TQtEditorWidget& Widget() const { return *FWidget; }

    int GetCaretPosition(int& col) const override;
    int CaretCharColumn() const override;
    void SetCaretPosition(int line, int col) override;
    bool Modified() const override;
    bool InsertMode() const override;
    int LineCount() const override;
    int TextLength() const override;
    std::string LineEnds() const override;
    void ToggleLineEnds() override;
    std::string CharSetName() const override;
    void ReadInOtherCharSet() override;
    TCharSetConversion ConvertToOtherCharSet() override;
    bool CanUndo() const override;
    bool CanRedo() const override;
    bool GetSelection(int& line1, int& col1, int& line2, int& col2) const override;
    void Undo() override;
    void Redo() override;
    void CutToClipboard() override;
    void CopyToClipboard() override;
    void PasteFromClipboard() override;
    bool ProcessCommand(int command, int charCode) override;
    void SelectAll(bool caretAtEnd) override;
    int InsertString(const std::string& text) override;
    bool Search(const std::string& text, TEditorSearchOptions options) override;
    int Replace(const std::string& text, const std::string& replacement,
                TEditorSearchOptions options) override;
    std::string FileName() const override;
    void SaveToFile(const std::string& fileName) override;
    bool TakeDiskChange() override;
    std::string GetPrintableLine(int line) const override;
    int PrintableColumn(int line, int col) const override;

  private:
    std::optional<std::string> InTextCharSet(const std::string& utf8) const;
    std::unique_ptr<TOvcTextFileEditor> FEditor;
    TQtEditorWidget* FWidget;  // a child of the parent, deleted with this pane
};

}  // namespace wendax
