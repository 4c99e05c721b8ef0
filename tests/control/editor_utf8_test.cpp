// Editing UTF-8 text: moves, deletions, typing and selection step over whole characters
// (a code point with its combining marks), the caret never stands inside one, wide
// characters take two cells; an 8-bit text takes typed characters as their bytes. A random
// session is compared with a model that works on characters.
#include <random>

#include "engine/char_set.h"
#include "tests/control/editor_test_support.h"

namespace wendax::test {
namespace {

// The sample text: ASCII, two-byte, three-byte wide, four-byte emoji, e with a combining
// acute accent, ASCII.
#define SAMPLE                              \
    "a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80" \
    "e\xcc\x81"                             \
    "b"

void Overwrite(TOvcCustomEditor& e) {
    e.SetInsertMode(false);
}
void EightBit(TOvcCustomEditor& e) {
    e.SetNewTextCharSet(chEightBit);
}
// "a日本語" shows as "a日", "本語" at wrap column 3... see the scripts.
void WrapAt3(TOvcCustomEditor& e) {
    e.SetWordWrap(true);
    e.SetWrapColumn(3);
}

std::vector<TScriptStep> Repeat(TCommandCode cmd, int count) {
    return std::vector<TScriptStep>(static_cast<std::size_t>(count), TScriptStep{cmd});
}

class Utf8Scripts : public testing::TestWithParam<TEditorScript> {};

TEST_P(Utf8Scripts, Run) {
    RunScript(GetParam());
}

const TEditorScript kUtf8Scripts[] = {
    {"RightStepsOverWholeCharacters", "|" SAMPLE, Repeat(ccRight, 5), "aé日😀e\xcc\x81|b"},
    {"LeftStepsBackOverWholeCharacters", SAMPLE "|", Repeat(ccLeft, 5),
     "a|é日😀e\xcc\x81"
     "b"},
    {"DelRemovesEveryByteOfTheCharacter", "a|é日", {{ccDel}, {ccDel}}, "a|"},
    {"BackRemovesTheEmojiAndTheMarkedLetter", "a😀e\xcc\x81|b", {{ccBack}, {ccBack}}, "a|b"},
    {"ExtendRightSelectsWholeCharacters", "|" SAMPLE, Repeat(ccExtendRight, 3),
     "[aé日|]😀e\xcc\x81"
     "b"},
    {"TypingPutsUtf8In", "a|b", Typing("é日😀"), "aé日😀|b"},
    {"TypingAMarkJoinsItToTheLetter", "e|b", Concat({Typing("\xcc\x81"), {{ccLeft}}}),
     "|e\xcc\x81"
     "b"},
    {"OverwriteReplacesAWholeCharacter", "a|日😀b", Typing("xy"), "axy|b", -1, Overwrite},
    {"OverwriteWithAWideCharacter", "|ab", Typing("日"), "日|b", -1, Overwrite},
    {"WordRightTreatsEveryScriptAsWordCharacters", "|日本語 ελληνικά—кириллица x",
     Repeat(ccWordRight, 2), "日本語 ελληνικά—|кириллица x"},
    {"WordLeftStopsAtTheWordStart", "Grüße “qé|”", {{ccWordLeft}, {ccWordLeft}}, "|Grüße “qé”"},
    {"DelWordTakesTheWholeWord", "|naïve café", {{ccDelWord}}, "|café"},
    {"EndStopsBeforeTheLastCharacterOfAContinuingLine",
     "|a日本語",
     {{ccEnd}},
     "a|日本語",
     -1,
     WrapAt3},
    {"DownKeepsTheScreenColumnInCells", "ab|cd\n日本語", {{ccDown}}, "abcd\n日|本語"},
    {"InvalidBytesAreCharactersOfTheirOwn", "|a\xff\xe6\x97z", Repeat(ccRight, 3),
     "a\xff\xe6|\x97z"},
    {"EightBitTakesTheByteOfATypedCharacter", "a|b", Typing("é€"), "a\xe9\x80|b", -1, EightBit},
    {"EightBitRefusesACharacterWithoutAByte", "a|b", Typing("ł日"), "a|b", -1, EightBit, 0, {}, 2},
    {"EightBitMovesByteByByte", "|\xc3\xa9x", Repeat(ccRight, 1), "\xc3|\xa9x", -1, EightBit},
};

INSTANTIATE_TEST_SUITE_P(Editor, Utf8Scripts, testing::ValuesIn(kUtf8Scripts), ScriptName);

// The wrap never splits a character, and every caret place on the wrapped lines is a
// character start; a click on the second cell of a wide character lands on it.
TEST(Utf8Editor, WrappedWideCharactersAndMouseClicks) {
    TEditorFixture f;
    f.OpenWindow(5, 20);
    f.Editor.SetWordWrap(true);
    f.Editor.SetWrapColumn(3);
    f.Load("|a日本語");
    ASSERT_EQ(f.Editor.LineCount(), 3);  // "a日" | "本" | "語": 本 would pass column 3
    std::vector<std::int32_t> positions;
    for (int i = 0; i < 6; ++i) {
        positions.push_back(f.Editor.CaretParaPos().Pos);
        f.Editor.ProcessCommand(ccRight, 0);
        ASSERT_EDITOR_VALID(f.Editor);
    }
    EXPECT_EQ(positions, (std::vector<std::int32_t>{1, 2, 5, 8, 11, 11}));
    // Row 1, cells 2 and 3 hold 日; a click on the left half of its second cell lands on it.
    f.Window->Press({15 + 2 * kCellWidth + 2, 3});
    f.Window->Release({15 + 2 * kCellWidth + 2, 3});
    EXPECT_EQ(f.Editor.CaretParaPos().Pos, 2);
    f.Window->DoubleClickAt({15 + kCellWidth + 2, kLineHeight + 3});
    EXPECT_EQ(Marked(f.Editor), "a日[本|]語");  // the word, on the clicked display line
}

// Reinterpreting a UTF-8 text as 8-bit changes no byte; back in UTF-8 the caret that stood
// inside a character moves to its start.
TEST(Utf8Editor, ReinterpretingKeepsTheBytesAndPutsTheCaretOnACharacter) {
    TEditorFixture f;
    f.Load("日|本");
    f.Editor.SetCharSet(chEightBit);
    f.Editor.ProcessCommand(ccRight, 0);
    EXPECT_EQ(f.Editor.CaretParaPos().Pos, 5);
    f.Editor.SetCharSet(chUtf8);
    EXPECT_EDITOR_VALID(f.Editor);
    EXPECT_EQ(Marked(f.Editor), "日|本");
}

// Other programs get UTF-8 from either set; pastes are taken in the text's set: exact bytes
// as they are when the sets agree, converted otherwise, refused when an 8-bit text has no
// byte for a character.
TEST(Utf8Editor, ClipboardGivesUtf8AndPastesIntoTheTextsSet) {
    TEditorFixture f;
    f.Editor.SetNewTextCharSet(chEightBit);
    f.Load("[Caf\xe9 \x80|]");
    f.Editor.ProcessCommand(ccCopy, 0);
    EXPECT_EQ(f.Platform.ClipboardPlain, "Café €");
    EXPECT_EQ(f.Platform.Clipboard, "Caf\xe9 \x80");
    EXPECT_FALSE(f.Platform.ClipboardIsUtf8);

    f.Editor.SetNewTextCharSet(chUtf8);
    f.Load("|");
    f.Editor.ProcessCommand(ccPaste, 0);  // the 8-bit copy, converted
    EXPECT_EQ(Marked(f.Editor), "Café €|");

    f.Platform.Clipboard = "Grüße – “q”";  // from another program: plain UTF-8 only
    f.Platform.ClipboardPlain.reset();
    f.Platform.ClipboardIsUtf8 = true;
    f.Editor.SetNewTextCharSet(chEightBit);
    f.Load("|");
    f.Editor.ProcessCommand(ccPaste, 0);
    EXPECT_EQ(Marked(f.Editor),
              "Gr\xfc\xdf"
              "e \x96 \x93q\x94|");

    std::vector<char32_t> missing;
    f.Editor.OnCharWithoutByte = [&missing](TOvcCustomEditor&, char32_t code) {
        missing.push_back(code);
    };
    f.Platform.Clipboard = "ok ł 日本";
    f.Load("|");
    f.Editor.ProcessCommand(ccPaste, 0);
    EXPECT_EQ(Marked(f.Editor), "|");
    EXPECT_EQ(missing, (std::vector<char32_t>{U'ł'}));
    EXPECT_EQ(f.Platform.Beeps, 1);
}

// Printed lines are UTF-8 in both sets, tabs counted in cells as on the screen, an invalid
// byte as the replacement mark; the buffer limit never cuts a character.
TEST(Utf8Editor, PrintableLinesAreUtf8CountedInCells) {
    TEditorFixture f;
    f.Load("|a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80\tb\xff\ne\xcc\x81x");
    EXPECT_EQ(f.Editor.GetPrintableLine(1), "aé日😀  b\uFFFD");
    EXPECT_EQ(f.Editor.GetPrintableLine(1, 3), "aé");  // 日 would pass the third cell
    EXPECT_EQ(f.Editor.GetPrintableLine(1, 7), "aé日😀 ");
    EXPECT_EQ(f.Editor.GetPrintableLine(2, 1), "e\u0301");  // the mark stays with its letter

    f.Editor.SetNewTextCharSet(chEightBit);
    f.Load("|a\xe9\x80\tb\xff");
    EXPECT_EQ(f.Editor.GetPrintableLine(1), "aé€     bÿ");
}

// A smart tab lines the caret up with the next word of the line above by cells, as the
// screen shows them, not by bytes; a fixed tab reaches the next tab stop on the screen.
TEST(Utf8Editor, SmartAndFixedTabsCountCells) {
    TEditorFixture f;
    f.Editor.SetTabType(ttSmart);
    f.Load("日本 x\n|");
    f.Editor.ProcessCommand(ccTab, 0);
    EXPECT_EQ(Marked(f.Editor), "日本 x\n     |");
    f.Load("ab cd\né|");
    f.Editor.ProcessCommand(ccTab, 0);
    EXPECT_EQ(Marked(f.Editor), "ab cd\né  |");
    f.Editor.SetTabType(ttFixed);
    f.Load("日é|");
    f.Editor.ProcessCommand(ccTab, 0);
    EXPECT_EQ(Marked(f.Editor), "日é     |");
    f.Load("\t|");
    f.Editor.ProcessCommand(ccTab, 0);
    EXPECT_EQ(Marked(f.Editor), "\t        |");
}

// Case-insensitive search folds Latin, Greek and Cyrillic letters in UTF-8 and never takes
// a match that ends inside a character; whole words know letters of every script; an
// 8-bit text keeps its upper-casing table.
TEST(Utf8Editor, SearchFoldsCaseAndKeepsToCharacters) {
    TEditorFixture f;
    const auto found = [&f](const char* text, const char* pattern, TEditorSearchOptions options) {
        f.Load(text);
        f.Editor.Search(pattern, options | srEntireScope);
        return Marked(f.Editor);
    };
    EXPECT_EQ(found("|x CAFÉ ΣΟΦΊΑ ЖУК", "café", 0), "x [CAFÉ|] ΣΟΦΊΑ ЖУК");
    EXPECT_EQ(found("|x CAFÉ σοφία ЖУК", "ΣΟΦΊΑ", 0), "x CAFÉ [σοφία|] ЖУК");
    EXPECT_EQ(found("|жук Жук", "ЖУК", srMatchCase), "|жук Жук");
    EXPECT_EQ(found("|Ú Ê", "ê", 0), "Ú [Ê|]");  // not the 8-bit table's pairs of bytes
    EXPECT_EQ(found("|e\xcc\x81 e", "e", 0), "e\xcc\x81 [e|]");
    EXPECT_EQ(found("|日本語 本", "本", srWholeWordsOnly), "日本語 [本|]");
    EXPECT_EQ(found("|łódź łó", "ŁÓ", srWholeWordsOnly), "łódź [łó|]");
    f.Load("x [CAFÉ|] y");  // the replace step folds as the search does
    f.Editor.Replace("café", "tea", srReplace);
    EXPECT_EQ(PlainText(f.Editor), "x tea y");
    f.Editor.SetNewTextCharSet(chEightBit);
    EXPECT_EQ(found("|x CAF\xc9", "caf\xe9", 0), "x [CAF\xc9|]");
}

// ---- Differential session against a model of characters

// A paragraph as characters (each a string of bytes) and the caret as a character index.
struct TCharModel {
    std::vector<std::string> Chars;
    std::size_t Caret = 0;

    std::string Bytes() const {
        std::string out;
        for (const std::string& c : Chars)
            out += c;
        return out;
    }
    std::int32_t CaretPos() const {
        std::int32_t pos = 1;
        for (std::size_t i = 0; i < Caret; ++i)
            pos += static_cast<std::int32_t>(Chars[i].size());
        return pos;
    }
};

// Characters the session types: a mark only ever follows a letter it joins.
const std::vector<std::string> kPieces = {"a",  "z",  " ", "é", "Ω",         "ж",
                                          "日", "語", "😀", "🎉", "e\xcc\x81", "\xe2\x80\x93"};

TEST(Utf8Editor, RandomSessionMatchesACharacterModel) {
    TEditorFixture f;
    f.Load("|");
    TCharModel model;
    std::mt19937 random(1234);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    for (int step = 0; step < 4000; ++step) {
        std::string how;
        switch (pick(8)) {
            case 0:
            case 1: {
                const std::string& piece = kPieces[pick(kPieces.size())];
                how = "type " + piece;
                for (const TScriptStep& s : Typing(piece))
                    f.Editor.ProcessCommand(s.Cmd, s.Char);
                model.Chars.insert(model.Chars.begin() + static_cast<std::ptrdiff_t>(model.Caret),
                                   piece);
                ++model.Caret;
                break;
            }
            case 2:
                how = "left";
                f.Editor.ProcessCommand(ccLeft, 0);
                if (model.Caret > 0) --model.Caret;
                break;
            case 3:
                how = "right";
                f.Editor.ProcessCommand(ccRight, 0);
                if (model.Caret < model.Chars.size()) ++model.Caret;
                break;
            case 4:
                how = "del";
                f.Editor.ProcessCommand(ccDel, 0);
                if (model.Caret < model.Chars.size())
                    model.Chars.erase(model.Chars.begin() +
                                      static_cast<std::ptrdiff_t>(model.Caret));
                break;
            case 5:
                how = "back";
                f.Editor.ProcessCommand(ccBack, 0);
                if (model.Caret > 0) {
                    --model.Caret;
                    model.Chars.erase(model.Chars.begin() +
                                      static_cast<std::ptrdiff_t>(model.Caret));
                }
                break;
            case 6: {
                // A caret placed at any byte lands on the start of the character holding it.
                const std::int32_t length = static_cast<std::int32_t>(model.Bytes().size());
                const auto pos =
                    static_cast<std::int32_t>(pick(static_cast<std::size_t>(length + 1))) + 1;
                how = "caret to byte " + std::to_string(pos);
                f.Editor.SetCaretParaPos({1, pos});
                std::int32_t begin = 1;
                model.Caret = 0;
                while (model.Caret < model.Chars.size() &&
                       begin + static_cast<std::int32_t>(model.Chars[model.Caret].size()) <= pos) {
                    begin += static_cast<std::int32_t>(model.Chars[model.Caret].size());
                    ++model.Caret;
                }
                break;
            }
            default: {
                how = "overwrite";
                const std::string& piece = kPieces[pick(kPieces.size())];
                f.Editor.SetInsertMode(false);
                for (const TScriptStep& s : Typing(piece))
                    f.Editor.ProcessCommand(s.Cmd, s.Char);
                f.Editor.SetInsertMode(true);
                // A typed mark joins the character before; the model's pieces carry theirs.
                if (model.Caret < model.Chars.size()) {
                    model.Chars[model.Caret] = piece;
                } else {
                    model.Chars.push_back(piece);
                }
                ++model.Caret;
                break;
            }
        }
        ASSERT_EDITOR_VALID(f.Editor) << "step " << step << " " << how;
        ASSERT_EQ(std::string(f.Editor.Store().ParaText(1)), model.Bytes())
            << "step " << step << " " << how;
        ASSERT_EQ(f.Editor.CaretParaPos().Pos, model.CaretPos()) << "step " << step << " " << how;
    }
}

}  // namespace
}  // namespace wendax::test
