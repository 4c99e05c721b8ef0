#include "fake_editor_windows.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cctype>

#include "app/commands/file_names.h"
#include "app/editor/window_caption.h"
#include "base/command_codes.h"
#include "engine/display_columns.h"

namespace wendax {
namespace {

std::vector<std::string> ReadLines(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return {std::string()};
    std::vector<std::string> lines;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        lines.push_back(line.toStdString());
    }
    return lines;
}

std::string Folded(std::string text, bool matchCase) {
    if (!matchCase)
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

}  // namespace

void TFakeEditorPane::Select(int line1, int col1, int line2, int col2) {
    FSelected = true;
    FSelection[0] = line1;
    FSelection[1] = col1;
    FSelection[2] = line2;
    FSelection[3] = col2;
}

int TFakeEditorPane::GetCaretPosition(int& col) const {
    col = CaretCol;
    return CaretLine;
}

void TFakeEditorPane::SetCaretPosition(int line, int col) {
    if (line < 1 || line > LineCount() || col < 1) throw std::out_of_range("line");
    Calls.push_back("Caret " + std::to_string(line) + "," + std::to_string(col));
    CaretLine = line;
    CaretCol = col;
    FSelected = false;
}

int TFakeEditorPane::TextLength() const {
    int length = 2 * (LineCount() - 1);
    for (const std::string& line : Text->Lines)
        length += static_cast<int>(line.size());
    return length;
}

bool TFakeEditorPane::GetSelection(int& line1, int& col1, int& line2, int& col2) const {
    if (!FSelected) return false;
    line1 = FSelection[0];
    col1 = FSelection[1];
    line2 = FSelection[2];
    col2 = FSelection[3];
    return true;
}

bool TFakeEditorPane::ProcessCommand(int command, int) {
    Calls.push_back(command == ccDel ? "Del" : "Command " + std::to_string(command));
    return true;
}

void TFakeEditorPane::SelectAll(bool) {
    Calls.push_back("SelectAll");
    Select(1, 1, LineCount(), static_cast<int>(Text->Lines.back().size()) + 1);
}

int TFakeEditorPane::InsertString(const std::string& text) {
    Calls.push_back("Insert " + text);
    std::string& line = Text->Lines[CaretLine - 1];
    line.insert(std::min<std::size_t>(CaretCol - 1, line.size()), text);
    CaretCol += static_cast<int>(text.size());
    Text->Modified = true;
    return 0;
}

bool TFakeEditorPane::Search(const std::string& text, TEditorSearchOptions options) {
    Calls.push_back("Search " + text + " " + std::to_string(options));
    const bool matchCase = (options & srMatchCase) != 0;
    for (const std::string& line : Text->Lines)
        if (Folded(line, matchCase).find(Folded(text, matchCase)) != std::string::npos) return true;
    return text.empty();
}

int TFakeEditorPane::Replace(const std::string& text, const std::string& replacement,
                             TEditorSearchOptions options) {
    Calls.push_back("Replace " + text + " " + replacement + " " + std::to_string(options));
    int count = 0;
    for (std::string& line : Text->Lines)
        for (std::size_t at = line.find(text); at != std::string::npos && !text.empty();
             at = line.find(text, at + replacement.size())) {
            line.replace(at, text.size(), replacement);
            ++count;
            if ((options & srReplaceAll) == 0) return 1;
        }
    return count == 0 ? -1 : count;
}

void TFakeEditorPane::SaveToFile(const std::string& fileName) {
    Calls.push_back("Save " + fileName);
    Text->Modified = false;
}

std::string TFakeEditorPane::GetPrintableLine(int line) const {
    std::string expanded;
    for (const char c : Text->Lines.at(line - 1))
        if (c == '\t')
            expanded.append(AdvanceColumn(static_cast<int>(expanded.size()), c, Text->TabSize) -
                                expanded.size(),
                            ' ');
        else
            expanded += c;
    return expanded;
}

int TFakeEditorPane::PrintableColumn(int line, int col) const {
    return PosToColumn(chEightBit, Text->Lines.at(line - 1), col, Text->TabSize);
}

TFakeEditorWindow::TFakeEditorWindow(std::vector<std::string> lines)
    : FEditor1(std::make_shared<TFakeText>()) {
    FEditor1.Text->Lines = std::move(lines);
}

void TFakeEditorWindow::SetFileName(const std::string& fileName) {
    FEditor1.Name = fileName;
    if (parentWidget() != nullptr) parentWidget()->setWindowTitle(FromFileName(fileName));
}

TEditorPane& TFakeEditorWindow::ActiveEditor() {
    return FActive == 2 && FSecond ? static_cast<TEditorPane&>(*FSecond) : FEditor1;
}

void TFakeEditorWindow::ToggleSplit() {
    if (FSecond)
        FSecond.reset();
    else
        FSecond = std::make_unique<TFakeEditorPane>(FEditor1.Text);
    FActive = 1;
}

bool TFakeEditorWindows::CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew,
                                            QString& /*refusal*/) {
    Created.emplace_back(fileName, isNew);
    if (!isNew && !QFileInfo(fileName).isFile()) return false;
    auto* editor = new TFakeEditorWindow(isNew ? std::vector<std::string>{std::string()}
                                               : ReadLines(fileName));
    editor->Pane1().Name = ToFileName(fileName);
    QMdiSubWindow* window = area.addSubWindow(editor);
    window->setWindowTitle(fileName);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    area.setActiveSubWindow(window);
    return true;
}

bool TFakeEditorWindows::CloseQuery(QMdiSubWindow& window) {
    Queried << window.windowTitle();
    return !Refuse.contains(window.windowTitle());
}

TEditorWindow* TFakeEditorWindows::WindowOf(QMdiSubWindow& window) {
    return dynamic_cast<TFakeEditorWindow*>(window.widget());
}

QStringList Captions(QMdiArea& area) {
    QStringList captions;
    const QList<QMdiSubWindow*> windows = area.subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.crbegin(); window != windows.crend(); ++window)
        captions << CaptionOfTitle((*window)->windowTitle());
    return captions;
}

TFakeEditorWindow& FakeWindow(QMdiSubWindow& window) {
    return *dynamic_cast<TFakeEditorWindow*>(window.widget());
}

}  // namespace wendax
