// Random editing sessions compared step by step with a plain model: text, caret, highlight
// and Modified after every command. The session keeps the text at every undo-group boundary
// (a command that adds records starts a group, one that only grows the newest record joins
// it), so each undo must bring back exactly the previous state with its Modified, and each
// redo exactly the next one. Invariants of the store, the highlight and every view are
// checked after every step, with one view and with two views on one store.
#include <random>

#include "tests/control/editor_model.h"
#include "tests/control/editor_test_support.h"
#include "tests/engine/store_test_support.h"

namespace wendax::test {
namespace {

struct TSessionConfig {
    const char* Name;
    bool WordWrap;
    int Views;
    std::uint32_t Seed;
};

// The text at an undo-group boundary, with the Modified that undoing back to it must restore.
struct TSnapshot {
    std::vector<std::string> Paras;
    bool Modified = false;
    std::string How;  // the command that led to it
};

enum TAction {
    aSetCaret,
    aSelect,
    aType,
    aDel,
    aBack,
    aNewLine,
    aDelWord,
    aTab,
    aDelEol,
    aDelBol,
    aDelLine,
    aInsertString,
    aCut,
    aCopy,
    aPaste,
    aUndo,
    aRedo,
    aToggleInsert,
    aSave,
};

class TSession {
  public:
    explicit TSession(const TSessionConfig& config) : FConfig(config), FRandom(config.Seed) {
        f.Editor.SetUndoBufferSize(65535);
        f.Editor.SetTabSize(4);
        if (config.WordWrap) {
            f.Editor.SetWordWrap(true);
            f.Editor.SetWrapColumn(12);
        } else {
            f.Editor.SetAutoIndent(true);
        }
        f.Load("|");
        FSecond.SetController(&f.Controller);
        if (config.Views == 2) FSecond.Attach(&f.Editor);
        FModel.TabSize = 4;
        FHistory.push_back({FModel.Paras, false, "loading"});
    }

    void Run(int steps) {
        for (int step = 0; step < steps; ++step) {
            SCOPED_TRACE("step " + std::to_string(step));
            Step();
            if (testing::Test::HasFatalFailure() || testing::Test::HasNonfatalFailure()) return;
        }
        UndoAndRedoEverything();
    }

  private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint32_t>(n)); }
    TAction PickAction();
    TParaPos RandomPos();
    std::string RandomText(const char* alphabet, int maxLength);
    void Step();
    void Edit(TOvcCustomEditor& editor, TAction action);
    void RunCommand(TOvcCustomEditor& editor, TAction action);
    void TypeChar(TOvcCustomEditor& editor, char c, bool tab);
    void ReadCaret(TOvcCustomEditor& editor);
    void CheckAgainstModel(TOvcCustomEditor& editor);
    void Record(int recordsBefore, const std::vector<std::string>* afterHighlight);
    int Records();
    void CheckUndo(TOvcCustomEditor& editor);
    void CheckRedo(TOvcCustomEditor& editor);
    void UndoAndRedoEverything();
    std::string Around(std::size_t state) const;
    std::vector<std::string> Text() { return Paragraphs(f.Editor.Store()); }

    TSessionConfig FConfig;
    std::mt19937 FRandom;
    TEditorFixture f;
    TOvcCustomEditor FSecond;
    TEditorModel FModel;
    std::vector<TSnapshot> FHistory;
    std::size_t FCurrent = 0;
    std::string FLastAction;
    bool FHadHighlight = false;  // when the command began
};

TAction TSession::PickAction() {
    static constexpr std::pair<TAction, int> kWeights[] = {
        {aSetCaret, 12}, {aSelect, 6},  {aType, 25},        {aDel, 6},    {aBack, 6},
        {aNewLine, 5},   {aDelWord, 4}, {aTab, 2},          {aDelEol, 2}, {aDelBol, 2},
        {aDelLine, 2},   {aCut, 2},     {aInsertString, 5}, {aCopy, 1},   {aPaste, 2},
        {aUndo, 6},      {aRedo, 3},    {aToggleInsert, 2}, {aSave, 1},
    };
    int total = 0;
    for (const auto& [action, weight] : kWeights)
        total += weight;
    int pick = Pick(total);
    for (const auto& [action, weight] : kWeights) {
        if (pick < weight) return action;
        pick -= weight;
    }
    return aType;
}

TParaPos TSession::RandomPos() {
    const auto para = 1 + Pick(f.Editor.ParaCount());
    return {para, 1 + Pick(f.Editor.Store().ParaLength(para) + 1)};
}

std::string TSession::RandomText(const char* alphabet, int maxLength) {
    const std::string_view letters(alphabet);
    std::string text;
    for (int i = Pick(maxLength) + 1; i > 0; --i)
        text += letters[static_cast<std::size_t>(Pick(static_cast<int>(letters.size())))];
    return text;
}

void TSession::ReadCaret(TOvcCustomEditor& editor) {
    FModel.Caret = editor.CaretParaPos();
    FModel.Begin = FModel.End = std::nullopt;
    if (editor.HasSelection()) {
        FModel.Begin = editor.HighlightBegin();
        FModel.End = editor.HighlightEnd();
    }
    FModel.InsertMode = editor.InsertMode();
    FModel.AutoIndent = editor.AutoIndent();
}

void TSession::Step() {
    TOvcCustomEditor& editor = FConfig.Views == 2 && Pick(2) == 1 ? FSecond : f.Editor;
    TAction action = PickAction();
    const bool displayLines = action == aDelEol || action == aDelBol || action == aDelLine;
    if (displayLines && FConfig.WordWrap) action = aType;
    ReadCaret(editor);
    FLastAction = "action " + std::to_string(action) + " in view " +
                  std::to_string(&editor == &FSecond ? 2 : 1) + " from " + Marked(editor);
    SCOPED_TRACE(FLastAction);
    switch (action) {
        case aSetCaret:
            editor.SetCaretParaPos(RandomPos());
            break;
        case aSelect:
            editor.SelectRange(RandomPos(), RandomPos());
            break;
        case aToggleInsert:
            editor.ProcessCommand(ccIns, 0);
            break;
        case aSave:
            editor.SetModified(false);
            for (std::size_t j = 0; j < FCurrent; ++j)
                FHistory[j].Modified = true;
            FHistory[FCurrent].Modified = false;
            break;
        case aUndo:
            CheckUndo(editor);
            break;
        case aRedo:
            CheckRedo(editor);
            break;
        default:
            Edit(editor, action);
            break;
    }
    ASSERT_EDITOR_VALID(f.Editor);
    ASSERT_EDITOR_VALID(FSecond);
}

// The highlight deleted before a split or a tab is an undo group of its own.
void TSession::Edit(TOvcCustomEditor& editor, TAction action) {
    const int recordsBefore = Records();
    FHadHighlight = FModel.Begin.has_value();
    const bool ownGroup = (action == aNewLine && editor.InsertMode()) || action == aTab;
    const bool highlightFirst = ownGroup && FModel.DeleteHighlight();
    const std::vector<std::string> afterHighlight = FModel.Paras;
    RunCommand(editor, action);
    CheckAgainstModel(editor);
    Record(recordsBefore, highlightFirst ? &afterHighlight : nullptr);
}

void TSession::RunCommand(TOvcCustomEditor& editor, TAction action) {
    static constexpr std::pair<TAction, TCommandCode> kCommands[] = {
        {aDel, ccDel},       {aBack, ccBack},     {aNewLine, ccNewLine}, {aDelWord, ccDelWord},
        {aDelEol, ccDelEol}, {aDelBol, ccDelBol}, {aDelLine, ccDelLine}, {aCut, ccCut},
        {aCopy, ccCopy},     {aPaste, ccPaste},
    };
    if (action == aType || action == aTab) {
        TypeChar(editor, action == aTab ? '\t' : "ab xy\t,.-"[Pick(9)], action == aTab);
        return;
    }
    if (action == aInsertString) {
        const std::string text = RandomText("ab \r\n\t", 12);
        EXPECT_EQ(editor.InsertString(text), eeOk);
        FModel.InsertString(text);
        return;
    }
    for (const auto& [modelled, code] : kCommands) {
        if (modelled == action) editor.ProcessCommand(code, 0);
    }
    switch (action) {
        case aDel:
            FModel.Del();
            break;
        case aBack:
            FModel.Back();
            break;
        case aNewLine:
            FModel.NewLine();
            break;
        case aDelWord:
            FModel.DelWord();
            break;
        case aDelEol:
            FModel.DelEol();
            break;
        case aDelBol:
            FModel.DelBol();
            break;
        case aDelLine:
            FModel.DelLine();
            break;
        case aCut:
            FModel.Cut();
            break;
        case aPaste:
            FModel.InsertString(FModel.Clipboard);
            break;
        default:
            break;
    }
    if ((action == aCut || action == aCopy) && f.Platform.Clipboard) {
        FModel.Clipboard = *f.Platform.Clipboard;
    }
}

// An overwrite never puts a character over the same one in the record of an overwrite run:
// the text would stay as it was while Modified is set. A tab over a tab types a letter
// instead.
void TSession::TypeChar(TOvcCustomEditor& editor, char c, bool tab) {
    const std::string& para = FModel.Paras[static_cast<std::size_t>(FModel.Caret.Para - 1)];
    const auto at = static_cast<std::size_t>(FModel.Caret.Pos - 1);
    const bool over = !FModel.InsertMode && !FHadHighlight && at < para.size();
    if (over && para[at] == c) {
        c = c == 'a' ? 'b' : 'a';
        tab = false;
    }
    editor.ProcessCommand(tab ? ccTab : ccInsertChar, static_cast<unsigned char>(c));
    FModel.Type(c);
}

void TSession::CheckAgainstModel(TOvcCustomEditor& editor) {
    ASSERT_EQ(Text(), FModel.Paras);
    EXPECT_EQ(editor.CaretParaPos(), FModel.Caret);
    EXPECT_EQ(editor.HasSelection(), FModel.Begin.has_value());
    if (FModel.Begin && editor.HasSelection()) {
        EXPECT_EQ(editor.HighlightBegin(), *FModel.Begin);
        EXPECT_EQ(editor.HighlightEnd(), *FModel.End);
    }
    EXPECT_TRUE(f.Errors.empty());
}

// New records start new groups: the highlight deleted first ends one of its own, and the
// text after the command ends the last. A command that only grew the newest record moves
// the end of the newest group. The states that were undone are dropped either way.
void TSession::Record(int recordsBefore, const std::vector<std::string>* afterHighlight) {
    const int records = Records();
    ASSERT_GE(records, recordsBefore) << "the history dropped old groups: make the session shorter";
    const bool changed = records > recordsBefore || FModel.Paras != FHistory[FCurrent].Paras;
    if (!changed) {
        EXPECT_EQ(f.Editor.Modified(), FHistory[FCurrent].Modified);
        return;
    }
    EXPECT_TRUE(f.Editor.Modified());
    FHistory.resize(FCurrent + 1);
    if (records == recordsBefore) {
        FHistory.back() = {FModel.Paras, true, FLastAction};
        return;
    }
    if (afterHighlight != nullptr) FHistory.push_back({*afterHighlight, true, FLastAction});
    FHistory.push_back({FModel.Paras, true, FLastAction});
    FCurrent = FHistory.size() - 1;
}

int TSession::Records() {
    return f.Editor.Store().UndoBuffer().UndoCount();
}

// Undo brings back the previous state with its Modified.
void TSession::CheckUndo(TOvcCustomEditor& editor) {
    ASSERT_EQ(editor.CanUndo(), FCurrent > 0) << "\n" << Around(FCurrent);
    editor.ProcessCommand(ccUndo, 0);
    if (FCurrent == 0) {
        ASSERT_EQ(Text(), FModel.Paras);
        return;
    }
    --FCurrent;
    ASSERT_EQ(Text(), FHistory[FCurrent].Paras) << "undo, to state " << FCurrent << ":\n"
                                                << Around(FCurrent) << "now:\n"
                                                << Marked(editor);
    EXPECT_EQ(editor.Modified(), FHistory[FCurrent].Modified);
    FModel.Paras = FHistory[FCurrent].Paras;
}

// Redo brings back the next state; a replayed change sets Modified, also when that state
// was saved.
void TSession::CheckRedo(TOvcCustomEditor& editor) {
    const bool can = FCurrent + 1 < FHistory.size();
    ASSERT_EQ(editor.CanRedo(), can) << "\n" << Around(FCurrent);
    editor.ProcessCommand(ccRedo, 0);
    if (!can) {
        ASSERT_EQ(Text(), FModel.Paras);
        return;
    }
    ++FCurrent;
    ASSERT_EQ(Text(), FHistory[FCurrent].Paras) << "redo, to state " << FCurrent << ":\n"
                                                << Around(FCurrent) << "now:\n"
                                                << Marked(editor);
    EXPECT_TRUE(editor.Modified());
    FHistory[FCurrent].Modified = true;
    FModel.Paras = FHistory[FCurrent].Paras;
}

// Undoing all of it comes back to the empty text it started with (checked by CheckUndo),
// and redoing all of it to the newest state.
void TSession::UndoAndRedoEverything() {
    while (FCurrent > 0) {
        CheckUndo(f.Editor);
        ASSERT_FALSE(testing::Test::HasFailure());
        ASSERT_EDITOR_VALID(f.Editor);
        ASSERT_EDITOR_VALID(FSecond);
    }
    EXPECT_FALSE(f.Editor.CanUndo());
    while (FCurrent + 1 < FHistory.size()) {
        CheckRedo(f.Editor);
        ASSERT_FALSE(testing::Test::HasFailure());
        ASSERT_EDITOR_VALID(f.Editor);
        ASSERT_EDITOR_VALID(FSecond);
    }
    EXPECT_FALSE(f.Editor.CanRedo());
}

// The states near `state`, each with the command that led to it.
std::string TSession::Around(std::size_t state) const {
    std::string text;
    for (std::size_t j = state > 3 ? state - 3 : 0; j < FHistory.size() && j <= state + 3; ++j) {
        text += "state " + std::to_string(j) + (FHistory[j].Modified ? " (modified)" : "") +
                " after " + FHistory[j].How + "\n";
    }
    return text;
}

class EditorSessions : public testing::TestWithParam<TSessionConfig> {};

TEST_P(EditorSessions, MatchTheModelAndUndoGroupByGroup) {
    const TSessionConfig& config = GetParam();
    SCOPED_TRACE("seed " + std::to_string(config.Seed));
    TSession session(config);
    session.Run(2000);
}

const TSessionConfig kSessions[] = {
    {"OneViewUnwrapped", false, 1, 1001},  {"OneViewUnwrappedAgain", false, 1, 1002},
    {"OneViewWrapped", true, 1, 2001},     {"OneViewWrappedAgain", true, 1, 2002},
    {"TwoViewsUnwrapped", false, 2, 3001}, {"TwoViewsWrapped", true, 2, 4001},
};

INSTANTIATE_TEST_SUITE_P(Editor, EditorSessions, testing::ValuesIn(kSessions),
                         [](const testing::TestParamInfo<TSessionConfig>& info) {
                             return std::string(info.param.Name);
                         });

}  // namespace
}  // namespace wendax::test
