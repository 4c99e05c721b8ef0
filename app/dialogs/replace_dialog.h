// The Replace dialog: the Find dialog's controls with a replacement text and the buttons
// Replace and Replace all. Created once at start-up and kept for the whole run.
#pragma once

#include <memory>

#include "app/dialogs/program_dialog.h"
#include "app/dialogs/search_controls.h"

class QComboBox;
class QVBoxLayout;

namespace wendax {

class TFM_Replace : public TProgramDialog {
    Q_OBJECT
  public:
    explicit TFM_Replace(QWidget* parent);
    ~TFM_Replace() override;

    // Shows the dialog modally, centred over `main`, with the focus in the search text.
    // On Replace or Replace all both texts are remembered (each moves to the top of its
    // own list) with the button that closed the dialog; false when cancelled.
    bool ShowCentered(const QWidget& main);

    const QString& LastSearchText() const { return FLastSearchText; }
    const QString& LastReplaceText() const { return FLastReplaceText; }
    // The dialog was closed with Replace all rather than Replace.
    bool ReplaceAllChosen() const { return FReplaceAllChosen; }
    // srMatchCase, srWholeWordsOnly, srSelectedText, srBackward, srEntireScope as chosen.
    TEditorSearchOptions ChosenOptions() const { return FOptions->Chosen(); }

  private:
    void AddButtons(QVBoxLayout& layout);

    QComboBox* FSearchText;
    QComboBox* FReplaceText;
    std::unique_ptr<TSearchOptionControls> FOptions;
    QString FLastSearchText;
    QString FLastReplaceText;
    bool FReplaceAllChosen = false;
    bool FReplaceAllClicked = false;
};

}  // namespace wendax
