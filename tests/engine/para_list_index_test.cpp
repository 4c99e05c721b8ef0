// The store's lookups through its index, with blocks of one to a few paragraphs as well as
// the program's size: far and near lookups agree with a plain model while paragraphs are
// loaded, inserted, deleted, re-wrapped, edited into more lines and put back by undo.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine/para_list.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::Paragraphs;
using Texts = std::vector<std::string>;

// Runs each case with index blocks of at most GetParam() paragraphs.
class ParaListIndex : public ::testing::TestWithParam<std::int32_t> {
  protected:
    std::unique_ptr<TParaList> MakeStore(const Texts& paras, bool wrap, std::int32_t column) {
        const TParaIndex::TScopedMaxParas blocks(GetParam());
        return test::MakeStore(paras, wrap, column);
    }

    THeadlessPlatform FPlatform;
    std::mt19937 FRandom{static_cast<unsigned>(GetParam())};
};

Texts SomeParagraphs(std::size_t count, std::mt19937& random) {
    static const char* const kWords[] = {"a", "bb", "ccc", "dddd-ee", "\tf", "longerword"};
    Texts paras(count);
    for (std::string& text : paras) {
        const unsigned words = random() % 9;
        for (unsigned w = 0; w < words; ++w)
            text += std::string(kWords[random() % 6]) + " ";
    }
    return paras;
}

template <class T>
std::vector<T> Shuffled(T count, std::mt19937& random) {
    std::vector<T> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), T{1});
    std::shuffle(order.begin(), order.end(), random);
    return order;
}

// Every display line and every paragraph, looked up in a scrambled order, is the model's.
void ExpectLookupsMatch(TParaList& store, const Texts& paras, std::mt19937& random) {
    ASSERT_STORE_VALID(store);
    const int width = store.WordWrap() ? store.WrapColumn() : 0;
    std::vector<std::pair<std::int32_t, std::string>> lines;
    for (std::size_t k = 0; k < paras.size(); ++k) {
        for (const std::string& line :
             test::ModelWrap(paras[k], width, store.TabSize(), store.CharSet()))
            lines.emplace_back(static_cast<std::int32_t>(k + 1), line);
    }
    ASSERT_EQ(store.LineCount(), static_cast<std::int32_t>(lines.size()));
    for (const std::int32_t n : Shuffled(store.LineCount(), random)) {
        const TLineText line = store.GetLine(n);
        ASSERT_EQ(line.Para, lines[static_cast<std::size_t>(n - 1)].first) << "line " << n;
        ASSERT_EQ(line.Text, lines[static_cast<std::size_t>(n - 1)].second) << "line " << n;
        ASSERT_EQ(store.ParaToLine({line.Para, line.Offset + 1}).Line, n);
    }
    for (const std::int32_t k : Shuffled(store.ParaCount(), random))
        ASSERT_EQ(store.ParaText(k), paras[static_cast<std::size_t>(k - 1)]) << "para " << k;
    ASSERT_STORE_VALID(store);
}

TEST_P(ParaListIndex, LoadedParagraphsAreFoundInAnyOrder) {
    Texts paras = SomeParagraphs(300, FRandom);
    paras.emplace_back();
    auto store = MakeStore(paras, true, 10);
    ExpectLookupsMatch(*store, paras, FRandom);
    store->SetWordWrap(false);
    ExpectLookupsMatch(*store, paras, FRandom);
    store->SetWrapColumn(7);
    store->SetWordWrap(true);
    ExpectLookupsMatch(*store, paras, FRandom);
}

TEST_P(ParaListIndex, FarInsertionsAndDeletionsKeepLookupsExact) {
    Texts paras = SomeParagraphs(120, FRandom);
    auto store = MakeStore(paras, true, 12);
    for (int step = 0; step < 400; ++step) {
        const auto k = static_cast<std::int32_t>(1 + FRandom() % paras.size());
        const auto at = paras.begin() + k - 1;
        const std::string text = SomeParagraphs(1, FRandom)[0];
        const unsigned choice = FRandom() % 3;
        if (choice == 0) {
            ASSERT_EQ(store->InsertParaBefore(nullptr, k, text), eeOk);
            paras.insert(at, text);
        } else if (choice == 1) {
            ASSERT_EQ(store->InsertParaAfter(nullptr, k, text), eeOk);
            paras.insert(at + 1, text);
        } else if (paras.size() > 1) {
            store->DeletePara(nullptr, k);
            paras.erase(at);
        }
        ASSERT_STORE_VALID(*store) << "step " << step;
        if (step % 50 == 0) {
            ASSERT_NO_FATAL_FAILURE(ExpectLookupsMatch(*store, paras, FRandom));
        }
    }
    ExpectLookupsMatch(*store, paras, FRandom);
}

TEST_P(ParaListIndex, TypingThatWrapsChangesTheLinesOfItsBlock) {
    Texts paras = SomeParagraphs(80, FRandom);
    auto store = MakeStore(paras, true, 8);
    for (int step = 0; step < 300; ++step) {
        const auto k = static_cast<std::int32_t>(1 + FRandom() % paras.size());
        std::string& text = paras[static_cast<std::size_t>(k - 1)];
        const auto p = static_cast<std::int32_t>(1 + FRandom() % (text.size() + 1));
        if (FRandom() % 3 != 0) {
            ASSERT_EQ(store->InsertChars(nullptr, k, p, "xy z"), eeOk);
            text.insert(static_cast<std::size_t>(p - 1), "xy z");
        } else {
            store->DeleteChars(nullptr, k, p, 5);
            text.erase(static_cast<std::size_t>(p - 1), 5);
        }
        const std::int32_t far = 1 + static_cast<std::int32_t>(FRandom() % store->LineCount());
        ASSERT_EQ(
            store->ParaToLine({store->GetLine(far).Para, store->GetLine(far).Offset + 1}).Line,
            far);
        ASSERT_STORE_VALID(*store) << "step " << step;
    }
    ExpectLookupsMatch(*store, paras, FRandom);
}

// Undo puts the removed paragraphs back one by one through the index, redo takes them again.
TEST_P(ParaListIndex, RemovingAlmostEverythingAndUndoingItRestoresTheText) {
    const Texts paras = SomeParagraphs(40, FRandom);
    auto store = MakeStore(paras, true, 9);
    store->SetUndoBufferSize(65535);
    Texts left = paras;
    store->DeleteRegion(nullptr, 3, 1, 38, 1);
    left.erase(left.begin() + 2, left.begin() + 37);
    ASSERT_EQ(Paragraphs(*store), left);
    while (store->ParaCount() > 1) {
        const std::int32_t k = store->ParaCount() / 2 + 1;
        store->DeletePara(nullptr, k);
        left.erase(left.begin() + k - 1);
        ASSERT_STORE_VALID(*store);
    }
    TParaPos caret;
    while (store->UndoBuffer().UndoCount() > 0)
        store->Undo(nullptr, caret);
    ExpectLookupsMatch(*store, paras, FRandom);
    while (store->UndoBuffer().RedoCount() > 0)
        store->Redo(nullptr, caret);
    ASSERT_STORE_VALID(*store);
    EXPECT_EQ(Paragraphs(*store), left);
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, ParaListIndex,
                         ::testing::Values(1, 2, 3, 4, TParaIndex::kMaxParas),
                         [](const ::testing::TestParamInfo<std::int32_t>& info) {
                             return "BlocksOf" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace wendax
