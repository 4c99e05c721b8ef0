// Key translation: every transition of the sequence state machine, the application's
// tables, table order and activity, and a seeded comparison with a plain model.
#include <gtest/gtest.h>

#include <random>

#include "base/exceptions.h"
#include "control/command_processor.h"
#include "control/main_command_tables.h"
#include "key_notation.h"

namespace wendax {
namespace {

using testkit::ParseEntries;
using testkit::ParseKey;

constexpr TCommandCode kProbeCommand = 300;

// A processor with one active table "T": Ctrl+Q,S and Ctrl+K,L (literal next) as two-key
// sequences, Ctrl+P (literal next) and Ctrl+Y as one-key entries, and F5 as a probe whose
// result tells the state: kProbeCommand when idle, ccBrokenSequence when a first key is
// pending, ccUnmapped when the next key is taken literally.
class SequenceStates : public ::testing::Test {
  protected:
    SequenceStates() {
        processor.Clear();
        processor.CreateTable("T", true);
        for (const CommandRec& e :
             ParseEntries("Ctrl+Q,S ccHome; Ctrl+K,L ccCtrlChar; Ctrl+P ccCtrlChar; "
                          "Ctrl+Y ccDelLine")) {
            processor.AddCommand("T", e);
        }
        processor.AddCommand("T", {vkF(5), 0, 0, 0, kProbeCommand});
    }

    TCommandCode Key(std::string_view key) { return processor.TranslateKeyMessage(ParseKey(key)); }
    TCommandCode Probe() { return Key("F5"); }

    void EnterPending() { ASSERT_EQ(Key("Ctrl+Q"), ccPendingSequence); }
    void EnterLiteral() { ASSERT_EQ(Key("Ctrl+P"), ccCtrlChar); }

    TOvcCommandProcessor processor;
};

const char* const kModifierKeys[] = {"Shift", "Ctrl", "Alt", "CapsLock", "NumLock", "ScrollLock"};

TEST_F(SequenceStates, IdleModifierKeysAreUnmappedAndStayIdle) {
    for (const char* key : kModifierKeys)
        EXPECT_EQ(Key(key), ccUnmapped) << key;
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, IdleFirstKeyOfASequenceIsPendingAndWaits) {
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Probe(), ccBrokenSequence);
}

TEST_F(SequenceStates, IdleCtrlCharEntryTakesTheNextKeyLiterally) {
    EXPECT_EQ(Key("Ctrl+P"), ccCtrlChar);
    EXPECT_EQ(Probe(), ccUnmapped);
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, IdleOneKeyEntryGivesItsCommandAndStaysIdle) {
    EXPECT_EQ(Key("Ctrl+Y"), ccDelLine);
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, IdleUnmatchedKeyIsUnmapped) {
    EXPECT_EQ(Key("A"), ccUnmapped);
    EXPECT_EQ(Key("Shift+Y"), ccUnmapped);  // modifiers must match exactly
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, PendingModifierKeysKeepTheSequenceGoing) {
    EnterPending();
    for (const char* key : kModifierKeys)
        EXPECT_EQ(Key(key), ccPendingSequence) << key;
    EXPECT_EQ(Key("S"), ccHome);
}

TEST_F(SequenceStates, PendingSecondKeyWithCtrlCharTakesTheNextKeyLiterally) {
    EXPECT_EQ(Key("Ctrl+K"), ccPendingSequence);
    EXPECT_EQ(Key("L"), ccCtrlChar);
    EXPECT_EQ(Probe(), ccUnmapped);
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, PendingSecondKeyGivesTheCommandAndReturnsToIdle) {
    EnterPending();
    EXPECT_EQ(Key("S"), ccHome);
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, PendingOtherKeyBreaksTheSequence) {
    EnterPending();
    EXPECT_EQ(Key("X"), ccBrokenSequence);
    EXPECT_EQ(Probe(), kProbeCommand);
    EnterPending();
    EXPECT_EQ(Key("Ctrl+Y"), ccBrokenSequence);  // not translated as a first key
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, LiteralModifierKeysAreUnmappedAndKeepWaiting) {
    EnterLiteral();
    for (const char* key : kModifierKeys)
        EXPECT_EQ(Key(key), ccUnmapped) << key;
    EXPECT_EQ(Probe(), ccUnmapped);
}

TEST_F(SequenceStates, LiteralAnyOtherKeyIsUnmappedWhateverItIs) {
    EnterLiteral();
    EXPECT_EQ(Key("Ctrl+Y"), ccUnmapped);
    EXPECT_EQ(Probe(), kProbeCommand);
    EnterLiteral();
    EXPECT_EQ(Key("Ctrl+Q"), ccUnmapped);
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, SecondKeyMatchesWithoutModifiersOrWithCtrlAloneOnly) {
    EnterPending();
    EXPECT_EQ(Key("Ctrl+S"), ccHome);
    for (const char* key : {"Shift+S", "Alt+S", "Ctrl+Shift+S", "Ctrl+Alt+S"}) {
        EnterPending();
        EXPECT_EQ(Key(key), ccBrokenSequence) << key;
    }
}

TEST_F(SequenceStates, ResetSequenceForgetsAPendingFirstKeyAndALiteralNext) {
    EnterPending();
    processor.ResetSequence();
    EXPECT_EQ(Probe(), kProbeCommand);
    EnterLiteral();
    processor.ResetSequence();
    EXPECT_EQ(Probe(), kProbeCommand);
}

TEST_F(SequenceStates, TranslateKeyShiftConvertsToolkitBitsToEntryBits) {
    processor.CreateTable("Mods", true);
    for (std::uint8_t bits = 0; bits < 8; ++bits) {
        const std::uint8_t shift =
            (bits & 1 ? ksShift : 0) | (bits & 2 ? ksAlt : 0) | (bits & 4 ? ksCtrl : 0);
        processor.AddCommand("Mods", {vkF(3), shift, 0, 0, TCommandCode(400 + shift)});
    }
    EXPECT_EQ(processor.TranslateKeyShift(vkF(3), 0), 400);
    EXPECT_EQ(processor.TranslateKeyShift(vkF(3), ssShift), 400 + ksShift);
    EXPECT_EQ(processor.TranslateKeyShift(vkF(3), ssAlt), 400 + ksAlt);
    EXPECT_EQ(processor.TranslateKeyShift(vkF(3), ssCtrl), 400 + ksCtrl);
    EXPECT_EQ(processor.TranslateKeyShift(vkF(3), ssCtrl | ssShift | ssAlt), 414);
}

class ApplicationTables : public ::testing::Test {
  protected:
    ApplicationTables() { LoadMainCommandTables(processor); }
    TCommandCode Key(std::string_view key) { return processor.TranslateKeyMessage(ParseKey(key)); }
    TOvcCommandProcessor processor;
};

TEST_F(ApplicationTables, CtrlQThenSGoesHomeWithOrWithoutCtrlButNotWithShift) {
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("S"), ccHome);
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("Ctrl+S"), ccHome);
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("Shift+S"), ccBrokenSequence);
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("X"), ccBrokenSequence);
}

TEST_F(ApplicationTables, ShiftPressedBetweenTheTwoKeysKeepsTheSequence) {
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("Shift"), ccPendingSequence);
    EXPECT_EQ(Key("Ctrl"), ccPendingSequence);
    EXPECT_EQ(Key("S"), ccHome);
}

TEST_F(ApplicationTables, CtrlPTakesTheNextKeyLiterallyAndThenTranslatesNormally) {
    EXPECT_EQ(Key("Ctrl+P"), ccCtrlChar);
    EXPECT_EQ(Key("Shift"), ccUnmapped);
    EXPECT_EQ(Key("Ctrl+Y"), ccUnmapped);
    EXPECT_EQ(Key("Ctrl+Y"), ccDelLine);
}

TEST_F(ApplicationTables, CtrlZFallsThroughToUndoAndWordStarWinsForSharedKeys) {
    EXPECT_EQ(Key("Ctrl+Z"), ccUndo);
    EXPECT_EQ(Key("Ctrl+A"), ccUnmapped);
    EXPECT_EQ(Key("Ctrl+F"), ccUnmapped);
    EXPECT_EQ(Key("Ctrl+G"), ccUnmapped);
    EXPECT_EQ(Key("Ctrl+X"), ccDown);
    EXPECT_EQ(Key("Ctrl+C"), ccNextPage);
    EXPECT_EQ(Key("Ctrl+V"), ccIns);
    EXPECT_EQ(Key("Left"), ccLeft);
    EXPECT_EQ(Key("Ctrl+Shift+Z"), ccRedo);
}

TEST_F(ApplicationTables, BookmarkSequencesTakeTheDigitAsSecondKey) {
    EXPECT_EQ(Key("Ctrl+K"), ccPendingSequence);
    EXPECT_EQ(Key("3"), ccSetMarker(3));
    EXPECT_EQ(Key("Ctrl+Q"), ccPendingSequence);
    EXPECT_EQ(Key("Ctrl+9"), ccGotoMarker(9));
    EXPECT_EQ(Key("Ctrl+5"), ccGotoMarker(5));  // Default's one-key entry
}

TEST(TableOrder, WordStarFirstAndActiveWithBuiltinContentMakesCtrlZScrollDown) {
    TOvcCommandProcessor processor;
    auto wordStar = std::make_unique<TOvcCommandTable>(processor.Table(1));
    processor.Clear();
    wordStar->SetActive(true);
    processor.AddTable(std::move(wordStar));
    processor.CreateTable("Default", true);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Ctrl+Z")), ccScrollDown);
}

TEST(TableOrder, AOneKeyEntryOfAnEarlierTableHidesALaterSequence) {
    TOvcCommandProcessor processor;
    processor.Clear();
    processor.CreateTable("A", true);
    processor.CreateTable("B", true);
    processor.AddCommand("A", testkit::ParseEntry("Ctrl+Q ccDelLine"));
    processor.AddCommand("B", testkit::ParseEntry("Ctrl+Q,S ccHome"));
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Ctrl+Q")), ccDelLine);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("S")), ccUnmapped);
}

TEST(TableOrder, InactiveTablesAreNeverConsultedNotEvenForASecondKey) {
    TOvcCommandProcessor processor;
    processor.Clear();
    processor.CreateTable("Off", false);
    processor.CreateTable("On", true);
    for (const CommandRec& e : ParseEntries("Ctrl+Q,X ccDelEol; Ctrl+W ccScrollUp; Left ccLeft")) {
        processor.AddCommand("Off", e);
    }
    processor.AddCommand("On", testkit::ParseEntry("Ctrl+Q,S ccHome"));
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Ctrl+W")), ccUnmapped);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Left")), ccUnmapped);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Ctrl+Q")), ccPendingSequence);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("X")), ccBrokenSequence);
}

TEST(TableOrder, AMatchedEntryWithCommandNoneLetsTheNextTableAnswer) {
    TOvcCommandProcessor processor;
    processor.Clear();
    processor.CreateTable("A", true);
    processor.CreateTable("B", true);
    processor.AddCommand("A", {vkF(2), 0, 0, 0, ccNone});
    processor.AddCommand("B", {vkF(2), 0, 0, 0, ccTableEdit});
    EXPECT_EQ(processor.TranslateKeyMessage({vkF(2), 0}), ccTableEdit);
}

TEST(ProcessorTables, AddCommandRaisesForAMissingTableOrADuplicateAndChangesNothing) {
    TOvcCommandProcessor processor;
    EXPECT_THROW(processor.AddCommand("Nope", {vkF(2), 0, 0, 0, ccHome}), ETableNotFound);
    const int before = processor.Table(0).Count();
    try {
        processor.AddCommand("default", {vkLeft, 0, 0, 0, ccHome});
        FAIL() << "no exception";
    } catch (const EDuplicateCommand& e) {
        EXPECT_STREQ(e.what(), "Duplicate command found while adding a new command to the table");
    }
    EXPECT_EQ(processor.Table(0).Count(), before);
    processor.AddCommand("DEFAULT", {vkLeft, ksAlt, 0, 0, ccHome});  // any letter case
    EXPECT_EQ(processor.Table(0).Count(), before + 1);
}

TEST(ProcessorTables, GetTableIgnoresCaseAndTableRaisesOutsideTheRange) {
    TOvcCommandProcessor processor;
    EXPECT_EQ(processor.GetTable("wORDsTAR"), &processor.Table(1));
    EXPECT_EQ(processor.GetTable("Word"), nullptr);
    EXPECT_THROW(processor.Table(3), ETableNotFound);
    EXPECT_THROW(processor.Table(-1), ETableNotFound);
    processor.Clear();
    EXPECT_EQ(processor.Count(), 0);
    EXPECT_EQ(processor.TranslateKeyMessage(ParseKey("Left")), ccUnmapped);
}

TEST(UniqueNames, TakenNamesGetTheFirstFreeNumber) {
    TOvcCommandProcessor processor;
    EXPECT_EQ(processor.Table(processor.CreateTable("Default", true)).Name(), "Default1");
    EXPECT_EQ(processor.Table(processor.CreateTable("default", true)).Name(), "default2");
    EXPECT_EQ(processor.Table(processor.CreateTable("Default7", true)).Name(), "Default3");
}

TEST(UniqueNames, DigitsStayWhenTheStemIsFreeAndOneCharacterNamesKeepTheirDigit) {
    TOvcCommandProcessor processor;
    processor.Clear();
    EXPECT_EQ(processor.Table(processor.CreateTable("Default7", true)).Name(), "Default7");
    EXPECT_EQ(processor.Table(processor.CreateTable("7", true)).Name(), "7");
    EXPECT_EQ(processor.Table(processor.CreateTable("7", true)).Name(), "71");
    EXPECT_EQ(processor.Table(processor.CreateTable("77", true)).Name(), "72");
}

TEST(UniqueNames, ANameTakenWhileItsStemIsFreeGetsTheStem) {
    TOvcCommandProcessor processor;
    processor.Clear();
    processor.CreateTable("Keys5", true);
    EXPECT_EQ(processor.Table(processor.CreateTable("Keys5", true)).Name(), "Keys");
    EXPECT_EQ(processor.Table(processor.CreateTable("Keys5", true)).Name(), "Keys1");
}

TEST(UniqueNames, ManyTablesOfOneNameAreNumberedInTurn) {
    TOvcCommandProcessor processor;
    processor.Clear();
    for (int i = 0; i < 950; ++i) {
        ASSERT_EQ(processor.Table(processor.CreateTable("keys", true)).Name(),
                  i == 0 ? "keys" : "keys" + std::to_string(i));
        ASSERT_EQ(processor.UniqueTableName("Keys" + std::to_string(i)),
                  "Keys" + std::to_string(i + 1));
    }
}

// A plain model of translation: the active entries of all tables in one list, searched
// front to back, with the three states written out as the state table gives them.
class TModelTranslator {
  public:
    explicit TModelTranslator(const TOvcCommandProcessor& processor) {
        for (int t = 0; t < processor.Count(); ++t) {
            if (!processor.Table(t).Active()) continue;
            for (const CommandRec& e : processor.Table(t).Entries())
                FEntries.push_back(e);
        }
    }

    TCommandCode Translate(TKeyMessage key) {
        const bool modifier = key.Key == vkShift || key.Key == vkControl || key.Key == vkMenu ||
                              key.Key == vkCapital || key.Key == vkNumLock || key.Key == vkScroll;
        switch (FState) {
            case 0:
                if (modifier) return ccUnmapped;
                return FromIdle(key);
            case 1:
                if (modifier) return ccPendingSequence;
                return FromPending(key);
            default:
                if (!modifier) FState = 0;
                return ccUnmapped;
        }
    }

  private:
    TCommandCode FromIdle(TKeyMessage key) {
        for (const CommandRec& e : FEntries) {
            if (e.Key1 != key.Key || e.Shift1 != key.Shift) continue;
            if (e.Key2 != 0) {
                FState = 1;
                FPending = key;
                return ccPendingSequence;
            }
            return Finish(e.Cmd);
        }
        return ccUnmapped;
    }

    TCommandCode FromPending(TKeyMessage key) {
        for (const CommandRec& e : FEntries) {
            const bool shiftMatches =
                e.Shift2 == key.Shift ||
                (e.Shift2 == ksNoneOrCtrl && (key.Shift == 0 || key.Shift == ksCtrl));
            if (e.Key1 == FPending.Key && e.Shift1 == FPending.Shift && e.Key2 == key.Key &&
                shiftMatches) {
                return Finish(e.Cmd);
            }
        }
        FState = 0;
        return ccBrokenSequence;
    }

    TCommandCode Finish(TCommandCode cmd) {
        FState = cmd == ccCtrlChar ? 2 : 0;
        return cmd;
    }

    std::vector<CommandRec> FEntries;
    int FState = 0;
    TKeyMessage FPending;
};

// Random tables over a small alphabet of keys and modifiers (commands never ccNone), and
// random key streams mixing modifier keys in; every result must match the model.
TEST(TranslationModel, RandomTablesAndKeyStreamsMatchThePlainModel) {
    const std::uint8_t keys[] = {'A', 'B', 'C', vkF(2), vkShift, vkControl, vkCapital};
    const std::uint8_t shifts[] = {0, ksCtrl, ksShift, ksCtrl | ksAlt};
    const std::uint8_t shift2s[] = {0, ksCtrl, ksShift, ksNoneOrCtrl};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        auto pick = [&random](const auto& options) {
            return options[random() % std::size(options)];
        };
        TOvcCommandProcessor processor;
        processor.Clear();
        for (int t = 0; t < 3; ++t) {
            const int index = processor.CreateTable("T", random() % 4 != 0);
            for (int n = random() % 8; n > 0; --n) {
                const bool twoKeys = random() % 2;
                const TCommandCode cmd =
                    random() % 5 == 0 ? TCommandCode{ccCtrlChar} : TCommandCode(1 + random() % 300);
                processor.Table(index).AddEntry({pick(keys), pick(shifts),
                                                 twoKeys ? pick(keys) : std::uint8_t{0},
                                                 twoKeys ? pick(shift2s) : std::uint8_t{0}, cmd});
            }
        }
        TModelTranslator model(processor);
        for (int step = 0; step < 200; ++step) {
            const TKeyMessage key{pick(keys), pick(shifts)};
            ASSERT_EQ(processor.TranslateKeyMessage(key), model.Translate(key))
                << "seed " << seed << ", step " << step;
        }
    }
}

}  // namespace
}  // namespace wendax
