// Appending lines as paragraphs: the cutting of over-long lines at ParaLengthLimit into
// continuations, the limit tests, trimming, and lines that arrive in parts, checked against a plain
// model.
#include <gtest/gtest.h>

#include <random>

#include "engine/para_appender.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::Paragraphs;
using Texts = std::vector<std::string>;
using Ends = std::vector<TLineEnd>;

Ends LineEnds(TParaList& store) {
    Ends ends;
    for (std::int32_t k = 1; k <= store.ParaCount(); ++k)
        ends.push_back(store.LineEnd(k));
    return ends;
}

std::unique_ptr<TParaList> EmptyStore(std::int32_t lengthLimit = kMaxParaLength,
                                      std::int32_t paraLimit = kMaxInt32,
                                      std::int32_t byteLimit = kMaxInt32) {
    auto store = std::make_unique<TParaList>(nullptr, false);
    store->SetParaLengthLimit(lengthLimit);
    store->SetParaLimit(paraLimit);
    store->SetByteLimit(byteLimit);
    return store;
}

TEST(AppendLine, CutsAfterTheLastBlankWithinTheLimit) {
    auto store = EmptyStore(10);
    EXPECT_EQ(AppendLine(*store, "aaaa bbbb cccc", false, leLf), eeOk);
    EXPECT_EQ(Paragraphs(*store), (Texts{"aaaa bbbb ", "cccc", ""}));
    auto trimmed = EmptyStore(10);
    EXPECT_EQ(AppendLine(*trimmed, "aaaa bbbb cccc", true, leLf), eeOk);
    // The blank at the cut is inside the line of the file: it stays.
    EXPECT_EQ(Paragraphs(*trimmed), (Texts{"aaaa bbbb ", "cccc", ""}));
    EXPECT_EQ(trimmed->LineEnd(1), leNone);
    EXPECT_EQ(trimmed->LineEnd(2), leLf);
    EXPECT_STORE_VALID(*trimmed);
}

TEST(AppendLine, CutsAtTheLimitWhenThereIsNoBlank) {
    auto store = EmptyStore(10);
    EXPECT_EQ(AppendLine(*store, std::string(25, 'x'), false, leLf), eeOk);
    EXPECT_EQ(Paragraphs(*store), (Texts{std::string(10, 'x'), std::string(10, 'x'), "xxxxx", ""}));
}

TEST(AppendLine, ABlankLineBecomesEmptyWhenTrimmed) {
    auto store = EmptyStore();
    EXPECT_EQ(AppendLine(*store, " \t  ", true, leLf), eeOk);
    EXPECT_EQ(AppendLine(*store, "a \t", true, leLf), eeOk);
    EXPECT_EQ(AppendLine(*store, " a", true, leLf), eeOk);
    EXPECT_EQ(Paragraphs(*store), (Texts{"", "a", " a", ""}));
    EXPECT_EQ(store->ByteCount(), 9);
}

TEST(AppendLine, ParagraphLimitCountsTheEmptyLastParagraphFree) {
    auto store = EmptyStore(kMaxParaLength, 2);
    EXPECT_EQ(AppendLine(*store, "one", false, leLf), eeOk);
    EXPECT_EQ(AppendLine(*store, "two", false, leLf), eeOk);
    EXPECT_EQ(AppendLine(*store, "three", false, leLf), eeTooManyParagraphs);
    EXPECT_EQ(Paragraphs(*store), (Texts{"one", "two", ""}));
}

TEST(AppendLine, ByteLimitCountsTheLineAndItsBreak) {
    auto store = EmptyStore(kMaxParaLength, kMaxInt32, 7);
    EXPECT_EQ(AppendLine(*store, "abc", false, leLf), eeOk);  // 5 bytes
    EXPECT_EQ(AppendLine(*store, "d", false, leLf), eeTextTooLarge);
    EXPECT_EQ(AppendLine(*store, "", false, leLf), eeOk);
    EXPECT_EQ(store->ByteCount(), 7);
}

TEST(AppendLine, PiecesBeforeAFailureStay) {
    auto store = EmptyStore(4, 2);
    EXPECT_EQ(AppendLine(*store, "aaaabbbbcccc", false, leLf), eeTooManyParagraphs);
    EXPECT_EQ(Paragraphs(*store), (Texts{"aaaa", "bbbb", ""}));
}

TEST(LineAppender, LineLongerThanAnyParagraphContinuesInFurtherParagraphs) {
    auto store = EmptyStore();
    TLineAppender appender(*store, false);
    const std::string line(100000, 'q');
    for (std::size_t at = 0; at < line.size(); at += 6000)
        appender.AddPart(std::string_view(line).substr(at, 6000));
    EXPECT_EQ(appender.EndLine(leLf), eeOk);
    ASSERT_EQ(store->ParaCount(), 5);
    EXPECT_EQ(store->ParaLength(1), kMaxParaLength);
    EXPECT_EQ(store->ParaLength(4), 100000 - 3 * kMaxParaLength);
    EXPECT_STORE_VALID(*store);
}

// ---- The model: the rules written out on a list of strings.

struct TModelStore {
    Texts Paras{""};
    std::int32_t LengthLimit;
    std::int32_t ParaLimit;
    std::int64_t ByteLimit;

    std::int64_t Bytes() const {
        std::int64_t bytes = 0;
        for (const auto& para : Paras)
            bytes += static_cast<std::int64_t>(para.size()) + 2;
        return bytes - 2;
    }
    std::uint16_t Check(std::size_t rest) const {
        const auto count = static_cast<std::int64_t>(Paras.size());
        const std::int64_t allowed = ParaLimit == kMaxInt32 ? ParaLimit : ParaLimit + 1;
        if (count + 1 > allowed) return eeTooManyParagraphs;
        if (Bytes() + static_cast<std::int64_t>(rest) + 2 > ByteLimit) return eeTextTooLarge;
        return eeOk;
    }
    Ends LineEnds{leLf};
    void Add(std::string piece, bool trim, TLineEnd end) {
        while (trim && !piece.empty() && (piece.back() == ' ' || piece.back() == '\t'))
            piece.pop_back();
        Paras.insert(Paras.end() - 1, piece);
        LineEnds.insert(LineEnds.end() - 1, end);
    }
    std::uint16_t AppendLine(std::string line, bool trim) {
        for (;;) {
            if (const std::uint16_t code = Check(line.size())) return code;
            std::size_t take = line.size();
            if (line.size() > static_cast<std::size_t>(LengthLimit)) {
                take = static_cast<std::size_t>(LengthLimit);
                const std::size_t blank = line.substr(0, take).find_last_of(" \t");
                if (blank != std::string::npos) take = blank + 1;
            }
            const bool last = take == line.size();
            Add(line.substr(0, take), trim && last, last ? leLf : leNone);
            line.erase(0, take);
            if (line.empty()) return eeOk;
        }
    }
};

TEST(LineAppenderDifferential, PartsGiveTheSameParagraphsAndCodesAsWholeLines) {
    const std::uint32_t seed = 4242;
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    for (int run = 0; run < 3000; ++run) {
        const std::int32_t lengthLimit = 1 + pick(12);
        const std::int32_t paraLimit = pick(3) == 0 ? 1 + pick(12) : kMaxInt32;
        const std::int32_t byteLimit = pick(3) == 0 ? pick(120) : kMaxInt32;
        const bool trim = pick(2) == 1;
        auto store = EmptyStore(lengthLimit, paraLimit, byteLimit);
        auto whole = EmptyStore(lengthLimit, paraLimit, byteLimit);
        TModelStore model{{""}, lengthLimit, paraLimit, byteLimit};
        TLineAppender appender(*store, trim);
        std::string trace = "seed " + std::to_string(seed) + " run " + std::to_string(run);
        for (int l = 0; l < 8; ++l) {
            std::string line(static_cast<std::size_t>(pick(40)), 'a');
            for (char& c : line)
                c = "ab \t"[pick(4)];
            trace += " [" + line + "]";
            const std::uint16_t expected = model.AppendLine(line, trim);
            ASSERT_EQ(AppendLine(*whole, line, trim, leLf), expected) << trace;
            std::uint16_t code = eeOk;
            if (pick(3) == 0) {
                code = appender.AddLine(line, leLf);
            } else {
                for (std::size_t at = 0; at < line.size();) {
                    const std::size_t part = 1 + static_cast<std::size_t>(pick(9));
                    appender.AddPart(std::string_view(line).substr(at, part));
                    at += part;
                }
                code = appender.EndLine(leLf);
            }
            ASSERT_EQ(code, expected) << trace;
            if (expected != eeOk) break;
            ASSERT_EQ(Paragraphs(*store), model.Paras) << trace;
            ASSERT_EQ(Paragraphs(*whole), model.Paras) << trace;
            ASSERT_EQ(LineEnds(*store), model.LineEnds) << trace;
            ASSERT_STORE_VALID(*store);
        }
    }
}

}  // namespace
}  // namespace wendax
