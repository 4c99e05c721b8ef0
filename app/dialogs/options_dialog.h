// The options dialog: every setting except the fonts and the recent files, on five pages
// (Program, Editor, Desktop, File filters, Colors). Created once at start-up and kept for
// the whole run; it is filled afresh before every use, so a cancelled use leaves nothing.
#pragma once

#include <QFont>
#include <array>

#include "app/dialogs/filter_rows.h"
#include "app/dialogs/program_dialog.h"
#include "app/settings/settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace wendax {

class TDialogs;

class TFM_Options : public TProgramDialog {
    Q_OBJECT
  public:
    // Browse asks `dialogs` for a directory.
    TFM_Options(QWidget* parent, TDialogs& dialogs);

    // Fills every control from `settings` (whose visibility flags and FloatingHints say
    // what is shown now); the sample text shows in `screenFont`.
    void Fill(const TSettings& settings, const QFont& screenFont);

    // Shows the dialog modally, centred over `main`, on its Program page with
    // "Use current position as fixed" off. True when confirmed with Ok.
    bool ShowCentered(const QWidget& main);

    // Writes what the controls say into the fields of `settings` the dialog holds:
    // visibility and hints flags, default directory, editor settings, colours, start-up
    // position style (unchanged when no style is chosen) and the filter list.
    void Store(TSettings& settings) const;
    // "Use current position as fixed" is ticked and the fixed position chosen.
    bool CurrentAsFixed() const;

  private:
    QWidget* BuildProgramPage();
    QWidget* BuildEditorPage();
    QWidget* BuildDesktopPage();
    QWidget* BuildFiltersPage();
    QWidget* BuildColorsPage();
    void BuildButtons(QVBoxLayout& layout);

    void FillProgram(const TSettings& s);
    void FillEditor(const TSettings& s);
    void FillDesktop(const TSettings& s);
    void FillFilters(const TSettings& s);
    void FillColors(const TSettings& s, const QFont& screenFont);
    void StoreFilters(TSettings& s) const;

    // The enabling rules: panel boxes follow the status line box, the wrap controls
    // follow word wrap and wrap to column, the current-position box follows the fixed
    // position.
    void UpdateEnabling();
    void ShowSampleColors();
    void ChooseColor(QComboBox& list, TColor& working, int index);
    void Browse();

    TDialogs& FDialogs;
    QTabWidget* FPages = nullptr;
    // Program page
    QCheckBox* FDispHints = nullptr;
    QCheckBox* FDispSpeedbar = nullptr;
    QCheckBox* FDispStatusLine = nullptr;
    std::array<QCheckBox*, 5> FDispPanels{};  // position, modified, mode, lines, chars
    QLineEdit* FDefaultDir = nullptr;
    // Editor page
    QCheckBox* FEnableWW = nullptr;
    QRadioButton* FWrapToColumn = nullptr;
    QRadioButton* FWrapToWindow = nullptr;
    QLabel* FColumnLabel = nullptr;
    QSpinBox* FWrapAtColumn = nullptr;
    QRadioButton* FSpaceTabs = nullptr;
    QRadioButton* FRealTabs = nullptr;
    QRadioButton* FSmartTabs = nullptr;
    QSpinBox* FTabSize = nullptr;
    QCheckBox* FAutoIndent = nullptr;
    QCheckBox* FMakeBackups = nullptr;
    QCheckBox* FMaxOnlyChild = nullptr;
    QCheckBox* FStripBlanks = nullptr;
    QCheckBox* FOpenEmpty = nullptr;
    QCheckBox* FNewTextUtf8 = nullptr;
    // Desktop page: RestoreStyle 1, 2, 3
    std::array<QRadioButton*, 3> FDesk{};
    QCheckBox* FCurrentAsFixed = nullptr;
    // File filters page
    std::array<QLineEdit*, kFilterRows> FFilterNames{};
    std::array<QLineEdit*, kFilterRows> FFilterMasks{};
    // Colors page and the working colours
    QComboBox* FProgColor = nullptr;
    QComboBox* FEditColor = nullptr;
    QComboBox* FFontColor = nullptr;
    QLabel* FSample = nullptr;
    TColor FProgramColor = 0;
    TColor FEditorColor = 0;
    TColor FFontColorValue = 0;
};

}  // namespace wendax
