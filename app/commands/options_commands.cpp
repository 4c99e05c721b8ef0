// The main window's Options menu: the options dialog and the steps that apply it, the
// screen and printer fonts, showing and hiding the bars, and the word-wrap button.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>

#include "app/dialogs/dialogs.h"
#include "app/dialogs/options_dialog.h"
#include "app/frame/desktop_placement.h"
#include "app/frame/main_window.h"
#include "platform/qt/system_colors.h"

namespace wendax {
namespace {

// The font's face, size and style into the settings' fields for one font.
void StoreFont(const QFont& font, std::string& name, int& size, bool& bold, bool& italic) {
    name = font.family().toStdString();
    if (font.pointSizeF() > 0) size = qRound(font.pointSizeF());
    bold = font.bold();
    italic = font.italic();
}

}  // namespace

void TFM_Main::OptionsConfigure() {
    TFM_Options* options = FProgramDialogs.Options;
    if (options == nullptr) return;
    CollectVisibility();
    options->Fill(FSettings, ScreenFont());
    if (!options->ShowCentered(*this)) return;
    const TSettings before = FSettings;
    options->Store(FSettings);
    ApplyOptions(before);
    if (options->CurrentAsFixed()) StoreCurrentPlace(*this, FSettings);
    ApplySettingsToAllEditors();
}

// The dialog's choices, already in the settings, reach the frame in this order: the bars,
// panels and hints; the colours (the window area is repainted only when its colour
// changed); a single editor window maximised when asked for.
void TFM_Main::ApplyOptions(const TSettings& before) {
    ShowPanels();
    FSettings.SFontColor = FSettings.FontColor;
    if (FSettings.ProgramColor != before.ProgramColor) {
        FMdiArea->setBackground(ResolveColor(FSettings.ProgramColor, palette()));
        FMdiArea->viewport()->update();
    }
    MaximizeSingleEditor();
}

void TFM_Main::MaximizeSingleEditor() {
    const QList<QMdiSubWindow*> windows = FMdiArea->subWindowList();
    if (windows.size() == 1 && FSettings.MaxEditor) windows.first()->showMaximized();
}

void TFM_Main::OptionsScreenFont() {
    const auto chosen = FDialogs.ChooseFixedFont(ScreenFont());
    if (!chosen) return;
    StoreFont(*chosen, FSettings.SFontName, FSettings.SFontSize, FSettings.SFontBold,
              FSettings.SFontItalic);
    ApplySettingsToAllEditors();
}

void TFM_Main::OptionsPrinterFont() {
    const auto chosen = FDialogs.ChooseFixedFont(PrinterFont());
    if (!chosen) return;
    StoreFont(*chosen, FSettings.PFontName, FSettings.PFontSize, FSettings.PFontBold,
              FSettings.PFontItalic);
}

void TFM_Main::ToggleSpeedbar() {
    FSpeedbar->setVisible(FSpeedbar->isHidden());
    UpdateOptionsMenu();
}

void TFM_Main::ToggleStatusLine() {
    FStatusLine->setVisible(FStatusLine->isHidden());
    UpdateOptionsMenu();
}

void TFM_Main::WordWrapClicked(bool down) {
    FSettings.EnableWW = down;
    ApplySettingsToAllEditors();
}

}  // namespace wendax
