#include "app/dialogs/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/commands/file_names.h"
#include "app/dialogs/color_list.h"
#include "app/dialogs/dialogs.h"
#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

constexpr int kTabWidth = 82;

// Sets a group of exclusive radio buttons, also to "none on", which exclusive buttons
// would refuse.
void SetRadios(std::initializer_list<std::pair<QRadioButton*, bool>> buttons) {
    for (const auto& [button, on] : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(on);
    }
    for (const auto& entry : buttons)
        entry.first->setAutoExclusive(true);
}

QString FromText(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

TFM_Options::TFM_Options(QWidget* parent, TDialogs& dialogs)
    : TProgramDialog(parent, "FM_Options", "Options", 532, 309), FDialogs(dialogs) {
    auto* layout = new QVBoxLayout(this);
    FPages = new QTabWidget;
    FPages->setObjectName(QStringLiteral("PC_Options"));
    FPages->setStyleSheet(QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(kTabWidth));
    FPages->addTab(BuildProgramPage(), QStringLiteral("Program"));
    FPages->addTab(BuildEditorPage(), QStringLiteral("Editor"));
    FPages->addTab(BuildDesktopPage(), QStringLiteral("Desktop"));
    FPages->addTab(BuildFiltersPage(), QStringLiteral("File filters"));
    FPages->addTab(BuildColorsPage(), QStringLiteral("Colors"));
    layout->addWidget(FPages);
    BuildButtons(*layout);
}

void TFM_Options::Fill(const TSettings& s, const QFont& screenFont) {
    FillProgram(s);
    FillEditor(s);
    FillDesktop(s);
    FillFilters(s);
    FillColors(s, screenFont);
}

void TFM_Options::FillProgram(const TSettings& s) {
    FDispHints->setChecked(s.FloatingHints);
    FDispSpeedbar->setChecked(s.SpeedbarVisible);
    FDispStatusLine->setChecked(s.StatusLineVisible);
    const bool panels[] = {s.PositionVisible, s.ModifiedVisible, s.ModeVisible, s.LineCountVisible,
                           s.CharCountVisible};
    for (std::size_t i = 0; i < FDispPanels.size(); ++i)
        FDispPanels[i]->setChecked(panels[i]);
    FDefaultDir->setText(FromFileName(s.DefaultDir));
}

void TFM_Options::FillEditor(const TSettings& s) {
    FEnableWW->setChecked(s.EnableWW);
    SetRadios({{FWrapToColumn, s.WrapToColumn}, {FWrapToWindow, s.WrapToWindow}});
    FWrapAtColumn->setValue(s.WrapAtColumn);
    SetRadios({{FSpaceTabs, s.SpaceTabs}, {FRealTabs, s.RealTabs}, {FSmartTabs, s.SmartTabs}});
    FTabSize->setValue(s.TabSize);
    FAutoIndent->setChecked(s.AutoIndent);
    FMakeBackups->setChecked(s.MakeBackups);
    FStripBlanks->setChecked(s.StripBlanks);
    FOpenEmpty->setChecked(s.OpenEmpty);
    FMaxOnlyChild->setChecked(s.MaxEditor);
    FNewTextUtf8->setChecked(s.NewTextUtf8);
}

void TFM_Options::FillDesktop(const TSettings& s) {
    SetRadios({{FDesk[0], s.RestoreStyle == 1},
               {FDesk[1], s.RestoreStyle == 2},
               {FDesk[2], s.RestoreStyle == 3}});
}

void TFM_Options::FillFilters(const TSettings& s) {
    const TFilterRows rows = FilterRows(s.Filter);
    for (int i = 0; i < kFilterRows; ++i) {
        FFilterNames[i]->setText(FromText(rows[i].Name));
        FFilterMasks[i]->setText(FromText(rows[i].Mask));
    }
}

void TFM_Options::FillColors(const TSettings& s, const QFont& screenFont) {
    FEditorColor = s.EditorColor;
    FFontColorValue = s.FontColor;
    FProgramColor = s.ProgramColor;
    FSample->setFont(screenFont);
    FillColorList(*FProgColor, SystemColor(sciAppWorkspace), palette());
    FillColorList(*FEditColor, SystemColor(sciWindow), palette());
    FillColorList(*FFontColor, SystemColor(sciWindowText), palette());
}

bool TFM_Options::ShowCentered(const QWidget& main) {
    CenterOver(main);
    FPages->setCurrentIndex(0);
    UpdateEnabling();
    ShowSampleColors();
    FCurrentAsFixed->setChecked(false);
    SelectColor(*FProgColor, FProgramColor);
    SelectColor(*FEditColor, FEditorColor);
    SelectColor(*FFontColor, FFontColorValue);
    return exec() == QDialog::Accepted;
}

void TFM_Options::UpdateEnabling() {
    for (QCheckBox* box : FDispPanels)
        box->setEnabled(FDispStatusLine->isChecked());
    const bool wrap = FEnableWW->isChecked();
    FWrapToColumn->setEnabled(wrap);
    FWrapToWindow->setEnabled(wrap);
    const bool column = wrap && FWrapToColumn->isChecked();
    FWrapAtColumn->setEnabled(column);
    FColumnLabel->setEnabled(column);
    FCurrentAsFixed->setEnabled(FDesk[2]->isChecked());
}

void TFM_Options::ShowSampleColors() {
    QPalette colors = FSample->palette();
    colors.setColor(QPalette::Window, ResolveColor(FEditorColor, palette()));
    colors.setColor(QPalette::WindowText, ResolveColor(FFontColorValue, palette()));
    FSample->setPalette(colors);
}

// The editor and font lists show their choice in the sample at once; the program list
// shows it only after Ok.
void TFM_Options::ChooseColor(QComboBox& list, TColor& working, int index) {
    working = ColorAt(list, index);
    ShowSampleColors();
}

void TFM_Options::Browse() {
    if (const auto chosen = FDialogs.ChooseDirectory(FDefaultDir->text()))
        FDefaultDir->setText(*chosen);
}

void TFM_Options::Store(TSettings& s) const {
    s.FloatingHints = FDispHints->isChecked();
    s.SpeedbarVisible = FDispSpeedbar->isChecked();
    s.StatusLineVisible = FDispStatusLine->isChecked();
    bool* panels[] = {&s.PositionVisible, &s.ModifiedVisible, &s.ModeVisible, &s.LineCountVisible,
                      &s.CharCountVisible};
    for (std::size_t i = 0; i < FDispPanels.size(); ++i)
        *panels[i] = FDispPanels[i]->isChecked();
    s.FontColor = FFontColorValue;
    s.EditorColor = FEditorColor;
    s.ProgramColor = FProgramColor;
    s.AutoIndent = FAutoIndent->isChecked();
    s.MakeBackups = FMakeBackups->isChecked();
    s.SpaceTabs = FSpaceTabs->isChecked();
    s.RealTabs = FRealTabs->isChecked();
    s.SmartTabs = FSmartTabs->isChecked();
    s.TabSize = FTabSize->value();
    s.StripBlanks = FStripBlanks->isChecked();
    s.EnableWW = FEnableWW->isChecked();
    s.WrapToColumn = FWrapToColumn->isChecked();
    s.WrapToWindow = FWrapToWindow->isChecked();
    s.WrapAtColumn = FWrapAtColumn->value();
    s.OpenEmpty = FOpenEmpty->isChecked();
    s.MaxEditor = FMaxOnlyChild->isChecked();
    s.NewTextUtf8 = FNewTextUtf8->isChecked();
    s.DefaultDir = ToFileName(FDefaultDir->text());
    for (int style = 1; style <= 3; ++style)
        if (FDesk[style - 1]->isChecked()) s.RestoreStyle = style;
    StoreFilters(s);
}

void TFM_Options::StoreFilters(TSettings& s) const {
    TFilterRows rows;
    for (int i = 0; i < kFilterRows; ++i)
        rows[i] = {FFilterNames[i]->text().toStdString(), FFilterMasks[i]->text().toStdString()};
    s.Filter = FilterFromRows(rows);
}

bool TFM_Options::CurrentAsFixed() const {
    return FCurrentAsFixed->isChecked() && FDesk[2]->isChecked();
}

}  // namespace wendax
