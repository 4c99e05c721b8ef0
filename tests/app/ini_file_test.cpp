#include "app/settings/ini_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

namespace wendax {
namespace {

TEST(IniFile, ReadsKeysOfSectionsIgnoringLetterCaseAndBlanks) {
    const TIniFile ini = TIniFile::Parse("[Editor]\r\n  TabSize =  4 \r\n[program]\nfilter=a|b|\n");
    EXPECT_EQ(ini.Read("editor", "TABSIZE"), "4");
    EXPECT_EQ(ini.Read("Program", "Filter"), "a|b|");
    EXPECT_EQ(ini.Read("Program", "TabSize"), std::nullopt);
    EXPECT_EQ(ini.Read("Missing", "Filter"), std::nullopt);
}

TEST(IniFile, TheFirstOfDuplicateKeysWins) {
    const TIniFile ini = TIniFile::Parse("[A]\nk=1\nk=2\n[a]\nk=3\n");
    EXPECT_EQ(ini.Read("A", "k"), "1");
}

TEST(IniFile, ValuesMayHoldEqualsSignsAndBeEmpty) {
    const TIniFile ini = TIniFile::Parse("[A]\nk=x=y\nempty=\n");
    EXPECT_EQ(ini.Read("A", "k"), "x=y");
    EXPECT_EQ(ini.Read("A", "empty"), "");
}

TEST(IniFile, KeysBeforeAnySectionAreNotReadFromASection) {
    const TIniFile ini = TIniFile::Parse("k=1\n[A]\n");
    EXPECT_EQ(ini.Read("A", "k"), std::nullopt);
    EXPECT_EQ(ini.Read("", "k"), std::nullopt);
}

TEST(IniFile, WritingKeepsOtherLinesAndReplacesValuesInPlace) {
    TIniFile ini = TIniFile::Parse("; my notes\n[A]\nx=1\n# odd line\ny=2\n\n[B]\nz=3\n");
    ini.Write("a", "X", "10");
    ini.Write("A", "new", "n");
    ini.Write("C", "c", "");
    EXPECT_EQ(ini.Text(), "; my notes\n[A]\nx=10\n# odd line\ny=2\nnew=n\n\n[B]\nz=3\n[C]\nc=\n");
}

TEST(IniFile, ANewFileListsKeysInTheOrderWritten) {
    TIniFile ini;
    ini.Write("S", "b", "1");
    ini.Write("S", "a", "2");
    ini.Write("T", "c", "3");
    ini.Write("S", "d", "4");
    EXPECT_EQ(ini.Text(), "[S]\nb=1\na=2\nd=4\n[T]\nc=3\n");
}

TEST(IniFile, TextParsesBackToTheSameFile) {
    const std::string text = "top\n[A]\nk=v\n;c\n\n[B]\n";
    EXPECT_EQ(TIniFile::Parse(text).Text(), text);
    EXPECT_EQ(TIniFile::Parse(TIniFile::Parse(text).Text()).Text(), text);
}

// A value with a line break could otherwise end its key and start a section of its own.
TEST(IniFile, EveryValueSurvivesAndNoValueCanBreakItsLine) {
    const std::string values[] = {"a\nb",
                                  "x\n[Program]\nSpeedbarVisible=0",
                                  "ends in CR\r",
                                  "\r",
                                  std::string("nul\0byte", 8),
                                  " leading blank",
                                  "trailing tab\t",
                                  "\"quoted\"",
                                  "\"",
                                  "C:\\dir\\x41",
                                  "del\x7f",
                                  "caf\xc3\xa9 = [x]",
                                  ""};
    TIniFile ini;
    for (std::size_t i = 0; i < std::size(values); ++i)
        ini.Write("S", "k" + std::to_string(i), values[i]);
    ini.Write("S", "after", "1");
    const std::string text = ini.Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::ssize(values) + 2);
    EXPECT_EQ(text.find('\r'), std::string::npos);
    for (const std::string& crlf : {text, std::regex_replace(text, std::regex("\n"), "\r\n")}) {
        const TIniFile read = TIniFile::Parse(crlf);
        for (std::size_t i = 0; i < std::size(values); ++i)
            EXPECT_EQ(read.Read("S", "k" + std::to_string(i)), values[i]) << i;
        EXPECT_EQ(read.Read("S", "after"), "1");
        EXPECT_EQ(read.Read("Program", "SpeedbarVisible"), std::nullopt);
        EXPECT_EQ(read.Text(), text);
    }
    EXPECT_NE(text.find("k0=\"a\\x0Ab\"\n"), std::string::npos);
    EXPECT_NE(text.find("k9=C:\\dir\\x41\n"), std::string::npos);  // plain values stay plain
}

TEST(IniFile, ValuesThatAreNoQuotedTextAreTakenAsTheyStand) {
    const TIniFile ini = TIniFile::Parse(
        "[S]\na=\"unterminated\nb=\"bad \\q escape\"\nc=\"in\"side\"\nd=\\x41\ne= \"x\\x41\" \n");
    EXPECT_EQ(ini.Read("S", "a"), "\"unterminated");
    EXPECT_EQ(ini.Read("S", "b"), "\"bad \\q escape\"");
    EXPECT_EQ(ini.Read("S", "c"), "\"in\"side\"");
    EXPECT_EQ(ini.Read("S", "d"), "\\x41");
    EXPECT_EQ(ini.Read("S", "e"), "xA");
    EXPECT_EQ(TIniFile::Parse(ini.Text()).Read("S", "b"), ini.Read("S", "b"));
}

TEST(IniFile, CarriageReturnsEndingALineThatIsNoKeyAreDropped) {
    EXPECT_EQ(TIniFile::Parse("; note\r\r\n[A]\r\n\r\r\nk=v\r\n").Text(), "; note\n[A]\n\nk=v\n");
}

TEST(IniInteger, ReadsDecimalWithSign) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger("-2147483643"), -2147483643);
    EXPECT_EQ(ParseIniInteger("+7"), 7);
    EXPECT_EQ(ParseIniInteger("007"), 7);
}

TEST(IniInteger, ReadsHexadecimalAfterZeroXWhenLongerThanTwoCharacters) {
    EXPECT_EQ(ParseIniInteger("0x10"), 16);
    EXPECT_EQ(ParseIniInteger("0X1f"), 31);
    EXPECT_EQ(ParseIniInteger("0x80000005"), -2147483643);
    EXPECT_EQ(ParseIniInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("0x"), std::nullopt);
}

TEST(IniInteger, RefusesWhatIsNotAWholeNumber) {
    for (const char* text : {"", "abc", "12abc", " 1", "1.5", "+-5", "--5", "0x1G", "0x-1",
                             "0x100000000", "2147483648", "-2147483649", "x10"})
        EXPECT_EQ(ParseIniInteger(text), std::nullopt) << text;
}

TEST(IniValues, MissingOrUnreadableValuesGiveTheDefault) {
    const TIniFile ini = TIniFile::Parse("[S]\nn=abc\nb=yes\ns=\n");
    EXPECT_EQ(ReadIniInteger(ini, "S", "n", 8), 8);
    EXPECT_EQ(ReadIniInteger(ini, "S", "missing", -3), -3);
    EXPECT_TRUE(ReadIniBool(ini, "S", "b", true));
    EXPECT_FALSE(ReadIniBool(ini, "S", "b", false));
    EXPECT_EQ(ReadIniString(ini, "S", "s", "default"), "");
    EXPECT_EQ(ReadIniString(ini, "S", "missing", "default"), "default");
}

TEST(IniValues, BooleansAreIntegersAndAnyNonZeroIsTrue) {
    const TIniFile ini = TIniFile::Parse("[S]\ntwo=2\nzero=0\nminus=-1\nhex=0x0\n");
    EXPECT_TRUE(ReadIniBool(ini, "S", "two", false));
    EXPECT_FALSE(ReadIniBool(ini, "S", "zero", true));
    EXPECT_TRUE(ReadIniBool(ini, "S", "minus", false));
    EXPECT_FALSE(ReadIniBool(ini, "S", "hex", true));
    TIniFile out;
    WriteIniBool(out, "S", "t", ReadIniBool(ini, "S", "two", false));
    WriteIniBool(out, "S", "f", false);
    EXPECT_EQ(out.Text(), "[S]\nt=1\nf=0\n");
}

TEST(IniValues, StringsAreCutTo1023Characters) {
    const std::string longValue(1500, 'x');
    const TIniFile ini =
        TIniFile::Parse("[S]\nk=" + longValue + "\nj=" + std::string(1023, 'y') + "\n");
    EXPECT_EQ(ReadIniString(ini, "S", "k", ""), std::string(1023, 'x'));
    EXPECT_EQ(ReadIniString(ini, "S", "j", ""), std::string(1023, 'y'));
}

}  // namespace
}  // namespace wendax
