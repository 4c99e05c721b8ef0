#include "app/settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace wendax {
namespace {

const char* const kDefaultFile =
    "[Program]\n"
    "SpeedbarVisible=1\n"
    "StatusLineVisible=1\n"
    "PositionVisible=1\n"
    "ModifiedVisible=1\n"
    "ModeVisible=1\n"
    "LineCountVisible=1\n"
    "CharCountVisible=1\n"
    "DefaultDir=/opt/wendax/\n"
    "Filter=All files|*.*|Text files|*.txt|\n"
    "FloatingHints=1\n"
    "[Colors]\n"
    "ProgramColor=-2147483636\n"
    "EditorColor=-2147483643\n"
    "FontColor=-2147483640\n"
    "[Editor]\n"
    "AutoIndent=0\n"
    "MakeBackups=1\n"
    "SpaceTabs=1\n"
    "RealTabs=0\n"
    "SmartTabs=0\n"
    "TabSize=8\n"
    "StripBlanks=0\n"
    "EnableWW=0\n"
    "WrapToColumn=1\n"
    "WrapToWindow=0\n"
    "WrapAtColumn=80\n"
    "OpenEmpty=0\n"
    "MaxEditor=0\n"
    "NewTextUtf8=1\n"
    "[Desktop]\n"
    "RestoreStyle=1\n"
    "ScrnTop=10\n"
    "ScrnLeft=10\n"
    "ScrnHeight=350\n"
    "ScrnWidth=600\n"
    "ScrnMax=0\n"
    "[Font]\n"
    "SFontName=Fixedsys\n"
    "SFontColor=-2147483640\n"
    "SFontSize=11\n"
    "SFontBold=0\n"
    "SFontItalic=0\n"
    "PFontName=Fixedsys\n"
    "PFontSize=11\n"
    "PFontBold=0\n"
    "PFontItalic=0\n"
    "[History]\n"
    "Lastfile0=\n"
    "Lastfile1=\n"
    "Lastfile2=\n"
    "Lastfile3=\n"
    "Lastfile4=\n";

TSettings Load(const std::string& text) {
    return LoadSettings(TIniFile::Parse(text), "/opt/wendax/");
}

std::string Save(const TSettings& settings, const std::string& existing = "") {
    TIniFile ini = TIniFile::Parse(existing);
    SaveSettings(settings, ini);
    return ini.Text();
}

TEST(Settings, WithoutAFileEverySettingHasItsDefault) {
    const TSettings s = Load("");
    EXPECT_TRUE(s.SpeedbarVisible && s.StatusLineVisible && s.PositionVisible &&
                s.ModifiedVisible && s.ModeVisible && s.LineCountVisible && s.CharCountVisible);
    EXPECT_TRUE(s.FloatingHints);
    EXPECT_EQ(s.DefaultDir, "/opt/wendax/");
    EXPECT_EQ(s.Filter, "All files|*.*|Text files|*.txt|");
    EXPECT_EQ(s.FontColor, 0x80000008u);
    EXPECT_EQ(s.ProgramColor, 0x8000000Cu);
    EXPECT_EQ(s.EditorColor, 0x80000005u);
    EXPECT_FALSE(s.AutoIndent);
    EXPECT_TRUE(s.MakeBackups);
    EXPECT_TRUE(s.SpaceTabs);
    EXPECT_FALSE(s.RealTabs || s.SmartTabs);
    EXPECT_EQ(s.TabSize, 8);
    EXPECT_FALSE(s.StripBlanks || s.EnableWW || s.WrapToWindow || s.OpenEmpty || s.MaxEditor);
    EXPECT_TRUE(s.WrapToColumn && s.NewTextUtf8);
    EXPECT_EQ(s.WrapAtColumn, 80);
    EXPECT_EQ(s.RestoreStyle, 1);
    EXPECT_EQ(s.ScrnTop, 10);
    EXPECT_EQ(s.ScrnLeft, 10);
    EXPECT_EQ(s.ScrnHeight, 350);
    EXPECT_EQ(s.ScrnWidth, 600);
    EXPECT_FALSE(s.ScrnMax);
    EXPECT_EQ(s.SFontName, "Fixedsys");
    EXPECT_EQ(s.PFontName, "Fixedsys");
    EXPECT_EQ(s.SFontSize, 11);
    EXPECT_EQ(s.PFontSize, 11);
    EXPECT_FALSE(s.SFontBold || s.SFontItalic || s.PFontBold || s.PFontItalic);
    EXPECT_TRUE(s.History.empty());
}

TEST(Settings, ANewFileListsEveryKeyInTheWriteOrder) {
    EXPECT_EQ(Save(Load("")), kDefaultFile);
}

TEST(Settings, TheDefaultFileReadsBackAsTheDefaults) {
    EXPECT_EQ(Load(kDefaultFile), Load(""));
}

TEST(Settings, HexadecimalIntegersAreRead) {
    const TSettings s = Load("[Editor]\nTabSize=0x10\nWrapAtColumn=0X20\n");
    EXPECT_EQ(s.TabSize, 16);
    EXPECT_EQ(s.WrapAtColumn, 32);
}

TEST(Settings, ABooleanWrittenAsTwoReadsTrueAndIsWrittenBackAsOne) {
    const std::string file = "[Editor]\nAutoIndent=2\n";
    const TSettings s = Load(file);
    EXPECT_TRUE(s.AutoIndent);
    EXPECT_NE(Save(s, file).find("AutoIndent=1\n"), std::string::npos);
    EXPECT_EQ(Save(s, file).find("AutoIndent=2"), std::string::npos);
}

TEST(Settings, UnreadableValuesGiveTheDefaults) {
    const TSettings s =
        Load("[Editor]\nTabSize=eight\nMakeBackups=yes\nNewTextUtf8=no\n[Desktop]\nScrnTop=\n");
    EXPECT_EQ(s.TabSize, 8);
    EXPECT_TRUE(s.MakeBackups);
    EXPECT_TRUE(s.NewTextUtf8);
    EXPECT_EQ(s.ScrnTop, 10);
}

TEST(Settings, LoadedValuesAreNotRangeChecked) {
    const TSettings s =
        Load("[Editor]\nTabSize=5000\nWrapAtColumn=-4\n[Desktop]\nRestoreStyle=9\n");
    EXPECT_EQ(s.TabSize, 5000);
    EXPECT_EQ(s.WrapAtColumn, -4);
    EXPECT_EQ(s.RestoreStyle, 9);
}

TEST(Settings, ColoursAreSignedDecimalsAndSystemColoursComeOutNegative) {
    TSettings s = Load("[Colors]\nProgramColor=8421376\nEditorColor=-2147483643\n");
    EXPECT_EQ(s.ProgramColor, 0x808000u);  // teal
    EXPECT_EQ(s.EditorColor, 0x80000005u);
    s.FontColor = 12632256;  // silver
    const std::string text = Save(s);
    EXPECT_NE(text.find("ProgramColor=8421376\n"), std::string::npos);
    EXPECT_NE(text.find("EditorColor=-2147483643\n"), std::string::npos);
    EXPECT_NE(text.find("FontColor=12632256\n"), std::string::npos);
}

TEST(Settings, FontColourIsWrittenButNeverRead) {
    const TSettings s = Load("[Font]\nSFontColor=255\n");
    EXPECT_EQ(s.SFontColor, 0x80000008u);
}

TEST(Settings, HistoryTakesNonEmptyEntriesInKeyOrderAsTheyAre) {
    const TSettings s =
        Load("[History]\nLastfile3=/d\nLastfile0=/a\nLastfile1=\nLastfile2=rel/c\nLastfile4=/a\n");
    EXPECT_EQ(s.History, (std::vector<std::string>{"/a", "rel/c", "/d", "/a"}));
}

TEST(Settings, HistoryKeysWithoutAnEntryAreWrittenEmpty) {
    TSettings s = Load("");
    s.History = {"/home/u/one.txt", "/home/u/two.txt"};
    const std::string text = Save(s);
    EXPECT_NE(text.find("[History]\nLastfile0=/home/u/one.txt\nLastfile1=/home/u/two.txt\n"
                        "Lastfile2=\nLastfile3=\nLastfile4=\n"),
              std::string::npos);
}

TEST(Settings, EverySettingSurvivesARoundTrip) {
    TSettings s = Load("");
    s.SpeedbarVisible = false;
    s.ModeVisible = false;
    s.FloatingHints = false;
    s.DefaultDir = "/home/u/texts/";
    s.Filter = "Notes|*.note;*.txt|";
    s.FontColor = 0x0000FF;
    s.ProgramColor = 0x808000;
    s.EditorColor = 0xFFFFFF;
    s.AutoIndent = s.RealTabs = s.EnableWW = s.WrapToWindow = s.OpenEmpty = s.MaxEditor = true;
    s.MakeBackups = s.SpaceTabs = s.WrapToColumn = s.NewTextUtf8 = false;
    s.TabSize = 3;
    s.WrapAtColumn = 132;
    s.RestoreStyle = 2;
    s.ScrnTop = -20;
    s.ScrnLeft = 1900;
    s.ScrnHeight = 700;
    s.ScrnWidth = 1024;
    s.ScrnMax = true;
    s.SFontName = "DejaVu Sans Mono";
    s.SFontSize = 13;
    s.SFontBold = true;
    s.PFontName = "Liberation Mono";
    s.PFontItalic = true;
    s.History = {"/a b/c.txt", "/d=e.txt", "/f", "/g", "/h"};
    EXPECT_EQ(Load(Save(s)), s);
}

// File names may hold any byte but NUL and '/': a line break in a recent file must not end
// its key and start a section that the next start would read.
TEST(Settings, FileNamesWithLineBreaksAndValuesEndingInCarriageReturnsRoundTrip) {
    TSettings s = Load("");
    s.History = {"/tmp/a\n[Program]\nSpeedbarVisible=0", "/tmp/b\r", "/tmp/\x01\x1b[31m", " /c "};
    s.DefaultDir = "/home/u/dir\r";
    s.Filter = "Text|*.txt|\nOdd|*\t*|";
    s.SFontName = "\"Mono\"";
    const std::string text = Save(s);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              std::count(kDefaultFile, kDefaultFile + std::strlen(kDefaultFile), '\n'));
    const TSettings read = Load(text);
    EXPECT_EQ(read, s);
    EXPECT_TRUE(read.SpeedbarVisible);
    EXPECT_EQ(Save(read, text), text);
}

TEST(Settings, SavingAnExistingFileKeepsItsOtherLinesAndOrder) {
    const std::string existing = "; kept\n[Desktop]\nScrnTop=99\n[Mine]\nkey=value\n";
    const std::string text = Save(Load(existing), existing);
    EXPECT_EQ(text.rfind("; kept\n[Desktop]\nScrnTop=99\nRestoreStyle=1\nScrnLeft=10\n", 0), 0u);
    EXPECT_NE(text.find("[Mine]\nkey=value\n[Program]\n"), std::string::npos);
}

}  // namespace
}  // namespace wendax
