// What the Find and Replace dialogs share: the text boxes with their remembered lists and
// the four groups of search options.
#pragma once

#include <QString>

#include "engine/search_options.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QRadioButton;

namespace wendax {

// An editable text box with a drop-down list, named `name`, and its label `caption`
// (whose access key focuses the box), added as row `row` of `grid`.
QComboBox& AddTextBox(QDialog& dialog, QGridLayout& grid, int row, const char* labelName,
                      const char* caption, const char* name);

// Puts a confirmed `text` at the top of the box's list: an entry equal to it apart from
// letter case leaves the list first, and the box keeps showing `text`. An empty text
// changes nothing.
void RememberText(QComboBox& box, const QString& text);

// The option groups: match case and whole words, direction, scope and origin.
class TSearchOptionControls {
  public:
    // Adds the four groups to `grid` as two rows of two.
    explicit TSearchOptionControls(QGridLayout& grid);

    // The flags the controls choose: srMatchCase, srWholeWordsOnly, srSelectedText,
    // srBackward and srEntireScope.
    TEditorSearchOptions Chosen() const;

  private:
    QCheckBox* FMatchCase;
    QCheckBox* FWholeWords;
    QRadioButton* FBackward;
    QRadioButton* FSelected;
    QRadioButton* FScope;
};

}  // namespace wendax
