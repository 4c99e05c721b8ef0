// Every setting the program keeps between runs, with its default, and how the settings
// move between these fields and the settings file.
#pragma once

#include <string>
#include <vector>

#include "app/settings/ini_file.h"
#include "platform/geometry.h"

namespace wendax {

// Fields are named exactly as their keys in the settings file.
struct TSettings {
    // [Program]
    bool SpeedbarVisible = true;
    bool StatusLineVisible = true;
    bool PositionVisible = true;
    bool ModifiedVisible = true;
    bool ModeVisible = true;
    bool LineCountVisible = true;
    bool CharCountVisible = true;
    bool FloatingHints = true;
    std::string DefaultDir;  // its default depends on where the program is
    std::string Filter = "All files|*.*|Text files|*.txt|";

    // [Colors]
    TColor FontColor = SystemColor(sciWindowText);
    TColor ProgramColor = SystemColor(sciAppWorkspace);
    TColor EditorColor = SystemColor(sciWindow);

    // [Editor]
    bool AutoIndent = false;
    bool MakeBackups = true;
    bool SpaceTabs = true;
    bool RealTabs = false;
    bool SmartTabs = false;
    int TabSize = 8;
    bool StripBlanks = false;
    bool EnableWW = false;
    bool WrapToColumn = true;
    bool WrapToWindow = false;
    int WrapAtColumn = 80;
    bool OpenEmpty = false;
    bool MaxEditor = false;
    bool NewTextUtf8 = true;  // a new text is UTF-8, else 8-bit

    // [Desktop]
    int RestoreStyle = 1;  // 1 system places the frame, 2 last run's place, 3 fixed place
    int ScrnTop = 10;
    int ScrnLeft = 10;
    int ScrnHeight = 350;
    int ScrnWidth = 600;
    bool ScrnMax = false;

    // [Font]
    std::string SFontName = "Fixedsys";
    int SFontSize = 11;  // points
    bool SFontBold = false;
    bool SFontItalic = false;
    TColor SFontColor = SystemColor(sciWindowText);  // written, never read
    std::string PFontName = "Fixedsys";
    int PFontSize = 11;
    bool PFontBold = false;
    bool PFontItalic = false;

    // [History] Lastfile0 .. Lastfile4: recent files, most recent first.
    std::vector<std::string> History;

    friend bool operator==(const TSettings&, const TSettings&) = default;
};

inline constexpr int kHistoryKeys = 5;

// Reads every key in the file's order of keys; missing or unreadable values give the
// defaults, `defaultDir` for DefaultDir. Loaded values are not range-checked.
TSettings LoadSettings(const TIniFile& ini, const std::string& defaultDir);

// Writes every key into `ini`, in the order a new file lists them.
void SaveSettings(const TSettings& settings, TIniFile& ini);

}  // namespace wendax
