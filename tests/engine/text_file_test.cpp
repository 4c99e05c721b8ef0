// Reading and writing text files: the byte rules in both directions, LF-only files, NUL
// bytes, byte 26, over-long lines and the limits, case by case, against a plain model of
// the rules with reads cut at random places, and byte-exact round trips.
#include <gtest/gtest.h>

#include <random>

#include "engine/text_file_errors.h"
#include "engine/text_file_reader.h"
#include "engine/text_file_writer.h"
#include "tests/engine/memory_file_system.h"
#include "tests/engine/store_test_support.h"

namespace wendax {
namespace {

using test::Paragraphs;
using test::TMemoryFileSystem;
using Texts = std::vector<std::string>;

struct TLimits {
    std::int32_t Length = kMaxParaLength;
    std::int32_t Paras = kMaxInt32;
    std::int32_t Bytes = kMaxInt32;
};

TStoreMaker Maker(TLimits limits = {}) {
    return [limits] {
        auto store = std::make_unique<TParaList>(nullptr, false);
        store->SetParaLengthLimit(limits.Length);
        store->SetParaLimit(limits.Paras);
        store->SetByteLimit(limits.Bytes);
        return store;
    };
}

class TextFileTest : public ::testing::Test {
  protected:
    TLoadedText Load(const std::string& bytes, bool trim = false, TLimits limits = {}) {
        Files.Files["f.txt"] = bytes;
        return ReadTextFile(Files, "f.txt", Maker(limits), trim);
    }
    std::string Save(TParaList& store, TLineEnd lineEnd) {
        auto out = Files.Replace("out.txt");
        WriteTextFile(store, *out, lineEnd);
        out->Commit({});
        return Files.Files["out.txt"];
    }
    // Loads and saves back; the bytes written.
    std::string RoundTrip(const std::string& bytes) {
        TLoadedText text = Load(bytes);
        EXPECT_STORE_VALID(*text.Store);
        return Save(*text.Store, text.LineEnd);
    }

    TMemoryFileSystem Files;
};

TEST_F(TextFileTest, CrLfLinesBecomeParagraphsBeforeAnEmptyLastOne) {
    TLoadedText text = Load("a\r\nb\r\n");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", ""}));
    EXPECT_EQ(text.Store->ByteCount(), 6);
    EXPECT_EQ(text.LineEnd, leCrLf);
    EXPECT_EQ(Save(*text.Store, text.LineEnd), "a\r\nb\r\n");
}

TEST_F(TextFileTest, MissingFinalLineEndIsAddedOnSaving) {
    TLoadedText text = Load("a\r\nb");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", ""}));
    EXPECT_EQ(Save(*text.Store, text.LineEnd), "a\r\nb\r\n");
}

TEST_F(TextFileTest, EmptyLinesAreKept) {
    EXPECT_EQ(Paragraphs(*Load("a\r\n\r\n").Store), (Texts{"a", "", ""}));
    EXPECT_EQ(RoundTrip("a\r\n\r\n"), "a\r\n\r\n");
    EXPECT_EQ(RoundTrip("\r\n"), "\r\n");
}

TEST_F(TextFileTest, LoneLineFeedInAFileWithCarriageReturnsIsACharacter) {
    EXPECT_EQ(Paragraphs(*Load("a\nb\r\n").Store), (Texts{"a\nb", ""}));
    EXPECT_EQ(RoundTrip("a\nb\r\n"), "a\nb\r\n");
}

TEST_F(TextFileTest, LoneCarriageReturnEndsALine) {
    EXPECT_EQ(Paragraphs(*Load("a\rb").Store), (Texts{"a", "b", ""}));
    EXPECT_EQ(RoundTrip("a\rb"), "a\r\nb\r\n");
    EXPECT_EQ(Paragraphs(*Load("a\r\r\nb\n\r").Store), (Texts{"a", "", "b\n", ""}));
}

TEST_F(TextFileTest, Byte26EndsTheFile) {
    TLoadedText text = Load(
        "ab\r\ncd\x1a"
        "ef\r\ngh\0");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"ab", "cd", ""}));
    EXPECT_EQ(Paragraphs(*Load("ab\r\n\x1a\r\n").Store), (Texts{"ab", ""}));
    EXPECT_EQ(Paragraphs(*Load("\x1a"
                               "abc")
                              .Store),
              (Texts{""}));
}

TEST_F(TextFileTest, EmptyFileIsOneEmptyParagraphAndSavesEmpty) {
    TLoadedText text = Load("");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{""}));
    EXPECT_EQ(text.Store->ByteCount(), 0);
    EXPECT_EQ(Save(*text.Store, text.LineEnd), "");
}

TEST_F(TextFileTest, FileWithLineFeedsAndNoCarriageReturnIsReadAndWrittenWithLineFeeds) {
    TLoadedText text = Load("a\nb\n");
    EXPECT_EQ(text.LineEnd, leLf);
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", ""}));
    EXPECT_EQ(Save(*text.Store, text.LineEnd), "a\nb\n");
    EXPECT_EQ(RoundTrip("a\nb"), "a\nb\n");
    EXPECT_EQ(RoundTrip("\n\n"), "\n\n");
    EXPECT_EQ(RoundTrip("\xe9t\xe9\n\t x \n"), "\xe9t\xe9\n\t x \n");
}

TEST_F(TextFileTest, FileWithoutAnyLineEndIsNewTextWithCrLf) {
    TLoadedText text = Load("abc");
    EXPECT_EQ(text.LineEnd, leCrLf);
    EXPECT_EQ(Save(*text.Store, text.LineEnd), "abc\r\n");
}

TEST_F(TextFileTest, LineFeedBeforeTheFirstCarriageReturnMeansTheCrRulesFromTheStart) {
    TLoadedText text = Load("a\nb\rc");
    EXPECT_EQ(text.LineEnd, leCrLf);
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a\nb", "c", ""}));
    EXPECT_EQ(Files.Opens, 2);
    Files.Opens = 0;
    Files.ReadPiece = 3;
    text = Load("one\ntwo\nthree\r\nfour");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"one\ntwo\nthree", "four", ""}));
    EXPECT_EQ(Files.Opens, 2);
}

TEST_F(TextFileTest, CarriageReturnFirstIsDecidedWithoutReadingAgain) {
    TLoadedText text = Load("a\rb\nc\r\n");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b\nc", ""}));
    EXPECT_EQ(Files.Opens, 1);
}

TEST_F(TextFileTest, CarriageReturnAfterByte26DoesNotCount) {
    TLoadedText text = Load("a\nb\n\x1a\r\n");
    EXPECT_EQ(text.LineEnd, leLf);
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", ""}));
}

TEST_F(TextFileTest, FileWithANulByteIsRefusedWithItsName) {
    try {
        Load(std::string("ab\r\nc\0d\r\n", 9));
        FAIL() << "no failure";
    } catch (const EFileHasNul& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "Cannot load \"f.txt\": the file contains NUL bytes (binary data) and is not a "
                  "text file");
    }
    EXPECT_NO_THROW(Load(std::string("ab\x1a\0", 4)));
}

TEST_F(TextFileTest, LineLongerThanAParagraphContinuesInFurtherParagraphs) {
    const std::string line = std::string(40000, 'x') + " " + std::string(40000, 'y');
    TLoadedText text = Load(line + "\r\nz\r\n");
    const Texts paras = Paragraphs(*text.Store);
    ASSERT_EQ(paras.size(), 6u);
    EXPECT_EQ(paras[0], std::string(kMaxParaLength, 'x'));
    EXPECT_EQ(paras[1], std::string(40000 - kMaxParaLength, 'x') + " ");
    EXPECT_EQ(paras[2], std::string(kMaxParaLength, 'y'));
    EXPECT_EQ(paras[0] + paras[1] + paras[2] + paras[3], line);
    EXPECT_EQ(paras[4], "z");
}

TEST_F(TextFileTest, LimitsAreRaisedWithTheirMessagesAndCodeZero) {
    EXPECT_EQ(Paragraphs(*Load("a\r\nb\r\n", false, {kMaxParaLength, 2}).Store),
              (Texts{"a", "b", ""}));
    try {
        Load("a\r\nb\r\nc\r\n", false, {kMaxParaLength, 2});
        FAIL() << "no failure";
    } catch (const EEditorError& failure) {
        EXPECT_EQ(failure.ErrorCode(), 0);
        EXPECT_EQ(std::string(failure.what()),
                  "Current operation will exceed the maximum number of allowed paragraphs");
    }
    EXPECT_THROW(Load("abc\r\ndef\r\n", false, {kMaxParaLength, kMaxInt32, 7}), EEditorError);
}

TEST_F(TextFileTest, TrimmingRemovesTrailingBlanksOfEveryLine) {
    EXPECT_EQ(Paragraphs(*Load("a \t\r\n   \r\n b ", true).Store), (Texts{"a", "", " b", ""}));
}

TEST_F(TextFileTest, ReadFailureIsRaised) {
    Files.FailReadAfter = 3;
    EXPECT_THROW(Load("abcdef\r\n"), EInOutError);
    Files.FailReadAfter = static_cast<std::size_t>(-1);
    Files.FailOpen = true;
    EXPECT_THROW(Load("abc"), EInOutError);
}

TEST_F(TextFileTest, WriterFailuresAreRaised) {
    auto store = test::MakeStore({"abc", "def", ""});
    Files.FailWriteAfter = 2;
    auto out = Files.Replace("out.txt");
    EXPECT_THROW(WriteTextFile(*store, *out, leCrLf), EInOutError);
}

// ---- The model: the reading rules written out byte by byte.

struct TModelFile {
    Texts Paras;
    TLineEnd LineEnd = leCrLf;
};

Texts ModelLines(std::string bytes, TLineEnd& lineEnd) {
    bytes = bytes.substr(0, bytes.find('\x1a'));
    const bool cr = bytes.find('\r') != std::string::npos;
    lineEnd = !cr && bytes.find('\n') != std::string::npos ? leLf : leCrLf;
    Texts lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if ((cr && c == '\r') || (!cr && c == '\n')) {
            lines.push_back(line);
            line.clear();
            open = false;
            if (cr && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

TModelFile ModelRead(const std::string& bytes, std::int32_t limit, bool trim) {
    TModelFile file;
    for (std::string line : ModelLines(bytes, file.LineEnd)) {
        do {
            std::size_t take = line.size();
            if (take > static_cast<std::size_t>(limit)) {
                const std::size_t blank =
                    line.substr(0, static_cast<std::size_t>(limit)).find_last_of(" \t");
                take = blank == std::string::npos ? static_cast<std::size_t>(limit) : blank + 1;
            }
            std::string piece = line.substr(0, take);
            while (trim && !piece.empty() && (piece.back() == ' ' || piece.back() == '\t'))
                piece.pop_back();
            file.Paras.push_back(piece);
            line.erase(0, take);
        } while (!line.empty());
    }
    file.Paras.emplace_back();
    return file;
}

std::string ModelWrite(const Texts& paras, TLineEnd lineEnd) {
    std::string bytes;
    for (std::size_t k = 0; k < paras.size(); ++k) {
        if (k + 1 == paras.size() && paras[k].empty()) break;
        bytes += paras[k] + (lineEnd == leLf ? "\n" : "\r\n");
    }
    return bytes;
}

TEST_F(TextFileTest, ReadingAndWritingAgreeWithTheModelWhereverReadsAreCut) {
    const std::uint32_t seed = 9001;
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    const std::string alphabet = "aaaabb  \t\r\r\n\n\n\xe9\xff\x80\x1a";
    for (int run = 0; run < 4000; ++run) {
        std::string bytes(static_cast<std::size_t>(pick(60)), ' ');
        const bool noCr = pick(3) == 0;
        for (char& c : bytes) {
            do {
                c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
            } while ((noCr && c == '\r') || (c == '\x1a' && pick(8) != 0));
        }
        const std::int32_t limit = pick(2) == 0 ? 1 + pick(10) : kMaxParaLength;
        const bool trim = pick(2) == 1;
        Files.ReadPiece = 1 + static_cast<std::size_t>(pick(9));
        const TModelFile expected = ModelRead(bytes, limit, trim);
        TLoadedText text = Load(bytes, trim, {limit});
        std::string shown;
        for (const char c : bytes)
            shown += c == '\r' ? "<CR>" : c == '\n' ? "<LF>" : std::string(1, c);
        SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(run) + " [" + shown +
                     "] limit " + std::to_string(limit));
        ASSERT_EQ(Paragraphs(*text.Store), expected.Paras);
        ASSERT_EQ(text.LineEnd, expected.LineEnd);
        ASSERT_STORE_VALID(*text.Store);
        ASSERT_EQ(Save(*text.Store, text.LineEnd), ModelWrite(expected.Paras, expected.LineEnd));
    }
}

// Files as they come from editors: every line ended the same way, any byte but the line
// ends, NUL and 26 inside lines, lines of any length up to a paragraph.
std::string GeneratedFile(std::mt19937& random, TLineEnd lineEnd, bool long_lines) {
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    std::string bytes;
    const int lines = pick(200);
    for (int l = 0; l < lines; ++l) {
        const int length = long_lines && pick(20) == 0 ? pick(kMaxParaLength + 1) : pick(90);
        for (int i = 0; i < length; ++i) {
            char c;
            do {
                c = static_cast<char>(1 + pick(255));
            } while (c == '\r' || c == '\n' || c == '\x1a');
            bytes += c;
        }
        bytes += lineEnd == leLf ? "\n" : "\r\n";
    }
    return bytes;
}

TEST_F(TextFileTest, GeneratedFilesRoundTripByteForByte) {
    const std::uint32_t seed = 31337;
    std::mt19937 random(seed);
    Files.ReadPiece = 4096;
    for (int run = 0; run < 60; ++run) {
        const TLineEnd lineEnd = run % 2 == 0 ? leCrLf : leLf;
        const std::string bytes = GeneratedFile(random, lineEnd, run % 3 == 0);
        SCOPED_TRACE("seed " + std::to_string(seed) + " run " + std::to_string(run));
        if (bytes.empty()) continue;
        ASSERT_EQ(RoundTrip(bytes), bytes);
        ASSERT_EQ(Load(bytes).LineEnd, lineEnd);
    }
}

}  // namespace
}  // namespace wendax
