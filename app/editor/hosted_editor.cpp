#include "app/editor/hosted_editor.h"

#include <limits>

#include "engine/display_columns.h"
#include "platform/qt/qt_editor_widget.h"

namespace wendax {

THostedEditor::THostedEditor(QWidget& parent, TOvcController& controller)
    : FEditor(std::make_unique<TOvcTextFileEditor>()), FWidget(new TQtEditorWidget(&parent)) {
    FEditor->SetController(&controller);
    FWidget->SetClient(FEditor.get());
    FEditor->AttachWindow(*FWidget);
}

THostedEditor::~THostedEditor() {
    FWidget->SetClient(nullptr);
    FEditor->DetachWindow();
    delete FWidget;
}

int THostedEditor::GetCaretPosition(int& col) const {
    return FEditor->GetCaretPosition(col);
}

void THostedEditor::SetCaretPosition(int line, int col) {
    FEditor->SetCaretPosition(line, col);
}

bool THostedEditor::Modified() const {
    return FEditor->Modified();
}

bool THostedEditor::InsertMode() const {
    return FEditor->InsertMode();
}

int THostedEditor::LineCount() const {
    return FEditor->LineCount();
}

// The status line and the enabling rules only ask whether there is text and how much;
// a text beyond the range of int reads as the largest int.
int THostedEditor::TextLength() const {
    const std::int64_t length = FEditor->TextLength();
    return length > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                    : static_cast<int>(length);
}

std::string THostedEditor::LineEnds() const {
    switch (FEditor->Store().LineEndStyle()) {
        case leCrLf:
            return "CR LF";
        case leCr:
            return "CR";
        default:
            return "LF";
    }
}

void THostedEditor::ToggleLineEnds() {
    FEditor->ConvertLineEnds(FEditor->Store().LineEndStyle() == leLf ? leCrLf : leLf);
}

bool THostedEditor::CanUndo() const {
    return FEditor->CanUndo();
}

bool THostedEditor::CanRedo() const {
    return FEditor->CanRedo();
}

bool THostedEditor::GetSelection(int& line1, int& col1, int& line2, int& col2) const {
    return FEditor->GetSelection(line1, col1, line2, col2);
}

void THostedEditor::Undo() {
    FEditor->Undo();
}

void THostedEditor::Redo() {
    FEditor->Redo();
}

void THostedEditor::CutToClipboard() {
    FEditor->CutToClipboard();
}

void THostedEditor::CopyToClipboard() {
    FEditor->CopyToClipboard();
}

void THostedEditor::PasteFromClipboard() {
    FEditor->PasteFromClipboard();
}

bool THostedEditor::ProcessCommand(int command, int charCode) {
    return FEditor->ProcessCommand(static_cast<TCommandCode>(command),
                                   static_cast<std::uint16_t>(charCode));
}

void THostedEditor::SelectAll(bool caretAtEnd) {
    FEditor->SelectAll(caretAtEnd);
}

int THostedEditor::InsertString(const std::string& text) {
    return FEditor->InsertString(text);
}

bool THostedEditor::Search(const std::string& text, TEditorSearchOptions options) {
    return FEditor->Search(text, options);
}

int THostedEditor::Replace(const std::string& text, const std::string& replacement,
                           TEditorSearchOptions options) {
    return FEditor->Replace(text, replacement, options);
}

std::string THostedEditor::FileName() const {
    return FEditor->FileName();
}

void THostedEditor::SaveToFile(const std::string& fileName) {
    FEditor->SaveToFile(fileName);
    if (OnSaved) OnSaved();
}

bool THostedEditor::TakeDiskChange() {
    if (FEditor->CheckDisk() != dcChanged) return false;
    FEditor->AcceptDiskChange();
    return true;
}

std::string THostedEditor::GetPrintableLine(int line) const {
    return FEditor->GetPrintableLine(line);
}

int THostedEditor::PrintableColumn(int line, int col) const {
    return PosToColumn(FEditor->Store().GetLine(line).Text, col, FEditor->TabSize());
}

}  // namespace wendax
