// Randomized differential test of the paragraph store against a plain model: random
// sequences of edit primitives, line-end conversions, settings, markers, saves, undos and
// redos, with every invariant, the text, the line ends and the bytes a save writes checked
// after every step, then undo of everything and redo of
// everything. Most sequences run with index blocks of 1 to 8 paragraphs, so that blocks split,
// merge and vanish all the time. WENDAX_STORE_SEQUENCES and WENDAX_STORE_SEED set a longer run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engine/para_list.h"
#include "engine/text_file_writer.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/memory_file_system.h"
#include "tests/engine/store_model.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using Texts = std::vector<std::string>;

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoull(value, nullptr, 10) : fallback;
}

class TSequence {
  public:
    explicit TSequence(std::uint64_t seed) : FRandom(seed), FEndRandom(seed ^ 0x5bd1e995u) {}

    // Runs one sequence; the caller reports the seed on failure.
    void Run();

  private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint64_t>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    // Line ends come from a generator of their own, so that the choices of the main one
    // (and the seeds found for rare cases) stay as they were.
    TLineEnd AnyEnd() { return static_cast<TLineEnd>(FEndRandom() % kLineEndKinds); }
    bool EndChance(int percent) { return static_cast<int>(FEndRandom() % 100) < percent; }
    void ConvertLineEnds();
    std::string Word();
    std::string Chars(int most);
    std::string TextWithBreaks();
    std::int32_t AnyPara() { return Pick(static_cast<int>(FModel.Paras.size()) + 2); }
    std::int32_t AnyPos(std::int32_t k);
    std::uint8_t AnyTabSize() {
        return static_cast<std::uint8_t>(Chance(90) ? 1 + Pick(8) : 9 + Pick(247));
    }

    void Configure();
    void Step();
    void Edit();
    bool OverwritesWithSame(std::int32_t k, std::int32_t p, std::int32_t o,
                            const std::string& text) const;
    void ChangeSetting();
    void UndoStep();
    void RedoStep();
    void Remember();
    void TakeStoreText();
    void Verify();
    void VerifyLines();
    void UndoAndRedoEverything();

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::mt19937_64 FRandom;
    std::mt19937_64 FEndRandom;
    test::TStoreModel FModel;
    std::unique_ptr<TParaList> FStore;
    test::TRecordingView FActing;
    test::TRecordingView FOther;
    std::vector<Texts> FHistory;  // snapshots between recorded changes, oldest first
    std::size_t FCursor = 0;      // the entry the text is at
    std::size_t FSaved = 0;
    bool FUndoneMidway = false;
    bool FRewritten = false;  // the last edit overwrote characters with the same ones
    std::int32_t FTypingPara = 0;
    std::int32_t FTypingPos = 0;
};

void TSequence::Configure() {
    const std::uint16_t undoSizes[] = {0, 64, 300, 1000, 8192, 65535};
    FStore = std::make_unique<TParaList>(nullptr, Chance(60), undoSizes[Pick(6)]);
    const std::int32_t columns[] = {1, 2, 3, 5, 8, 13, 20, 40, 80, 200, kMaxInt32};
    FStore->SetWrapColumn(columns[Pick(11)]);
    FStore->SetTabSize(AnyTabSize());
    if (Chance(30)) {
        FModel.ParaLimit = 3 + Pick(12);
        FModel.ByteLimit = 40 + Pick(400);
        FModel.ParaLengthLimit = 4 + Pick(60);
    }
    FStore->SetParaLimit(FModel.ParaLimit);
    FStore->SetByteLimit(FModel.ByteLimit);
    FStore->SetParaLengthLimit(FModel.ParaLengthLimit);
    const int loaded = Pick(7);
    const bool trim = Chance(50);
    for (int i = 0; i < loaded; ++i) {
        std::string line = Chars(70);
        const TLineEnd end = AnyEnd();
        FStore->AppendLoadedPara(line, trim, end);
        while (trim && !line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        FModel.Paras.insert(FModel.Paras.end() - 1, line);
        FModel.Ends.insert(FModel.Ends.end() - 1, end);
    }
    const bool finalLineEnd = EndChance(70);
    FStore->EndLoading(finalLineEnd);
    if (!finalLineEnd && FModel.Paras.size() > 1) {
        FModel.Paras.pop_back();
        FModel.Ends.pop_back();
    } else {
        FModel.Ends.pop_back();
        FModel.Ends.push_back(FModel.Style());
    }
    FStore->AddView(&FActing);
    FStore->AddView(&FOther);
    FOther.Store = FStore.get();
    FHistory = {FModel.Snapshot()};
}

std::string TSequence::Word() {
    static const char* const kWords[] = {"a",   "bb", "ccc",        "dddd", "eeeeeee",
                                         "x-y", "-",  "longerword", "\t",   "  "};
    return kWords[Pick(10)];
}

std::string TSequence::Chars(int most) {
    std::string text;
    const int words = Pick(most / 4 + 1);
    for (int i = 0; i < words && static_cast<int>(text.size()) < most; ++i) {
        text += Word();
        if (Chance(70)) text += ' ';
    }
    return text;
}

std::string TSequence::TextWithBreaks() {
    static const char* const kBreaks[] = {"\n", "\r\n", "\r", "\r\r\n", "\n\n", "\r\n\r\n"};
    std::string text;
    const int pieces = 1 + Pick(4);
    for (int i = 0; i < pieces; ++i) {
        text += Chars(20);
        if (i + 1 < pieces || Chance(50)) text += kBreaks[Pick(6)];
    }
    if (Chance(5)) text += std::string(1, '\0') + "after";
    return text;
}

std::int32_t TSequence::AnyPos(std::int32_t k) {
    const bool exists = k >= 1 && k <= static_cast<std::int32_t>(FModel.Paras.size());
    const auto length =
        exists ? static_cast<std::int32_t>(FModel.Paras[static_cast<std::size_t>(k - 1)].size())
               : 3;
    return Chance(10) ? length + 1 + Pick(6) : 1 + Pick(length + 1);
}

void TSequence::Run() {
    Configure();
    Verify();
    const int steps = 20 + Pick(120);
    for (int i = 0; i < steps && !::testing::Test::HasFatalFailure(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        Step();
        Verify();
    }
    if (!::testing::Test::HasFatalFailure()) UndoAndRedoEverything();
}

void TSequence::Step() {
    if (EndChance(3)) ConvertLineEnds();
    if (::testing::Test::HasFatalFailure()) return;
    const int choice = Pick(100);
    if (choice < 4) {
        ChangeSetting();
    } else if (choice < 7) {
        FStore->PutMarker(Pick(10), AnyPara(), 1 + Pick(8));
    } else if (choice < 9) {
        FStore->SetModified(false);
        FSaved = FCursor;
    } else if (choice < 14) {
        UndoStep();
    } else if (choice < 17) {
        RedoStep();
    } else {
        const std::uint16_t undoCount = FStore->UndoBuffer().UndoCount();
        const std::uint16_t free = FStore->UndoBuffer().Free();
        const Texts before = FModel.Snapshot();
        FRewritten = false;
        Edit();
        // A change that leaves the text as it was is still a step of the history, and when
        // the buffer dropped an old group of the same size to make room for it, the counters
        // do not show it either.
        if (FModel.Snapshot() != before || FRewritten ||
            FStore->UndoBuffer().UndoCount() != undoCount || FStore->UndoBuffer().Free() != free) {
            Remember();
        }
    }
}

void TSequence::Edit() {
    const int choice = Pick(100);
    const std::int32_t k = AnyPara();
    const std::int32_t p = AnyPos(k);
    TTextView* view = &FActing;
    if (choice < 20) {  // typing runs continue where they left off, so that they merge
        const bool typingOn = Chance(60) && FTypingPara > 0;
        const std::int32_t at = typingOn ? FTypingPara : k;
        const std::int32_t pos = typingOn ? FTypingPos : p;
        const std::string text = Chance(70) ? std::string(1, "ab -\tx"[Pick(6)]) : Chars(12);
        ASSERT_EQ(FStore->InsertChars(view, at, pos, text), FModel.InsertChars(at, pos, text));
        FTypingPara = at;
        FTypingPos = pos + static_cast<std::int32_t>(text.size());
        return;
    }
    FTypingPara = 0;
    if (choice < 32) {
        const std::int32_t n = Chance(60) ? 1 : Pick(15);
        FStore->DeleteChars(view, k, p, n);
        FModel.DeleteChars(k, p, n);
    } else if (choice < 40) {
        const std::int32_t o = Pick(5);
        const std::string text = Chars(8);
        FRewritten = OverwritesWithSame(k, p, o, text);
        ASSERT_EQ(FStore->ReplaceChars(view, k, p, o, text), FModel.ReplaceChars(k, p, o, text));
    } else if (choice < 45) {
        const std::string text = Chars(30);
        ASSERT_EQ(FStore->InsertParaBefore(view, k, text), FModel.InsertParaBefore(k, text));
    } else if (choice < 49) {
        const std::string text = Chars(30);
        ASSERT_EQ(FStore->InsertParaAfter(view, k, text), FModel.InsertParaAfter(k, text));
    } else if (choice < 54) {
        FStore->DeletePara(view, k);
        FModel.DeletePara(k);
    } else if (choice < 66) {
        const bool trim = Chance(50);
        const std::int32_t tab = Pick(9);
        std::int32_t indent = Pick(12);
        std::int32_t modelIndent = indent;
        ASSERT_EQ(FStore->SplitPara(view, k, p, trim, indent, tab),
                  FModel.SplitPara(k, p, trim, modelIndent, tab));
        ASSERT_EQ(indent, modelIndent);
    } else if (choice < 76) {
        ASSERT_EQ(FStore->JoinParas(view, k, p), FModel.JoinParas(k, p));
    } else if (choice < 84) {
        const std::int32_t k2 = k + 1 + Pick(3);
        const std::int32_t p2 = AnyPos(k2);
        FStore->DeleteRegion(view, k, p, k2, p2);
        FModel.DeleteRegion(k, p, k2, p2);
    } else {
        const std::string text = TextWithBreaks();
        TParaPos at{k, p};
        TParaPos modelAt{k, p};
        ASSERT_EQ(FStore->InsertText(view, at, text), FModel.InsertText(modelAt, text));
        ASSERT_EQ(at, modelAt);
    }
}

// Whether ReplaceChars(k, p, o, text) writes the very characters already there: a recorded
// change that leaves the text as it was (typing 'a' over 'a' in overwrite mode).
bool TSequence::OverwritesWithSame(std::int32_t k, std::int32_t p, std::int32_t o,
                                   const std::string& text) const {
    if (k < 1 || k > static_cast<std::int32_t>(FModel.Paras.size()) || p < 1 || text.empty())
        return false;
    const std::string& para = FModel.Paras[static_cast<std::size_t>(k - 1)];
    if (p > static_cast<std::int32_t>(para.size()) + 1) return false;
    return para.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(o)) == text;
}

// A conversion changes nothing in a text whose line ends are all the new one or none;
// then it records nothing either.
void TSequence::ConvertLineEnds() {
    FTypingPara = 0;
    const TLineEnd end = EndChance(50) ? leLf : leCrLf;
    const Texts before = FModel.Snapshot();
    FModel.ConvertLineEnds(end);
    const bool changed = FModel.Snapshot() != before;
    ASSERT_EQ(FStore->ConvertLineEnds(end, {1, 1}), changed);
    if (changed) Remember();
}

void TSequence::ChangeSetting() {
    const int choice = Pick(3);
    if (choice == 0) FStore->SetWordWrap(!FStore->WordWrap());
    if (choice == 1) FStore->SetWrapColumn(1 + Pick(30));
    if (choice == 2) FStore->SetTabSize(AnyTabSize());
}

// Undo goes back to an earlier entry of the history (several when runs merged).
void TSequence::UndoStep() {
    if (FStore->UndoBuffer().UndoCount() == 0) return;
    FUndoneMidway = true;
    FTypingPara = 0;
    TParaPos caret;
    FStore->Undo(&FActing, caret);
    TakeStoreText();
    std::size_t j = FCursor;
    while (j > 0 && FHistory[--j] != FModel.Snapshot()) {
    }
    ASSERT_EQ(FHistory[j], FModel.Snapshot()) << "undo reached a text that was never there";
    ASSERT_LT(j, FCursor);
    FCursor = j;
    ASSERT_GE(caret.Para, 1);
    ASSERT_LE(caret.Para, FStore->ParaCount() + 1);
}

void TSequence::RedoStep() {
    if (FStore->UndoBuffer().RedoCount() == 0) return;
    FUndoneMidway = true;
    FTypingPara = 0;
    TParaPos caret;
    FStore->Redo(&FActing, caret);
    TakeStoreText();
    std::size_t j = FCursor + 1;
    while (j < FHistory.size() && FHistory[j] != FModel.Snapshot())
        ++j;
    ASSERT_LT(j, FHistory.size()) << "redo reached a text that was never there";
    FCursor = j;
}

void TSequence::Remember() {
    if (FSaved != kNone && FSaved > FCursor) FSaved = kNone;  // the saved text left the history
    FHistory.resize(FCursor + 1);
    FHistory.push_back(FModel.Snapshot());
    FCursor = FHistory.size() - 1;
}

void TSequence::TakeStoreText() {
    FModel.Paras = test::Paragraphs(*FStore);
    FModel.Ends.clear();
    for (std::int32_t k = 1; k <= FStore->ParaCount(); ++k)
        FModel.Ends.push_back(FStore->LineEnd(k));
}

void TSequence::Verify() {
    ASSERT_EQ(FStore->CheckInvariants(), "");
    ASSERT_EQ(test::Paragraphs(*FStore), FModel.Paras);
    ASSERT_EQ(FStore->ByteCount(), FModel.Bytes());
    for (std::int32_t k = 1; k <= FStore->ParaCount(); ++k)
        ASSERT_EQ(FStore->LineEnd(k), FModel.Ends[static_cast<std::size_t>(k - 1)]) << k;
    ASSERT_EQ(FStore->LineEndStyle(), FModel.Style());
    test::TMemoryFileSystem files;
    const auto out = files.Replace("f");
    WriteTextFile(*FStore, *out);
    out->Commit({});
    ASSERT_EQ(files.Files["f"], FModel.FileBytes());
    ASSERT_EQ(FStore->FileBytes(), static_cast<std::int64_t>(FModel.FileBytes().size()));
    for (const TParaPos caret : {FOther.Caret}) {
        ASSERT_GE(caret.Para, 1);
        ASSERT_LE(caret.Para, FStore->ParaCount());
        ASSERT_GE(caret.Pos, 1);
    }
    VerifyLines();
}

// Display lines read through the cache agree with a plain wrap of the model's text.
void TSequence::VerifyLines() {
    const bool wrap = FStore->WordWrap();
    const int width = wrap && FStore->WrapColumn() > 0 ? FStore->WrapColumn() : 0;
    std::vector<std::pair<std::int32_t, std::string>> lines;
    for (std::size_t k = 0; k < FModel.Paras.size(); ++k) {
        for (const std::string& line :
             test::ModelWrap(FModel.Paras[k], width, FStore->TabSize(), FStore->CharSet())) {
            lines.emplace_back(static_cast<std::int32_t>(k + 1), line);
        }
    }
    ASSERT_EQ(FStore->LineCount(),
              static_cast<std::int32_t>(wrap ? lines.size() : FModel.Paras.size()));
    if (!wrap) return;
    for (int i = 0; i < 4; ++i) {
        const auto n = static_cast<std::int32_t>(Pick(static_cast<int>(lines.size()))) + 1;
        const TLineText line = FStore->GetLine(n);
        ASSERT_EQ(line.Para, lines[static_cast<std::size_t>(n - 1)].first);
        ASSERT_EQ(line.Text, lines[static_cast<std::size_t>(n - 1)].second);
        ASSERT_EQ(FStore->ParaToLine({line.Para, line.Offset + 1}).Line, n);
        ASSERT_EQ(FStore->LineToPara(n), (TLineStart{line.Para, line.Offset}));
    }
}

// Undo all the way back, checking each text and (without earlier undos) the modified flag,
// then redo all the way forward to the newest text.
void TSequence::UndoAndRedoEverything() {
    const bool checkModified = !FUndoneMidway;
    while (FStore->UndoBuffer().UndoCount() > 0 && !::testing::Test::HasFatalFailure()) {
        UndoStep();
        Verify();
        if (checkModified) {
            ASSERT_EQ(FStore->Modified(), FCursor != FSaved) << "undone to entry " << FCursor;
        }
    }
    while (FStore->UndoBuffer().RedoCount() > 0 && !::testing::Test::HasFatalFailure()) {
        RedoStep();
        Verify();
    }
    ASSERT_EQ(FCursor, FHistory.size() - 1);
    ASSERT_EQ(FModel.Snapshot(), FHistory.back());
}

// Runs the sequence of one seed, with index blocks chosen by the seed.
void RunSeed(std::uint64_t seed) {
    const std::int32_t blockSizes[] = {1, 2, 3, 4, 8, TParaIndex::kMaxParas};
    const std::int32_t blockSize = blockSizes[seed % 6];
    SCOPED_TRACE("seed " + std::to_string(seed) + ", index blocks of " + std::to_string(blockSize) +
                 " (rerun with WENDAX_STORE_SEED=" + std::to_string(seed) +
                 " WENDAX_STORE_SEQUENCES=1)");
    const TParaIndex::TScopedMaxParas blocks(blockSize);
    TSequence(seed).Run();
}

TEST(StoreDifferential, RandomSequencesMatchThePlainModel) {
    THeadlessPlatform platform;
    const std::uint64_t sequences = EnvNumber("WENDAX_STORE_SEQUENCES", 1500);
    const std::uint64_t firstSeed = EnvNumber("WENDAX_STORE_SEED", 1);
    for (std::uint64_t seed = firstSeed; seed < firstSeed + sequences; ++seed) {
        RunSeed(seed);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

// Seeds of the long run whose small undo buffers overwrite characters with the same ones
// while dropping an old group of the same size, so that neither the text nor the buffer's
// counters show the new step.
TEST(StoreDifferential, SameCharacterOverwritesInFullBuffersMatchThePlainModel) {
    THeadlessPlatform platform;
    for (const std::uint64_t seed : {31054, 43988, 68198, 178196, 191508, 395559}) {
        RunSeed(seed);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace wendax
