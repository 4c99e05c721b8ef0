// Random editing sessions on the paragraph store: after every edit primitive the store keeps
// its invariants and holds the text of a plain model (with the same answers); undo and redo
// in between keep the invariants; at the end undoing everything gives back the text the
// session began with, unmodified, and redoing everything the newest text.
//
// The session is small enough (a start text of at most 512 bytes, at most 100 edits of at
// most 16 bytes each) that the 65535-byte undo buffer never has to drop a group.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/para_list.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/store_model.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/fuzz_input.h"

namespace wendax::fuzz {
namespace {

using TTexts = std::vector<std::string>;

TTexts Paragraphs(TParaList& store) {
    TTexts texts;
    for (std::int32_t n = 1; n <= store.ParaCount(); ++n)
        texts.emplace_back(store.ParaText(n));
    return texts;
}

// Paragraph text: any byte but NUL and the line breaks.
std::string Chars(TFuzzInput& in, std::size_t most) {
    std::string text(in.Bytes(most));
    for (char& c : text)
        if (c == '\0' || c == '\r' || c == '\n') c = ' ';
    return text;
}

// Text for InsertText: line breaks of every kind, and now and then a NUL that ends it.
std::string TextWithBreaks(TFuzzInput& in) {
    std::string text(in.Bytes(16));
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte % 5 == 0) c = "\r\n\n \0"[byte % 25 / 5];
    }
    return text;
}

class TSession {
  public:
    explicit TSession(TFuzzInput& in) : FIn(in) {}
    void Run();

  private:
    void Load();
    void Step();
    void Edit();
    void RedoEverything();
    // Undo and redo are checked against the history, not the model: the model then
    // continues from the store's text and line ends.
    void TakeModelFromStore();
    void Verify(const char* what);
    void CheckStore(const char* what);
    std::int32_t AnyPara() { return FIn.Pick(static_cast<int>(FModel.Paras.size()) + 2); }
    std::int32_t AnyPos() { return FIn.Pick(40); }

    TFuzzInput& FIn;
    test::TStoreModel FModel;
    std::unique_ptr<TParaList> FStore;
};

void TSession::Load() {
    FStore = std::make_unique<TParaList>(nullptr, FIn.Chance(50), 65535);
    FStore->SetWrapColumn(1 + FIn.Pick(100));
    FStore->SetTabSize(static_cast<std::uint8_t>(1 + FIn.Pick(16)));
    if (FIn.Chance(20)) {
        FModel.ParaLimit = 2 + FIn.Pick(20);
        FModel.ByteLimit = 20 + FIn.Pick(600);
        FModel.ParaLengthLimit = 2 + FIn.Pick(80);
    }
    FStore->SetParaLimit(FModel.ParaLimit);
    FStore->SetByteLimit(FModel.ByteLimit);
    FStore->SetParaLengthLimit(FModel.ParaLengthLimit);
    for (int lines = FIn.Pick(8); lines > 0; --lines) {
        const std::string line = Chars(FIn, 64);
        WENDAX_FUZZ_CHECK(FStore->AppendLoadedPara(line, false, leLf) == eeOk, "loading a line");
        FModel.Paras.insert(FModel.Paras.end() - 1, line);
        FModel.Ends.insert(FModel.Ends.end() - 1, leLf);
    }
    Verify("after loading");
}

// The redo records left by undos at the end of the session belong to the history too:
// they are redone first, so that undoing everything and redoing everything spans all of it.
void TSession::Run() {
    Load();
    const TTexts start = FModel.Paras;
    for (int steps = 0; steps < 100 && !FIn.Empty(); ++steps)
        Step();
    RedoEverything();
    const TTexts newest = Paragraphs(*FStore);
    TParaPos caret;
    while (FStore->UndoBuffer().UndoCount() > 0) {
        FStore->Undo(nullptr, caret);
        CheckStore("undoing everything");
    }
    WENDAX_FUZZ_CHECK(Paragraphs(*FStore) == start, "undoing everything gives the start text");
    WENDAX_FUZZ_CHECK(!FStore->Modified(), "the start text is not modified");
    RedoEverything();
    WENDAX_FUZZ_CHECK(Paragraphs(*FStore) == newest, "redoing everything gives the newest text");
}

void TSession::RedoEverything() {
    TParaPos caret;
    while (FStore->UndoBuffer().RedoCount() > 0) {
        FStore->Redo(nullptr, caret);
        CheckStore("redoing everything");
    }
}

void TSession::Step() {
    const int choice = FIn.Pick(100);
    TParaPos caret;
    if (choice < 6) {
        FStore->Undo(nullptr, caret);
        TakeModelFromStore();
        CheckStore("after an undo");
    } else if (choice < 10) {
        FStore->Redo(nullptr, caret);
        TakeModelFromStore();
        CheckStore("after a redo");
    } else if (choice < 13) {
        FStore->SetWordWrap(!FStore->WordWrap());
        FStore->SetWrapColumn(1 + FIn.Pick(100));
        Verify("after a new wrap");
    } else {
        Edit();
        Verify("after an edit");
    }
}

void TSession::Edit() {
    const int choice = FIn.Pick(10);
    const std::int32_t k = AnyPara();
    const std::int32_t p = AnyPos();
    const auto same = [](TEditorErrorCode store, TEditorErrorCode model) {
        WENDAX_FUZZ_CHECK(store == model, "the store and the model answer alike");
    };
    if (choice == 0) {
        const std::string text = Chars(FIn, 16);
        same(FStore->InsertChars(nullptr, k, p, text), FModel.InsertChars(k, p, text));
    } else if (choice == 1) {
        const std::int32_t n = FIn.Pick(20);
        FStore->DeleteChars(nullptr, k, p, n);
        FModel.DeleteChars(k, p, n);
    } else if (choice == 2) {
        const std::int32_t o = FIn.Pick(8);
        const std::string text = Chars(FIn, 16);
        same(FStore->ReplaceChars(nullptr, k, p, o, text), FModel.ReplaceChars(k, p, o, text));
    } else if (choice == 3) {
        const std::string text = Chars(FIn, 16);
        same(FStore->InsertParaBefore(nullptr, k, text), FModel.InsertParaBefore(k, text));
    } else if (choice == 4) {
        const std::string text = Chars(FIn, 16);
        same(FStore->InsertParaAfter(nullptr, k, text), FModel.InsertParaAfter(k, text));
    } else if (choice == 5) {
        FStore->DeletePara(nullptr, k);
        FModel.DeletePara(k);
    } else if (choice == 6) {
        const bool trim = FIn.Chance(50);
        const std::int32_t tab = FIn.Pick(9);
        std::int32_t indent = FIn.Pick(12);
        std::int32_t modelIndent = indent;
        same(FStore->SplitPara(nullptr, k, p, trim, indent, tab),
             FModel.SplitPara(k, p, trim, modelIndent, tab));
        WENDAX_FUZZ_CHECK(indent == modelIndent, "the same indent");
    } else if (choice == 7) {
        same(FStore->JoinParas(nullptr, k, p), FModel.JoinParas(k, p));
    } else if (choice == 8) {
        const std::int32_t k2 = k + 1 + FIn.Pick(3);
        const std::int32_t p2 = AnyPos();
        FStore->DeleteRegion(nullptr, k, p, k2, p2);
        FModel.DeleteRegion(k, p, k2, p2);
    } else {
        const std::string text = TextWithBreaks(FIn);
        TParaPos at{k, p};
        TParaPos modelAt{k, p};
        same(FStore->InsertText(nullptr, at, text), FModel.InsertText(modelAt, text));
        WENDAX_FUZZ_CHECK(at == modelAt, "InsertText ends where the model does");
    }
}

void TSession::TakeModelFromStore() {
    FModel.Paras = Paragraphs(*FStore);
    FModel.Ends.clear();
    for (std::int32_t n = 1; n <= FStore->ParaCount(); ++n)
        FModel.Ends.push_back(FStore->LineEnd(n));
}

void TSession::CheckStore(const char* what) {
    const std::string broken = FStore->CheckInvariants();
    WENDAX_FUZZ_CHECK(broken.empty(), std::string(what) + ": " + broken);
}

void TSession::Verify(const char* what) {
    CheckStore(what);
    WENDAX_FUZZ_CHECK(Paragraphs(*FStore) == FModel.Paras,
                      std::string(what) + ": the store holds the model's text");
    WENDAX_FUZZ_CHECK(FStore->ByteCount() == FModel.Bytes(), std::string(what) + ": ByteCount");
}

}  // namespace
}  // namespace wendax::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    wendax::THeadlessPlatform platform;
    wendax::fuzz::TFuzzInput in(data, size);
    wendax::fuzz::TSession(in).Run();
    return 0;
}
