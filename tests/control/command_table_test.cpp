// The entries of a command table and its text file form.
#include <gtest/gtest.h>

#include "base/exceptions.h"
#include "control/command_processor.h"
#include "key_notation.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/temp_dir.h"

namespace wendax {
namespace {

using testkit::ParseEntries;
using testkit::ParseEntry;
using testkit::TTempDir;

TEST(CommandRec, KeySequenceIsTheFourBytesLittleEndian) {
    EXPECT_EQ(ParseEntry("Ctrl+Z ccUndo").KeySequence(), 1114u);
    EXPECT_EQ(ParseEntry("Ctrl+A ccUndo").KeySequence(), 1089u);
    const CommandRec home = ParseEntry("Ctrl+Q,S ccHome");
    EXPECT_EQ(home.KeySequence(), 81u + 4u * 256 + 83u * 65536 + 128u * 16777216);
    EXPECT_EQ(CommandRec::FromSequence(home.KeySequence(), ccHome), home);
}

TEST(CommandTable, ANewTableIsActiveUnknownAndEmpty) {
    const TOvcCommandTable table;
    EXPECT_EQ(table.Name(), "(Unknown)");
    EXPECT_TRUE(table.Active());
    EXPECT_EQ(table.Count(), 0);
}

TEST(CommandTable, EntriesKeepTheirOrderThroughInsertReplaceAndDelete) {
    TOvcCommandTable table;
    const auto e = ParseEntries("Left ccLeft; Right ccRight; Up ccUp; Down ccDown");
    EXPECT_EQ(table.AddEntry(e[0]), 0);
    EXPECT_EQ(table.AddEntry(e[0]), 1);  // no duplicate test
    table.InsertEntry(0, e[1]);
    table.InsertEntry(3, e[2]);
    table.ReplaceEntry(1, e[3]);
    table.DeleteEntry(2);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_EQ(table.GetEntry(0), e[1]);
    EXPECT_EQ(table.GetEntry(1), e[3]);
    EXPECT_EQ(table.GetEntry(2), e[2]);
    table.Clear();
    EXPECT_EQ(table.Count(), 0);
}

TEST(CommandTable, IndexesOutsideTheEntriesRaiseAndChangeNothing) {
    TOvcCommandTable table;
    table.AddEntry(ParseEntry("Left ccLeft"));
    const CommandRec e = ParseEntry("Up ccUp");
    EXPECT_THROW(table.GetEntry(1), std::out_of_range);
    EXPECT_THROW(table.InsertEntry(2, e), std::out_of_range);
    EXPECT_THROW(table.InsertEntry(-1, e), std::out_of_range);
    EXPECT_THROW(table.ReplaceEntry(1, e), std::out_of_range);
    EXPECT_THROW(table.DeleteEntry(-1), std::out_of_range);
    EXPECT_EQ(table.Count(), 1);
}

TEST(CommandTable, FindSequenceComparesTheFourKeyBytesOnly) {
    TOvcCommandTable table;
    for (const CommandRec& e : ParseEntries("Left ccLeft; Ctrl+Q,S ccHome; Ctrl+Q,S ccEnd")) {
        table.AddEntry(e);
    }
    EXPECT_EQ(table.FindSequence(ParseEntry("Ctrl+Q,S ccUndo")), 1);
    EXPECT_EQ(table.FindSequence(ParseEntry("Left ccRight")), 0);
    EXPECT_EQ(table.FindSequence(ParseEntry("Shift+Left ccLeft")), -1);
    EXPECT_EQ(table.FindSequence({vkLetter('Q'), ksCtrl, vkLetter('S'), 0, ccHome}), -1);
}

class TableFile : public ::testing::Test {
  protected:
    THeadlessPlatform platform;
    TTempDir dir;
};

TEST_F(TableFile, SavedLinesHaveFieldsOfFourAndSixColumns) {
    TOvcCommandTable table;
    table.SetName("My keys");
    table.AddEntry(ParseEntry("Ctrl+Q,S ccHome"));
    table.AddEntry({255, 255, 255, 255, 65535});
    table.SaveTableToFile(dir.File("t.txt"));
    EXPECT_EQ(TTempDir::Read(dir.File("t.txt")),
              "My keys\n"
              "  81   4  83 128    42\n"
              " 255 255 255 255 65535\n");
}

TEST_F(TableFile, EveryBuiltinTableSurvivesASaveAndLoad) {
    const TOvcCommandProcessor builtins;
    for (int i = 0; i < builtins.Count(); ++i) {
        const std::string file = dir.File("table" + std::to_string(i));
        builtins.Table(i).SaveTableToFile(file);
        TOvcCommandTable loaded;
        loaded.SetActive(false);
        loaded.AddEntry(ParseEntry("F2 ccTableEdit"));
        loaded.LoadTableFromFile(file);
        EXPECT_EQ(loaded.Name(), builtins.Table(i).Name());
        EXPECT_EQ(loaded.Entries(), builtins.Table(i).Entries());
        EXPECT_FALSE(loaded.Active());  // loading leaves the flag alone
    }
}

TEST_F(TableFile, ANameLineAloneGivesAnEmptyActiveTable) {
    TTempDir::Write(dir.File("t"), "Only a name\n");
    TOvcCommandProcessor processor;
    const int index = processor.LoadCommandTable(dir.File("t"));
    EXPECT_EQ(processor.Table(index).Name(), "Only a name");
    EXPECT_TRUE(processor.Table(index).Active());
    EXPECT_EQ(processor.Table(index).Count(), 0);
}

TEST_F(TableFile, LoadingAcceptsFreeSpacingCarriageReturnsAndBlankLines) {
    TTempDir::Write(dir.File("t"), "Spaced \r\n81 4 83 128 42\r\n\r\n\t37\t0 0 0  46  \n\n");
    TOvcCommandTable table;
    table.LoadTableFromFile(dir.File("t"));
    EXPECT_EQ(table.Name(), "Spaced ");
    EXPECT_EQ(table.Entries(), ParseEntries("Ctrl+Q,S ccHome; Left ccLeft"));
}

TEST_F(TableFile, MalformedLinesRaiseAnInputOutputErrorAndLeaveTheTable) {
    const char* bad[] = {"81 4 83 128\n", "81 4 83 128 42 7\n", "81 4 x 128 42\n",
                         "256 0 0 0 1\n", "1 0 0 0 65536\n",    "-1 0 0 0 1\n",
                         "1 0 0 0 0x10\n"};
    for (const char* line : bad) {
        TTempDir::Write(dir.File("t"), std::string("Name\n37 0 0 0 46\n") + line);
        TOvcCommandTable table;
        table.AddEntry(ParseEntry("Up ccUp"));
        try {
            table.LoadTableFromFile(dir.File("t"));
            ADD_FAILURE() << "accepted " << line;
        } catch (const EInOutError& e) {
            EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
        }
        EXPECT_EQ(table.Name(), "(Unknown)") << line;
        EXPECT_EQ(table.Entries(), ParseEntries("Up ccUp")) << line;
    }
}

TEST_F(TableFile, AMissingFileAddsNoTable) {
    TOvcCommandProcessor processor;
    EXPECT_THROW(processor.LoadCommandTable(dir.File("missing")), EInOutError);
    EXPECT_EQ(processor.Count(), 3);
}

TEST_F(TableFile, SaveCommandTableWritesTheNamedTableOrNothing) {
    const TOvcCommandProcessor processor;
    processor.SaveCommandTable("grid", dir.File("grid"));
    processor.SaveCommandTable("Nope", dir.File("nope"));
    TOvcCommandTable loaded;
    loaded.LoadTableFromFile(dir.File("grid"));
    EXPECT_EQ(loaded.Entries(), processor.Table(2).Entries());
    EXPECT_FALSE(platform.Files().Exists(dir.File("nope")));
}

TEST_F(TableFile, ANameWithALineBreakIsNotSaved) {
    TOvcCommandTable table;
    table.SetName("two\nlines");
    EXPECT_THROW(table.SaveTableToFile(dir.File("t")), EInOutError);
    EXPECT_FALSE(platform.Files().Exists(dir.File("t")));
}

}  // namespace
}  // namespace wendax
