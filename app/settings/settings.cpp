#include "app/settings/settings.h"

namespace wendax {
namespace {

// Colours are stored as signed decimal numbers, so system colours come out negative.
TColor ReadColor(const TIniFile& ini, std::string_view key, TColor defaultValue) {
    return static_cast<TColor>(
        ReadIniInteger(ini, "Colors", key, static_cast<std::int32_t>(defaultValue)));
}

void WriteColor(TIniFile& ini, std::string_view section, std::string_view key, TColor value) {
    WriteIniInteger(ini, section, key, static_cast<std::int32_t>(value));
}

void LoadProgram(const TIniFile& ini, TSettings& s) {
    const auto flag = [&](std::string_view key, bool def) {
        return ReadIniBool(ini, "Program", key, def);
    };
    s.SpeedbarVisible = flag("SpeedbarVisible", s.SpeedbarVisible);
    s.StatusLineVisible = flag("StatusLineVisible", s.StatusLineVisible);
    s.PositionVisible = flag("PositionVisible", s.PositionVisible);
    s.ModifiedVisible = flag("ModifiedVisible", s.ModifiedVisible);
    s.ModeVisible = flag("ModeVisible", s.ModeVisible);
    s.LineCountVisible = flag("LineCountVisible", s.LineCountVisible);
    s.CharCountVisible = flag("CharCountVisible", s.CharCountVisible);
    s.FloatingHints = flag("FloatingHints", s.FloatingHints);
    s.DefaultDir = ReadIniString(ini, "Program", "DefaultDir", s.DefaultDir);
    s.Filter = ReadIniString(ini, "Program", "Filter", s.Filter);
}

void LoadColors(const TIniFile& ini, TSettings& s) {
    s.FontColor = ReadColor(ini, "FontColor", s.FontColor);
    s.ProgramColor = ReadColor(ini, "ProgramColor", s.ProgramColor);
    s.EditorColor = ReadColor(ini, "EditorColor", s.EditorColor);
}

void LoadEditor(const TIniFile& ini, TSettings& s) {
    const auto flag = [&](std::string_view key, bool def) {
        return ReadIniBool(ini, "Editor", key, def);
    };
    s.AutoIndent = flag("AutoIndent", s.AutoIndent);
    s.MakeBackups = flag("MakeBackups", s.MakeBackups);
    s.SpaceTabs = flag("SpaceTabs", s.SpaceTabs);
    s.RealTabs = flag("RealTabs", s.RealTabs);
    s.SmartTabs = flag("SmartTabs", s.SmartTabs);
    s.TabSize = ReadIniInteger(ini, "Editor", "TabSize", s.TabSize);
    s.StripBlanks = flag("StripBlanks", s.StripBlanks);
    s.EnableWW = flag("EnableWW", s.EnableWW);
    s.WrapToColumn = flag("WrapToColumn", s.WrapToColumn);
    s.WrapToWindow = flag("WrapToWindow", s.WrapToWindow);
    s.WrapAtColumn = ReadIniInteger(ini, "Editor", "WrapAtColumn", s.WrapAtColumn);
    s.OpenEmpty = flag("OpenEmpty", s.OpenEmpty);
    s.MaxEditor = flag("MaxEditor", s.MaxEditor);
    s.NewTextUtf8 = flag("NewTextUtf8", s.NewTextUtf8);
}

void LoadDesktop(const TIniFile& ini, TSettings& s) {
    s.RestoreStyle = ReadIniInteger(ini, "Desktop", "RestoreStyle", s.RestoreStyle);
    s.ScrnTop = ReadIniInteger(ini, "Desktop", "ScrnTop", s.ScrnTop);
    s.ScrnLeft = ReadIniInteger(ini, "Desktop", "ScrnLeft", s.ScrnLeft);
    s.ScrnHeight = ReadIniInteger(ini, "Desktop", "ScrnHeight", s.ScrnHeight);
    s.ScrnWidth = ReadIniInteger(ini, "Desktop", "ScrnWidth", s.ScrnWidth);
    s.ScrnMax = ReadIniBool(ini, "Desktop", "ScrnMax", s.ScrnMax);
}

void LoadFonts(const TIniFile& ini, TSettings& s) {
    s.SFontName = ReadIniString(ini, "Font", "SFontName", s.SFontName);
    s.SFontSize = ReadIniInteger(ini, "Font", "SFontSize", s.SFontSize);
    s.SFontBold = ReadIniBool(ini, "Font", "SFontBold", s.SFontBold);
    s.SFontItalic = ReadIniBool(ini, "Font", "SFontItalic", s.SFontItalic);
    s.PFontName = ReadIniString(ini, "Font", "PFontName", s.PFontName);
    s.PFontSize = ReadIniInteger(ini, "Font", "PFontSize", s.PFontSize);
    s.PFontBold = ReadIniBool(ini, "Font", "PFontBold", s.PFontBold);
    s.PFontItalic = ReadIniBool(ini, "Font", "PFontItalic", s.PFontItalic);
}

// Non-empty entries in key order, without expansion or duplicate test.
void LoadHistory(const TIniFile& ini, TSettings& s) {
    for (int i = 0; i < kHistoryKeys; ++i) {
        std::string name = ReadIniString(ini, "History", "Lastfile" + std::to_string(i), "");
        if (!name.empty()) s.History.push_back(std::move(name));
    }
}

void SaveProgram(const TSettings& s, TIniFile& ini) {
    WriteIniBool(ini, "Program", "SpeedbarVisible", s.SpeedbarVisible);
    WriteIniBool(ini, "Program", "StatusLineVisible", s.StatusLineVisible);
    WriteIniBool(ini, "Program", "PositionVisible", s.PositionVisible);
    WriteIniBool(ini, "Program", "ModifiedVisible", s.ModifiedVisible);
    WriteIniBool(ini, "Program", "ModeVisible", s.ModeVisible);
    WriteIniBool(ini, "Program", "LineCountVisible", s.LineCountVisible);
    WriteIniBool(ini, "Program", "CharCountVisible", s.CharCountVisible);
    ini.Write("Program", "DefaultDir", s.DefaultDir);
    ini.Write("Program", "Filter", s.Filter);
    WriteIniBool(ini, "Program", "FloatingHints", s.FloatingHints);
}

void SaveColors(const TSettings& s, TIniFile& ini) {
    WriteColor(ini, "Colors", "ProgramColor", s.ProgramColor);
    WriteColor(ini, "Colors", "EditorColor", s.EditorColor);
    WriteColor(ini, "Colors", "FontColor", s.FontColor);
}

void SaveEditor(const TSettings& s, TIniFile& ini) {
    WriteIniBool(ini, "Editor", "AutoIndent", s.AutoIndent);
    WriteIniBool(ini, "Editor", "MakeBackups", s.MakeBackups);
    WriteIniBool(ini, "Editor", "SpaceTabs", s.SpaceTabs);
    WriteIniBool(ini, "Editor", "RealTabs", s.RealTabs);
    WriteIniBool(ini, "Editor", "SmartTabs", s.SmartTabs);
    WriteIniInteger(ini, "Editor", "TabSize", s.TabSize);
    WriteIniBool(ini, "Editor", "StripBlanks", s.StripBlanks);
    WriteIniBool(ini, "Editor", "EnableWW", s.EnableWW);
    WriteIniBool(ini, "Editor", "WrapToColumn", s.WrapToColumn);
    WriteIniBool(ini, "Editor", "WrapToWindow", s.WrapToWindow);
    WriteIniInteger(ini, "Editor", "WrapAtColumn", s.WrapAtColumn);
    WriteIniBool(ini, "Editor", "OpenEmpty", s.OpenEmpty);
    WriteIniBool(ini, "Editor", "MaxEditor", s.MaxEditor);
    WriteIniBool(ini, "Editor", "NewTextUtf8", s.NewTextUtf8);
}

void SaveDesktop(const TSettings& s, TIniFile& ini) {
    WriteIniInteger(ini, "Desktop", "RestoreStyle", s.RestoreStyle);
    WriteIniInteger(ini, "Desktop", "ScrnTop", s.ScrnTop);
    WriteIniInteger(ini, "Desktop", "ScrnLeft", s.ScrnLeft);
    WriteIniInteger(ini, "Desktop", "ScrnHeight", s.ScrnHeight);
    WriteIniInteger(ini, "Desktop", "ScrnWidth", s.ScrnWidth);
    WriteIniBool(ini, "Desktop", "ScrnMax", s.ScrnMax);
}

void SaveFonts(const TSettings& s, TIniFile& ini) {
    ini.Write("Font", "SFontName", s.SFontName);
    WriteColor(ini, "Font", "SFontColor", s.SFontColor);
    WriteIniInteger(ini, "Font", "SFontSize", s.SFontSize);
    WriteIniBool(ini, "Font", "SFontBold", s.SFontBold);
    WriteIniBool(ini, "Font", "SFontItalic", s.SFontItalic);
    ini.Write("Font", "PFontName", s.PFontName);
    WriteIniInteger(ini, "Font", "PFontSize", s.PFontSize);
    WriteIniBool(ini, "Font", "PFontBold", s.PFontBold);
    WriteIniBool(ini, "Font", "PFontItalic", s.PFontItalic);
}

// Every key is written; one without an entry keeps an empty value.
void SaveHistory(const TSettings& s, TIniFile& ini) {
    for (int i = 0; i < kHistoryKeys; ++i) {
        const bool present = i < static_cast<int>(s.History.size());
        ini.Write("History", "Lastfile" + std::to_string(i), present ? s.History[i] : "");
    }
}

}  // namespace

TSettings LoadSettings(const TIniFile& ini, const std::string& defaultDir) {
    TSettings s;
    s.DefaultDir = defaultDir;
    LoadProgram(ini, s);
    LoadColors(ini, s);
    LoadEditor(ini, s);
    LoadDesktop(ini, s);
    LoadFonts(ini, s);
    LoadHistory(ini, s);
    return s;
}

void SaveSettings(const TSettings& s, TIniFile& ini) {
    SaveProgram(s, ini);
    SaveColors(s, ini);
    SaveEditor(s, ini);
    SaveDesktop(s, ini);
    SaveFonts(s, ini);
    SaveHistory(s, ini);
}

}  // namespace wendax
