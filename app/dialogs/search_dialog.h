// The Find dialog. Created once at start-up and kept for the whole run, so its controls
// keep their last state between uses.
#pragma once

#include <memory>

#include "app/dialogs/program_dialog.h"
#include "app/dialogs/search_controls.h"

class QComboBox;

namespace wendax {

class TFM_Search : public TProgramDialog {
    Q_OBJECT
  public:
    explicit TFM_Search(QWidget* parent);
    ~TFM_Search() override;

    // Shows the dialog modally, centred over `main`, with the focus in the text box.
    // On Find the text becomes LastFindText and moves to the top of the box's list (an
    // empty text too is confirmed); false when cancelled.
    bool ShowCentered(const QWidget& main);

    const QString& LastFindText() const { return FLastFindText; }
    // srMatchCase, srWholeWordsOnly, srSelectedText, srBackward, srEntireScope as chosen.
    TEditorSearchOptions ChosenOptions() const { return FOptions->Chosen(); }

  private:
    QComboBox* FSearchText;
    std::unique_ptr<TSearchOptionControls> FOptions;
    QString FLastFindText;
};

}  // namespace wendax
