// Converting a whole text between 8-bit and UTF-8: random texts and edits against the table
// applied paragraph by paragraph, positions against a count of code points, undo and redo
// byte for byte, and the refusals that change nothing.
#include <gtest/gtest.h>

#include <random>

#include "engine/eight_bit_table.h"
#include "engine/para_list.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using Texts = std::vector<std::string>;
using Places = std::vector<TParaPos>;

// Where `offset` of `old` goes when `old` is converted into `to`, counted on the old text:
// after the code points that end at or before it (in 8-bit, every byte is one).
std::int32_t ModelOffset(TCharSet to, const std::string& old, std::int32_t offset) {
    std::int32_t at = 0;
    std::int32_t converted = 0;
    const auto size = static_cast<std::int32_t>(old.size());
    while (at < size) {
        const std::int32_t bytes = to == chUtf8 ? 1 : DecodeUtf8(old, at).Bytes;
        if (at + bytes > offset) return converted;
        converted += to == chUtf8
                         ? static_cast<std::int32_t>(
                               EightBitToUtf8(old.substr(static_cast<std::size_t>(at), 1)).size())
                         : 1;
        at += bytes;
    }
    return converted + offset - at;
}

class TConversionRun {
  public:
    explicit TConversionRun(std::uint64_t seed) : FRandom(seed) {}

    void Run() {
        Configure();
        for (int round = 0; round < 6 && !::testing::Test::HasFatalFailure(); ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            for (int i = Pick(6); i > 0; --i)
                Edit();
            ASSERT_STORE_VALID(*FStore);
            Convert();
        }
    }

  private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint64_t>(n)); }
    std::string Bytes(int most) {
        std::string bytes;
        for (int i = Pick(most + 1); i > 0; --i)
            bytes += static_cast<char>(1 + Pick(255));
        return FStore && FStore->CharSet() == chUtf8 ? EightBitToUtf8(bytes) : bytes;
    }
    std::int32_t AnyPara() { return 1 + Pick(FStore->ParaCount()); }
    TParaPos AnyPlace() {
        const std::int32_t para = AnyPara();
        return {para, 1 + Pick(FStore->ParaLength(para) + 4)};
    }

    void Configure() {
        Texts paras;
        for (int i = Pick(6); i >= 0; --i)
            paras.push_back(Bytes(40));
        const std::uint16_t undoSizes[] = {64, 8192};
        FStore = test::MakeStore(paras, Pick(100) < 40, 3 + Pick(30), undoSizes[Pick(2)]);
        for (std::int32_t n = 1; n <= FStore->ParaCount(); ++n)
            FStore->SetLineEnd(n, static_cast<TLineEnd>(1 + Pick(3)));
        FStore->SetUndoBufferSize(FStore->UndoBufferSize());
        FStore->AddView(&FActing);
        FStore->AddView(&FOther);
        FOther.Store = FStore.get();
    }

    // In a UTF-8 text, edits keep it convertible: whole characters go in at the ends of
    // paragraphs, and paragraphs split and join there.
    void Edit() {
        const bool utf8 = FStore->CharSet() == chUtf8;
        const std::int32_t para = AnyPara();
        const std::int32_t end = FStore->ParaLength(para) + 1;
        const std::int32_t pos = utf8 ? (Pick(2) == 0 ? 1 : end) : 1 + Pick(end);
        std::int32_t indent = 0;
        switch (Pick(4)) {
            case 0:
                FStore->InsertChars(&FActing, para, pos, Bytes(10));
                break;
            case 1:
                if (!utf8) FStore->DeleteChars(&FActing, para, pos, 1 + Pick(4));
                break;
            case 2:
                FStore->SplitPara(&FActing, para, pos, false, indent, 0);
                break;
            default:
                FStore->JoinParas(&FActing, para, end);
                break;
        }
    }

    Places Positions() {
        Places places{FOther.Caret};
        for (std::int32_t n = 0; n < TMarkers::kCount; ++n)
            places.push_back(FStore->Marker(n));
        return places;
    }
    void Scatter() {
        FOther.Caret = AnyPlace();
        for (std::int32_t n = 0; n < TMarkers::kCount; ++n) {
            const TParaPos at = Pick(4) == 0 ? TParaPos{} : AnyPlace();
            FStore->PutMarker(n, at.Para, at.Pos);
        }
    }

    // The texts and positions a conversion of `texts` into `to` gives.
    static Texts ModelTexts(TCharSet to, const Texts& texts) {
        Texts converted;
        for (const std::string& text : texts) {
            std::string out;
            char32_t missing = 0;
            if (to == chUtf8) {
                out = EightBitToUtf8(text);
            } else {
                EXPECT_TRUE(Utf8ToEightBit(text, out, missing));
            }
            converted.push_back(out);
        }
        return converted;
    }
    static Places ModelPlaces(TCharSet to, const Texts& texts, Places places) {
        for (TParaPos& at : places) {
            if (at.Para != 0)
                at.Pos =
                    ModelOffset(to, texts[static_cast<std::size_t>(at.Para - 1)], at.Pos - 1) + 1;
        }
        return places;
    }

    // One conversion and its undo and redo, each checked against the models.
    void Convert() {
        Scatter();
        if (Pick(2) == 0) FStore->SetModified(false);
        const bool modified = FStore->Modified();
        const TCharSet from = FStore->CharSet();
        const TCharSet to = from == chUtf8 ? chEightBit : chUtf8;
        const Texts before = test::Paragraphs(*FStore);
        std::vector<TLineEnd> ends;
        for (std::int32_t n = 1; n <= FStore->ParaCount(); ++n)
            ends.push_back(FStore->LineEnd(n));
        const Texts after = ModelTexts(to, before);
        const Places placesAfter = ModelPlaces(to, before, Positions());
        const TParaPos caret = AnyPlace();

        ASSERT_TRUE(FStore->ConvertCharSet(&FActing, to, caret).Converted);
        Expect(to, after, placesAfter, true);
        for (std::int32_t n = 1; n <= FStore->ParaCount(); ++n)
            ASSERT_EQ(FStore->LineEnd(n), ends[static_cast<std::size_t>(n - 1)]);
        ASSERT_EQ(FActing.Changes.back().first.Kind, tcCharSetConverted);
        ASSERT_TRUE(FActing.Changes.back().second);

        TParaPos replayed;
        FStore->Undo(&FActing, replayed);
        ASSERT_EQ(replayed, caret);
        const Places placesBack = ModelPlaces(from, after, placesAfter);
        Expect(from, before, placesBack, modified);
        FStore->Redo(&FActing, replayed);
        Expect(to, after, ModelPlaces(to, before, placesBack), true);
        ASSERT_EQ(replayed, ModelPlaces(to, before, {caret})[0]);
    }

    void Expect(TCharSet set, const Texts& texts, const Places& places, bool modified) {
        ASSERT_STORE_VALID(*FStore);
        ASSERT_EQ(FStore->CharSet(), set);
        ASSERT_EQ(test::Paragraphs(*FStore), texts);
        ASSERT_EQ(Positions(), places);
        ASSERT_EQ(FStore->Modified(), modified);
    }

    std::mt19937_64 FRandom;
    std::unique_ptr<TParaList> FStore;
    test::TRecordingView FActing;
    test::TRecordingView FOther;
};

TEST(CharSetConversion, RandomTextsConvertBothWaysAndUndoByteForByte) {
    for (std::uint64_t seed = 1; seed <= 150 && !::testing::Test::HasFatalFailure(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TConversionRun(seed).Run();
    }
}

// A refusal changes nothing: not the bytes, the set, the history or the changed flag.
void ExpectUnchanged(TParaList& store, const Texts& texts, TCharSet set) {
    EXPECT_STORE_VALID(store);
    EXPECT_EQ(test::Paragraphs(store), texts);
    EXPECT_EQ(store.CharSet(), set);
    EXPECT_EQ(store.UndoBuffer().UndoCount(), 0);
    EXPECT_FALSE(store.Modified());
}

TEST(CharSetConversion, ACharacterWithoutAByteIsNamedWithItsPlace) {
    const Texts texts = {"plain", "two words \xEF\xBF\xBD and \xC5\x82ódź", "\xC5\x82"};
    auto store = test::MakeStore(texts, true, 6);
    store->SetCharSet(chUtf8);
    const TCharSetConversion result = store->ConvertCharSet(nullptr, chEightBit, {1, 1});
    EXPECT_FALSE(result.Converted);
    EXPECT_EQ(result.Error, eeOk);
    EXPECT_EQ(result.At, (TParaPos{2, 11}));
    EXPECT_EQ(result.Line, 4);  // after "plain", "two " and "words "
    EXPECT_EQ(result.Missing, U'\uFFFD');
    EXPECT_FALSE(result.NotUtf8);
    ExpectUnchanged(*store, texts, chUtf8);
}

TEST(CharSetConversion, AByteThatIsNoUtf8IsNamedWithItsPlace) {
    const Texts texts = {"caf\xC3\xA9", "a\xE9z \xC5\x82"};
    auto store = test::MakeStore(texts);
    store->SetCharSet(chUtf8);
    const TCharSetConversion result = store->ConvertCharSet(nullptr, chEightBit, {1, 1});
    EXPECT_FALSE(result.Converted);
    EXPECT_EQ(result.At, (TParaPos{2, 2}));
    EXPECT_EQ(result.Line, 2);
    EXPECT_EQ(result.Missing, U'\uFFFD');
    EXPECT_TRUE(result.NotUtf8);
    ExpectUnchanged(*store, texts, chUtf8);
}

TEST(CharSetConversion, LimitsAreCheckedBeforeAnythingChanges) {
    const Texts texts = {"ab\xE9", "\xE9\xE9\xE9"};  // 8 bytes as the limit counts, 12 in UTF-8
    auto store = test::MakeStore(texts);
    store->SetParaLengthLimit(5);
    EXPECT_EQ(store->ConvertCharSet(nullptr, chUtf8, {1, 1}).Error, eeParagraphTooLong);
    ExpectUnchanged(*store, texts, chEightBit);
    store->SetParaLengthLimit(6);
    store->SetByteLimit(11);
    EXPECT_EQ(store->ConvertCharSet(nullptr, chUtf8, {1, 1}).Error, eeTextTooLarge);
    ExpectUnchanged(*store, texts, chEightBit);
    store->SetByteLimit(12);
    EXPECT_TRUE(store->ConvertCharSet(nullptr, chUtf8, {1, 1}).Converted);
    EXPECT_EQ(test::Paragraphs(*store), (Texts{"ab\xC3\xA9", "\xC3\xA9\xC3\xA9\xC3\xA9"}));
}

}  // namespace
}  // namespace wendax
