// The stored forms of command tables: the difference rule for built-in names, exact round
// trips, the application's stored list, and malformed text.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "base/exceptions.h"
#include "control/builtin_tables.h"
#include "control/main_command_tables.h"
#include "control/stored_tables.h"
#include "control/stored_tables_text.h"
#include "key_notation.h"

namespace wendax {
namespace {

using testkit::ParseEntries;
using testkit::ParseEntry;

TOvcCommandTable BuiltinCopy(std::string_view name) {
    TOvcCommandTable table;
    table.SetName(std::string(name));
    for (const CommandRec& e : BuiltinEntries(name))
        table.AddEntry(e);
    return table;
}

void ExpectSameTables(const TOvcCommandProcessor& actual, const TOvcCommandProcessor& expected) {
    ASSERT_EQ(actual.Count(), expected.Count());
    for (int i = 0; i < expected.Count(); ++i) {
        EXPECT_EQ(actual.Table(i).Name(), expected.Table(i).Name());
        EXPECT_EQ(actual.Table(i).Active(), expected.Table(i).Active());
        EXPECT_EQ(actual.Table(i).Entries(), expected.Table(i).Entries()) << "table " << i;
    }
}

TEST(Differences, AnUnchangedBuiltinTableStoresNoPairs) {
    for (const auto name : {kDefaultTableName, kWordStarTableName, kGridTableName}) {
        EXPECT_TRUE(StoreTable(BuiltinCopy(name)).Pairs.empty()) << name;
    }
    const TOvcCommandProcessor processor;
    EXPECT_EQ(WriteTableList(processor),
              "wendax-command-tables 1\n"
              "table \"Default\" active\nend\n"
              "table \"WordStar\" inactive\nend\n"
              "table \"Grid\" inactive\nend\n");
}

TEST(Differences, OneDeletionStoresExactlyOnePairWithCommandNone) {
    TOvcCommandTable table = BuiltinCopy("Default");
    table.DeleteEntry(12);  // Ctrl+Z
    EXPECT_EQ(StoreTable(table).Pairs, (std::vector<TStoredPair>{{1114, ccNone}}));
}

TEST(Differences, DeletionsComeFirstThenChangedAndNewEntriesInTableOrder) {
    TOvcCommandTable table = BuiltinCopy("wordstar");  // built-in names ignore case
    table.AddEntry(ParseEntry("F2 ccTableEdit"));
    table.ReplaceEntry(0, ParseEntry("Ctrl+S ccHome"));
    table.DeleteEntry(table.FindSequence(ParseEntry("Ctrl+A ccNone")));
    const std::vector<TStoredPair> expected = {
        {ParseEntry("Ctrl+A ccNone").KeySequence(), ccNone},
        {ParseEntry("Ctrl+S ccNone").KeySequence(), ccHome},
        {ParseEntry("F2 ccNone").KeySequence(), ccTableEdit},
    };
    EXPECT_EQ(StoreTable(table).Pairs, expected);
}

// Reading appends, so an entry that must come after entries it once preceded is deleted
// from its built-in place and stored again; whatever follows it is stored too.
TEST(Differences, MovedAndReAddedBuiltinEntriesAreDeletedAndStoredAgainInTheirNewPlace) {
    TOvcCommandTable table = BuiltinCopy("Grid");
    const CommandRec left = table.GetEntry(0);
    const CommandRec last = table.GetEntry(table.Count() - 1);
    table.DeleteEntry(0);
    table.AddEntry(left);  // deleted, then added back with its old command
    table.ReplaceEntry(table.Count() - 2, {last.Key1, last.Shift1, 0, 0, ccNone});
    const std::vector<TStoredPair> expected = {
        {left.KeySequence(), ccNone},
        {last.KeySequence(), ccNone},
        {last.KeySequence(), ccNone},  // the entry with command ccNone, appended again
        {left.KeySequence(), left.Cmd},
    };
    EXPECT_EQ(StoreTable(table).Pairs, expected);
    EXPECT_EQ(RestoreTable(StoreTable(table))->Entries(), table.Entries());
}

TEST(Differences, ABuiltinNameHoldingASequenceTwiceStoresItsWholeContent) {
    TOvcCommandTable table = BuiltinCopy("WordStar");
    table.AddEntry(ParseEntry("Ctrl+W ccScrollDown"));
    const TStoredTable stored = StoreTable(table);
    EXPECT_TRUE(stored.WholeContent);
    EXPECT_EQ(stored.Pairs.size(), 41u);
    EXPECT_EQ(RestoreTable(stored)->Entries(), table.Entries());
    EXPECT_EQ(ParseCommandList(FormatCommandList(stored)), stored);
    EXPECT_NE(FormatCommandList(stored).find("table \"WordStar\" active whole\n"),
              std::string::npos);
}

TEST(Differences, RestoringAppliesPairsInOrderToTheBuiltinEntries) {
    const TStoredTable stored{"GRID",
                              false,
                              {{ParseEntry("Left ccNone").KeySequence(), ccHome},
                               {ParseEntry("F3 ccNone").KeySequence(), 500},
                               {ParseEntry("Right ccNone").KeySequence(), ccNone},
                               {ParseEntry("F5 ccNone").KeySequence(), ccNone}}};
    const auto table = RestoreTable(stored);
    EXPECT_EQ(table->Name(), "GRID");
    EXPECT_FALSE(table->Active());
    std::vector<CommandRec> expected(BuiltinEntries("Grid").begin(), BuiltinEntries("Grid").end());
    expected[0].Cmd = ccHome;
    expected.erase(expected.begin() + 1);
    expected.push_back({vkF(3), 0, 0, 0, 500});
    expected.push_back({vkF(5), 0, 0, 0, ccNone});  // deleting a missing entry appends it
    EXPECT_EQ(table->Entries(), expected);
}

TEST(Differences, OtherNamesStoreTheirWholeContentDuplicatesIncluded) {
    TOvcCommandTable table;
    table.SetName("Default1");
    for (const CommandRec& e : ParseEntries("Left ccLeft; Left ccRight; Ctrl+Q,S ccNone")) {
        table.AddEntry(e);
    }
    const TStoredTable stored = StoreTable(table);
    EXPECT_EQ(stored.Pairs.size(), 3u);
    EXPECT_EQ(RestoreTable(stored)->Entries(), table.Entries());
}

TEST(StoredList, TheApplicationsListYieldsWordStarWithoutFourKeysThenDefault) {
    TOvcCommandProcessor processor;
    LoadMainCommandTables(processor);
    ASSERT_EQ(processor.Count(), 2);
    EXPECT_EQ(processor.Table(0).Name(), "WordStar");
    EXPECT_TRUE(processor.Table(0).Active());
    std::vector<CommandRec> wordStar(BuiltinEntries("WordStar").begin(),
                                     BuiltinEntries("WordStar").end());
    std::erase_if(wordStar, [](const CommandRec& e) {
        const auto seq = e.KeySequence();
        return seq == 1114 || seq == 1089 || seq == 1094 || seq == 1095;
    });
    ASSERT_EQ(wordStar.size(), 36u);
    EXPECT_EQ(processor.Table(0).Entries(), wordStar);
    EXPECT_EQ(processor.Table(1).Name(), "Default");
    EXPECT_TRUE(processor.Table(1).Active());
    EXPECT_EQ(processor.Table(1).Entries().size(), 64u);
}

TEST(StoredList, TheApplicationsListIsWrittenBackAsTheSamePairs) {
    TOvcCommandProcessor processor;
    LoadMainCommandTables(processor);
    const std::vector<TStoredTable> expected = {
        {"WordStar", true, {{1114, 0}, {1089, 0}, {1094, 0}, {1095, 0}}},
        {"Default", true, {}},
    };
    EXPECT_EQ(ParseTableList(MainCommandTables()), expected);
    EXPECT_EQ(ParseTableList(WriteTableList(processor)), expected);
}

TEST(StoredList, AnEmptyListStaysEmpty) {
    TOvcCommandProcessor processor;
    processor.Clear();
    const std::string text = WriteTableList(processor);
    TOvcCommandProcessor reread;
    ReadTableList(reread, text);
    EXPECT_EQ(reread.Count(), 0);
}

TEST(StoredList, ReadingAddsEachTableWithAUniqueName) {
    TOvcCommandProcessor processor;
    ReadTableList(processor,
                  "wendax-command-tables 1\n"
                  "table \"Keys\" active\nend\n"
                  "table \"keys\" inactive\n112 300\nend\n");
    ASSERT_EQ(processor.Count(), 2);
    EXPECT_EQ(processor.Table(1).Name(), "keys1");
    EXPECT_EQ(processor.Table(1).Entries(), (std::vector<CommandRec>{{112, 0, 0, 0, 300}}));
}

// One random edit of any kind: deleting, changing a command (to ccNone too), moving an
// entry, adding a new or a built-in entry back (a sequence may then be there twice).
void EditRandomly(TOvcCommandTable& table, std::mt19937& random) {
    const auto known = BuiltinEntries(table.Name());
    const int op = random() % 5;
    if (op == 0 && table.Count() > 0) {
        table.DeleteEntry(random() % table.Count());
    } else if (op == 1 && table.Count() > 0) {
        const int i = random() % table.Count();
        CommandRec e = table.GetEntry(i);
        e.Cmd = random() % 4 == 0 ? TCommandCode{ccNone} : TCommandCode(random() % 400);
        table.ReplaceEntry(i, e);
    } else if (op == 2 && table.Count() > 0) {
        const CommandRec e = table.GetEntry(random() % table.Count());
        table.DeleteEntry(table.FindSequence(e));
        table.InsertEntry(random() % (table.Count() + 1), e);
    } else if (op == 3 && !known.empty()) {
        const CommandRec e = known[random() % known.size()];
        if (random() % 4 == 0 || table.FindSequence(e) < 0) table.AddEntry(e);
    } else {
        table.AddEntry({std::uint8_t(random()), std::uint8_t(random() % 16),
                        std::uint8_t(random() % 2 ? 0 : random()),
                        std::uint8_t(random() % 2 ? 0 : random()), TCommandCode(random())});
    }
}

// Every table must come back as it was, in order.
TEST(StoredList, RandomlyEditedTablesSurviveAWriteAndRead) {
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        TOvcCommandProcessor processor;
        processor.Table(1).SetName("wordSTAR");  // built-in names ignore case
        processor.Table(1).SetActive(true);
        processor.CreateTable("Mine", random() % 2);
        for (int t = 0; t < processor.Count(); ++t) {
            for (int n = random() % 40; n > 0; --n)
                EditRandomly(processor.Table(t), random);
        }
        TOvcCommandProcessor reread;
        ReadTableList(reread, WriteTableList(processor));
        SCOPED_TRACE("seed " + std::to_string(seed));
        ExpectSameTables(reread, processor);
    }
}

TEST(StoredTable, ASingleTableIsWrittenInItsOwnFormAndReadBack) {
    TOvcCommandTable table = BuiltinCopy("Default");
    table.SetActive(false);
    table.DeleteEntry(0);
    const std::string text = WriteCommandList(table);
    EXPECT_EQ(text, "wendax-command-table 1\ntable \"Default\" inactive\n37 0\nend\n");
    TOvcCommandTable reread;
    reread.AddEntry(ParseEntry("F2 ccTableEdit"));
    ReadCommandList(reread, text);
    EXPECT_EQ(reread.Name(), "Default");
    EXPECT_FALSE(reread.Active());
    EXPECT_EQ(reread.Entries(), table.Entries());
}

TEST(StoredTable, NamesWithQuotesBackslashesAndAnyByteSurvive) {
    TOvcCommandTable table;
    table.SetName(std::string("a \"b\" \\c\x01\n\r\t\xff#", 14));
    const std::string text = WriteCommandList(table);
    EXPECT_EQ(text.find_first_of(std::string("\x01\r\t\xff", 4)), std::string::npos);
    TOvcCommandTable reread;
    ReadCommandList(reread, text);
    EXPECT_EQ(reread.Name(), table.Name());
}

TEST(StoredTable, CommentsBlankLinesCarriageReturnsAndSpacingAreAccepted) {
    TOvcCommandTable table;
    ReadCommandList(table,
                    "# keys\r\n\r\n  wendax-command-table   1 \r\n"
                    "table   \"K\"\tactive\r\n  # a comment\n 112 \t 300 \r\n end");
    EXPECT_EQ(table.Name(), "K");
    EXPECT_EQ(table.Entries(), (std::vector<CommandRec>{{112, 0, 0, 0, 300}}));
}

TEST(MalformedText, IsRejectedWithTheLineAndChangesNothing) {
    const char* bad[] = {
        "",
        "wendax-command-tables 2\n",
        "wendax-command-table 1\n",  // the single form where a list is expected
        "tables 1\n",
        "wendax-command-tables 1\ntable \"A\" active\n",
        "wendax-command-tables 1\ntable \"A\" active\n1 2 3\nend\n",
        "wendax-command-tables 1\ntable \"A\" active\n1\nend\n",
        "wendax-command-tables 1\ntable \"A\" active\n4294967296 1\nend\n",
        "wendax-command-tables 1\ntable \"A\" active\n1 65536\nend\n",
        "wendax-command-tables 1\ntable \"A\" active\n-1 1\nend\n",
        "wendax-command-tables 1\ntable \"A\" active\nx 1\nend\n",
        "wendax-command-tables 1\ntable \"A\" on\nend\n",
        "wendax-command-tables 1\ntable \"A\"active\nend\n",
        "wendax-command-tables 1\ntable \"A active\nend\n",
        "wendax-command-tables 1\ntable A active\nend\n",
        "wendax-command-tables 1\ntable \"A\\q\" active\nend\n",
        "wendax-command-tables 1\ntable \"A\\x4\" active\nend\n",
        "wendax-command-tables 1\ntable \"A\" active extra\nend\n",
        "wendax-command-tables 1\ntable \"A\" active whole extra\nend\n",
        "wendax-command-tables 1\nend\n",
    };
    for (const char* text : bad) {
        TOvcCommandProcessor processor;
        EXPECT_THROW(ReadTableList(processor, text), EInvalidTableData) << text;
        EXPECT_EQ(processor.Count(), 3) << text;
    }
    try {
        TOvcCommandProcessor processor;
        ReadTableList(processor, "wendax-command-tables 1\n\ntable \"A\" active\n1 x\nend\n");
    } catch (const EInvalidTableData& e) {
        EXPECT_STREQ(e.what(), "Invalid command table data: line 4: bad command code");
    }
}

TEST(MalformedText, ASingleTableFormNeedsExactlyOneTable) {
    TOvcCommandTable table;
    EXPECT_THROW(ReadCommandList(table, "wendax-command-table 1\n"), EInvalidTableData);
    EXPECT_THROW(ReadCommandList(table,
                                 "wendax-command-table 1\ntable \"A\" active\nend\n"
                                 "table \"B\" active\nend\n"),
                 EInvalidTableData);
    EXPECT_EQ(table.Name(), "(Unknown)");
}

}  // namespace
}  // namespace wendax
