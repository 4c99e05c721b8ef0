// Editor windows for frame tests: a plain model of a text stands in for the editor. A
// file that does not exist fails to load; every creation and close query is recorded.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/editor/editor_window.h"
#include "app/editor/editor_windows.h"
#include "app/settings/settings.h"

class QMdiSubWindow;

namespace wendax {

// The text both panes of a window show: one display line per paragraph (no wrap).
struct TFakeText {
    std::vector<std::string> Lines{std::string()};
    bool Modified = false;
    bool CanUndo = false;
    bool CanRedo = false;
    int TabSize = 8;
    bool CrLf = false;
    bool Utf8 = true;
};

// One pane: its own caret and highlight over the shared text. Every command is recorded
// by name in Calls ("Undo", "Del", "Insert 3:07 PM 12/7/26", "Search abc 5",
// "Save name" ...).
class TFakeEditorPane : public TEditorPane {
  public:
    explicit TFakeEditorPane(std::shared_ptr<TFakeText> text) : Text(std::move(text)) {}

    void Select(int line1, int col1, int line2, int col2);
    void Deselect() { FSelected = false; }

    int GetCaretPosition(int& col) const override;
    int CaretCharColumn() const override { return CaretCol; }
    void SetCaretPosition(int line, int col) override;
    bool Modified() const override { return Text->Modified; }
    bool InsertMode() const override { return Insert; }
    int LineCount() const override { return static_cast<int>(Text->Lines.size()); }
    int TextLength() const override;
    std::string LineEnds() const override { return Text->CrLf ? "CR LF" : "LF"; }
    void ToggleLineEnds() override { Text->CrLf = !Text->CrLf; }
    std::string CharSetName() const override { return Text->Utf8 ? "UTF-8" : "8-bit"; }
    void ReadInOtherCharSet() override { Text->Utf8 = !Text->Utf8; }
    TCharSetConversion ConvertToOtherCharSet() override {
        Calls.push_back("ConvertToOtherCharSet");
        Text->Utf8 = !Text->Utf8;
        return {.Converted = true};
    }
    bool TakeDiskChange() override { return false; }
    bool CanUndo() const override { return Text->CanUndo; }
    bool CanRedo() const override { return Text->CanRedo; }
    bool GetSelection(int& line1, int& col1, int& line2, int& col2) const override;
    void Undo() override { Calls.push_back("Undo"); }
    void Redo() override { Calls.push_back("Redo"); }
    void CutToClipboard() override { Calls.push_back("Cut"); }
    void CopyToClipboard() override { Calls.push_back("Copy"); }
    void PasteFromClipboard() override { Calls.push_back("Paste"); }
    bool ProcessCommand(int command, int charCode) override;
    void SelectAll(bool caretAtEnd) override;
    int InsertString(const std::string& text) override;
    // Found when the text occurs anywhere (letter case as the options say).
    bool Search(const std::string& text, TEditorSearchOptions options) override;
    // Replaces the first occurrence at once, or all with srReplaceAll (an empty
    // replacement deletes); -1 when there is none. Unlike a real editor, which replaces
    // one occurrence only once it is highlighted.
    int Replace(const std::string& text, const std::string& replacement,
                TEditorSearchOptions options) override;
    std::string FileName() const override { return Name; }
    // Clears Modified; nothing is written.
    void SaveToFile(const std::string& fileName) override;
    std::string GetPrintableLine(int line) const override;
    int PrintableColumn(int line, int col) const override;

    std::shared_ptr<TFakeText> Text;
    std::string Name;
    bool Insert = true;
    int CaretLine = 1;
    int CaretCol = 1;
    std::vector<std::string> Calls;

  private:
    bool FSelected = false;
    int FSelection[4] = {};
};

class TFakeEditorWindow : public QPlainTextEdit, public TEditorWindow {
  public:
    explicit TFakeEditorWindow(std::vector<std::string> lines);

    TEditorPane& Editor1() override { return FEditor1; }
    TEditorPane& ActiveEditor() override;
    bool IsSplit() const override { return FSecond != nullptr; }
    void ToggleSplit() override;
    void ApplySettings(const TSettings& settings) override { Applied.push_back(settings); }
    void SetFileName(const std::string& fileName) override;
    // Recorded in Editor1's calls as "Revert".
    void Revert() override { FEditor1.Calls.push_back("Revert"); }

    TFakeEditorPane& Pane1() { return FEditor1; }
    // The second pane while split.
    TFakeEditorPane* Pane2() { return FSecond.get(); }
    // Which pane last had the focus: 1 or 2.
    void Focus(int pane) { FActive = pane; }

    std::vector<TSettings> Applied;  // every ApplySettings, in order

  private:
    TFakeEditorPane FEditor1;
    std::unique_ptr<TFakeEditorPane> FSecond;
    int FActive = 1;
};

class TFakeEditorWindows : public TEditorWindows {
  public:
    bool CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                            QString& refusal) override;
    bool CloseQuery(QMdiSubWindow& window) override;
    TEditorWindow* WindowOf(QMdiSubWindow& window) override;

    std::vector<std::pair<QString, bool>> Created;  // file name, isNew
    QStringList Queried;                            // captions asked by CloseQuery, in order
    QStringList Refuse;                             // captions whose close query answers no
};

// The captions of the MDI children, topmost first.
QStringList Captions(QMdiArea& area);

// The fake window of an MDI child.
TFakeEditorWindow& FakeWindow(QMdiSubWindow& window);

}  // namespace wendax
