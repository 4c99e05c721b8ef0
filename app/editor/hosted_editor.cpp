#include "app/editor/hosted_editor.h"

#include <algorithm>
#include <limits>

#include "engine/char_set.h"
#include "engine/display_columns.h"
#include "engine/eight_bit_table.h"
#include "platform/qt/qt_editor_widget.h"
#include "platform/services.h"

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

// Columns beyond the end of the line are virtual positions, one character each.
int THostedEditor::CaretCharColumn() const {
    std::int32_t col = 0;
    const std::int32_t line = FEditor->GetCaretPosition(col);
    const std::string_view text = FEditor->Store().GetLine(line).Text;
    const std::int32_t inText = std::min(col - 1, static_cast<std::int32_t>(text.size()));
    return CharCount(FEditor->CharSet(), text, 0, inText) + (col - 1 - inText) + 1;
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

std::string THostedEditor::CharSetName() const {
    return FEditor->CharSet() == chUtf8 ? "UTF-8" : "8-bit";
}

void THostedEditor::ReadInOtherCharSet() {
    FEditor->SetCharSet(FEditor->CharSet() == chUtf8 ? chEightBit : chUtf8);
}

TCharSetConversion THostedEditor::ConvertToOtherCharSet() {
    return FEditor->ConvertCharSet(FEditor->CharSet() == chUtf8 ? chEightBit : chUtf8);
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
                                   static_cast<std::uint32_t>(charCode));
}

void THostedEditor::SelectAll(bool caretAtEnd) {
    FEditor->SelectAll(caretAtEnd);
}

int THostedEditor::InsertString(const std::string& text) {
    return FEditor->InsertString(text);
}

// A search text as the text holds it: UTF-8 as it is; in an 8-bit text through the table,
// which has no byte for some characters.
std::optional<std::string> THostedEditor::InTextCharSet(const std::string& utf8) const {
    if (FEditor->CharSet() == chUtf8) return utf8;
    std::string bytes;
    char32_t missing = 0;
    if (!Utf8ToEightBit(utf8, bytes, missing)) return std::nullopt;
    return bytes;
}

// A text that cannot occur in an 8-bit text is not found.
bool THostedEditor::Search(const std::string& text, TEditorSearchOptions options) {
    const std::optional<std::string> pattern = InTextCharSet(text);
    return pattern && FEditor->Search(*pattern, options);
}

int THostedEditor::Replace(const std::string& text, const std::string& replacement,
                           TEditorSearchOptions options) {
    const std::optional<std::string> pattern = InTextCharSet(text);
    const std::optional<std::string> replacing = InTextCharSet(replacement);
    if (!pattern) return -1;
    if (!replacing) {  // a replacement the text cannot hold replaces nothing
        Platform().Beep();
        return 0;
    }
    return FEditor->Replace(*pattern, *replacing, options);
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
    return FEditor->Store().PosToColumn(FEditor->Store().GetLine(line).Text, col);
}

}  // namespace wendax
