#include "app/dialogs/search_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialogs/program_dialog.h"

namespace wendax {
namespace {

QGroupBox& AddGroup(QGridLayout& grid, int row, int column, const char* name, const char* title) {
    auto* group = new QGroupBox(QString::fromLatin1(title));
    group->setObjectName(QString::fromLatin1(name));
    new QVBoxLayout(group);
    grid.addWidget(group, row, column);
    return *group;
}

template <class TButton>
TButton* AddButton(QGroupBox& group, const char* name, const char* caption, const char* hint,
                   bool on) {
    auto* button = new TButton(QString::fromLatin1(caption), &group);
    button->setObjectName(QString::fromLatin1(name));
    button->setChecked(on);
    SetHint(*button, hint);
    group.layout()->addWidget(button);
    return button;
}

}  // namespace

QComboBox& AddTextBox(QDialog& dialog, QGridLayout& grid, int row, const char* labelName,
                      const char* caption, const char* name) {
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setDuplicatesEnabled(true);
    // No completion: it would turn a text typed in other letter case into a remembered
    // one, and take the Enter meant for the default button while the text is selected.
    box->setCompleter(nullptr);
    auto* label = new QLabel(QString::fromLatin1(caption), &dialog);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setBuddy(box);
    grid.addWidget(label, row, 0);
    grid.addWidget(box, row, 1);
    grid.setColumnStretch(1, 1);
    return *box;
}

void RememberText(QComboBox& box, const QString& text) {
    if (text.isEmpty()) return;
    for (int i = box.count() - 1; i >= 0; --i)
        if (box.itemText(i).compare(text, Qt::CaseInsensitive) == 0) box.removeItem(i);
    box.insertItem(0, text);
    box.setCurrentIndex(0);
    box.setEditText(text);
}

TSearchOptionControls::TSearchOptionControls(QGridLayout& grid) {
    QGroupBox& options = AddGroup(grid, 0, 0, "GB_Options", " Options ");
    FMatchCase = AddButton<QCheckBox>(options, "CK_MatchCase", "&Match case",
                                      "Observe text case in search", false);
    FWholeWords = AddButton<QCheckBox>(options, "CK_WholeWords", "&Whole words only",
                                       "Match only whole words", false);
    QGroupBox& direction = AddGroup(grid, 0, 1, "GB_Direction", " Direction ");
    AddButton<QRadioButton>(direction, "RB_Forward", "F&orward", "Search forward from origin",
                            true);
    FBackward = AddButton<QRadioButton>(direction, "RB_Backward", "&Backward",
                                        "Search backward from origin", false);
    QGroupBox& scope = AddGroup(grid, 1, 0, "GB_Scope", " Scope ");
    AddButton<QRadioButton>(scope, "RB_Global", "&Global", "Search entire document", true);
    FSelected = AddButton<QRadioButton>(scope, "RB_Selected", "&Selected text",
                                        "Search only selected text", false);
    QGroupBox& origin = AddGroup(grid, 1, 1, "GB_Origin", " Origin ");
    AddButton<QRadioButton>(origin, "RB_Cursor", "From c&ursor", "Start search from cursor", true);
    FScope = AddButton<QRadioButton>(origin, "RB_Scope", "&Entire scope",
                                     "Search entire scope ignoring cursor", false);
}

TEditorSearchOptions TSearchOptionControls::Chosen() const {
    TEditorSearchOptions options = 0;
    if (FMatchCase->isChecked()) options |= srMatchCase;
    if (FWholeWords->isChecked()) options |= srWholeWordsOnly;
    if (FSelected->isChecked()) options |= srSelectedText;
    if (FBackward->isChecked()) options |= srBackward;
    if (FScope->isChecked()) options |= srEntireScope;
    return options;
}

}  // namespace wendax
