// Reading and writing text files: the byte rules in both directions, per-line line ends,
// NUL bytes, byte 26, over-long lines, refusals and the limits, case by case, against a
// plain model of the rules with reads cut at random places, and byte-exact round trips of a
// generated corpus.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/byte_checksum.h"
#include "engine/char_set.h"
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
using Ends = std::vector<TLineEnd>;

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

Ends LineEnds(TParaList& store) {
    Ends ends;
    for (std::int32_t k = 1; k <= store.ParaCount(); ++k)
        ends.push_back(store.LineEnd(k));
    return ends;
}

class TextFileTest : public ::testing::Test {
  protected:
    TLoadedText Load(const std::string& bytes, bool trim = false, TLimits limits = {}) {
        Files.Files["f.txt"] = bytes;
        return ReadTextFile(Files, "f.txt", Maker(limits), trim);
    }
    std::string Save(TParaList& store) {
        auto out = Files.Replace("out.txt");
        const std::uint64_t checksum = WriteTextFile(store, *out);
        out->Commit({});
        TByteChecksum written;
        written.Add(Files.Files["out.txt"]);
        EXPECT_EQ(checksum, written.Value());
        return Files.Files["out.txt"];
    }
    // Loads and saves back; the bytes written.
    std::string RoundTrip(const std::string& bytes) {
        TLoadedText text = Load(bytes);
        EXPECT_STORE_VALID(*text.Store);
        EXPECT_EQ(text.Store->FileBytes(), static_cast<std::int64_t>(bytes.size()));
        TByteChecksum read;
        read.Add(bytes);
        EXPECT_EQ(text.Checksum, read.Value());
        return Save(*text.Store);
    }

    TMemoryFileSystem Files;
};

TEST_F(TextFileTest, CrLfLinesBecomeParagraphsBeforeAnEmptyLastOne) {
    TLoadedText text = Load("a\r\nb\r\n");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", ""}));
    EXPECT_EQ(LineEnds(*text.Store), (Ends{leCrLf, leCrLf, leCrLf}));
    EXPECT_EQ(text.Store->ByteCount(), 6);
    EXPECT_EQ(text.Store->FileBytes(), 6);
    EXPECT_EQ(Save(*text.Store), "a\r\nb\r\n");
}

TEST_F(TextFileTest, MissingFinalLineEndStaysMissing) {
    TLoadedText text = Load("a\r\nb");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b"}));
    EXPECT_EQ(LineEnds(*text.Store), (Ends{leCrLf, leNone}));
    EXPECT_EQ(Save(*text.Store), "a\r\nb");
    EXPECT_EQ(RoundTrip("abc"), "abc");
    EXPECT_EQ(RoundTrip("a\nb\r\nc"), "a\nb\r\nc");
}

TEST_F(TextFileTest, EveryLineKeepsItsOwnLineEnd) {
    TLoadedText text = Load("a\nb\r\nc\rd\n");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"a", "b", "c", "d", ""}));
    EXPECT_EQ(LineEnds(*text.Store), (Ends{leLf, leCrLf, leCr, leLf, leLf}));
    EXPECT_EQ(text.Store->FileBytes(), 9);
    EXPECT_EQ(Paragraphs(*Load("a\r\r\nb\n\r").Store), (Texts{"a", "", "b", "", ""}));
    for (const char* bytes : {"a\r\r\nb\n\r", "\r\n", "\n\n", "\r", "\r\r\n\n\r", "a\r\n\r\n",
                              "\xe9t\xe9\n\t x \n", "a\n\rb"})
        EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST_F(TextFileTest, Byte26IsACharacterLikeAnyOther) {
    TLoadedText text = Load(
        "ab\r\ncd\x1a"
        "ef\r\ngh\x1a");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{"ab",
                                              "cd\x1a"
                                              "ef",
                                              "gh\x1a"}));
    EXPECT_EQ(RoundTrip("\x1a"), "\x1a");
    EXPECT_EQ(RoundTrip("ab\r\n\x1a\r\n"), "ab\r\n\x1a\r\n");
}

TEST_F(TextFileTest, EmptyFileIsOneEmptyParagraphAndSavesEmpty) {
    TLoadedText text = Load("");
    EXPECT_EQ(Paragraphs(*text.Store), (Texts{""}));
    EXPECT_EQ(LineEnds(*text.Store), (Ends{leLf}));
    EXPECT_EQ(text.Store->ByteCount(), 0);
    EXPECT_EQ(text.Store->FileBytes(), 0);
    EXPECT_EQ(Save(*text.Store), "");
}

TEST_F(TextFileTest, FileWithANulByteIsRefusedWithItsOffset) {
    Files.ReadPiece = 2;
    try {
        Load(std::string("ab\r\nc\0d\r\n", 9));
        FAIL() << "no failure";
    } catch (const EFileHasNul& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "contains a NUL byte at offset 5; it is not a text file");
        EXPECT_EQ(failure.FileName(), "f.txt");
    }
}

TEST_F(TextFileTest, WhatIsNoFileOrTooLargeIsRefusedBeforeReading) {
    Files.FailReadAfter = 0;
    const std::pair<TFileKind, const char*> kinds[] = {
        {fkDirectory, "is a directory, not a file; only files can be opened"},
        {fkFifo, "is a FIFO (named pipe), not a file; only files can be opened"},
        {fkSocket, "is a socket, not a file; only files can be opened"},
        {fkDevice, "is a device, not a file; only files can be opened"}};
    for (const auto& [kind, message] : kinds) {
        Files.Kinds["f.txt"] = kind;
        try {
            Load("");
            ADD_FAILURE() << "no failure for " << message;
        } catch (const ENotRegularFile& failure) {
            EXPECT_EQ(std::string(failure.what()), message);
        }
    }
    EXPECT_EQ(Files.Opens, 0);
    Files.Kinds.clear();
    try {
        Load("0123456789a", false, {kMaxParaLength, kMaxInt32, 10});
        FAIL() << "no failure";
    } catch (const EFileTooLarge& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "is 11 bytes long; the editor holds at most 10 bytes");
    }
}

TEST_F(TextFileTest, LineLongerThanAParagraphContinuesInFurtherParagraphs) {
    const std::string line = std::string(40000, 'x') + " " + std::string(40000, 'y');
    for (const bool trim : {false, true}) {
        TLoadedText text = Load(line + "\r\nz\r\n", trim);
        const Texts paras = Paragraphs(*text.Store);
        ASSERT_EQ(paras.size(), 6u);
        EXPECT_EQ(paras[0], std::string(kMaxParaLength, 'x'));
        EXPECT_EQ(paras[1], std::string(40000 - kMaxParaLength, 'x') + " ");
        EXPECT_EQ(paras[2], std::string(kMaxParaLength, 'y'));
        EXPECT_EQ(paras[0] + paras[1] + paras[2] + paras[3], line);
        EXPECT_EQ(paras[4], "z");
        EXPECT_EQ(LineEnds(*text.Store), (Ends{leNone, leNone, leNone, leCrLf, leCrLf, leCrLf}));
        EXPECT_TRUE(text.Store->IsContinuation(2));
        EXPECT_FALSE(text.Store->IsContinuation(5));
        EXPECT_EQ(Save(*text.Store), line + "\r\nz\r\n");
    }
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
    // 8 bytes in the file, 10 for the limit, which counts 2 for every line end.
    EXPECT_THROW(Load("abc\ndef\n", false, {kMaxParaLength, kMaxInt32, 9}), EEditorError);
}

TEST_F(TextFileTest, TrimmingRemovesTrailingBlanksOfEveryLine) {
    EXPECT_EQ(Paragraphs(*Load("a \t\r\n   \r\n b ", true).Store), (Texts{"a", "", " b"}));
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
    EXPECT_THROW(WriteTextFile(*store, *out), EInOutError);
}

// ---- The model: the reading rules written out byte by byte.

struct TModelFile {
    Texts Paras;
    Ends LineEnds;
};

struct TModelLine {
    std::string Text;
    TLineEnd End;
};

std::vector<TModelLine> ModelLines(const std::string& bytes) {
    std::vector<TModelLine> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n') {
            lines.push_back({line, leLf});
        } else if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            lines.push_back({line, leCrLf});
            ++i;
        } else if (c == '\r') {
            lines.push_back({line, leCr});
        } else {
            line += c;
            continue;
        }
        line.clear();
    }
    if (!line.empty()) lines.push_back({line, leNone});
    return lines;
}

TLineEnd ModelStyle(const Ends& ends) {
    const auto count = [&](TLineEnd end) { return std::count(ends.begin(), ends.end(), end); };
    if (count(leCr) > count(leLf) && count(leCr) > count(leCrLf)) return leCr;
    return count(leCrLf) > count(leLf) ? leCrLf : leLf;
}

// The first `limit` bytes of `text`, less a valid UTF-8 sequence that reaches past them
// unless it is the first.
std::size_t UnsplitLength(std::string_view text, std::int32_t limit) {
    std::int32_t at = 0;
    while (at + DecodeUtf8(text, at).Bytes <= limit)
        at += DecodeUtf8(text, at).Bytes;
    return static_cast<std::size_t>(at == 0 ? limit : at);
}

TModelFile ModelRead(const std::string& bytes, std::int32_t limit, bool trim) {
    TModelFile file;
    const std::vector<TModelLine> lines = ModelLines(bytes);
    for (TModelLine line : lines) {
        do {
            std::size_t take = line.Text.size();
            if (take > static_cast<std::size_t>(limit)) {
                const std::size_t blank =
                    line.Text.substr(0, static_cast<std::size_t>(limit)).find_last_of(" \t");
                take = blank == std::string::npos ? UnsplitLength(line.Text, limit) : blank + 1;
            }
            std::string piece = line.Text.substr(0, take);
            const bool last = take == line.Text.size();
            while (trim && last && !piece.empty() && (piece.back() == ' ' || piece.back() == '\t'))
                piece.pop_back();
            file.Paras.push_back(piece);
            file.LineEnds.push_back(last ? line.End : leNone);
            line.Text.erase(0, take);
        } while (!line.Text.empty());
    }
    if (lines.empty() || lines.back().End != leNone) {
        file.LineEnds.push_back(ModelStyle(file.LineEnds));
        file.Paras.emplace_back();
    }
    return file;
}

std::string ModelWrite(const TModelFile& file) {
    std::string bytes;
    for (std::size_t k = 0; k < file.Paras.size(); ++k) {
        if (k + 1 == file.Paras.size() && file.Paras[k].empty()) break;
        bytes += file.Paras[k];
        bytes += LineEndBytes(file.LineEnds[k]);
    }
    return bytes;
}

// The text is UTF-8 when every paragraph is: a sequence cut by a line end or by a piece's
// end counts as invalid.
bool ModelValidUtf8(const TModelFile& file) {
    return std::all_of(file.Paras.begin(), file.Paras.end(),
                       [](const std::string& para) { return IsValidUtf8(para); });
}

TEST_F(TextFileTest, ReadingAndWritingAgreeWithTheModelWhereverReadsAreCut) {
    const std::uint32_t seed = 9001;
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<std::uint32_t>(n)); };
    const std::string alphabet = "aaaabb  \t\r\r\n\n\n\xe9\xff\x80\x1a";
    for (int run = 0; run < 4000; ++run) {
        std::string bytes(static_cast<std::size_t>(pick(60)), ' ');
        for (char& c : bytes)
            c = alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
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
        ASSERT_EQ(LineEnds(*text.Store), expected.LineEnds);
        ASSERT_EQ(text.ValidUtf8, ModelValidUtf8(expected));
        ASSERT_STORE_VALID(*text.Store);
        const std::string written = Save(*text.Store);
        ASSERT_EQ(written, ModelWrite(expected));
        if (!trim) {
            ASSERT_EQ(written, bytes);
        }
    }
}

// Multi-byte characters, whole or cut by a line end, a piece's end, a trimmed blank or a
// read, decide the character set as the paragraphs they end up in.
TEST_F(TextFileTest, CharacterSetAgreesWithTheParagraphsWhereverReadsAndPiecesAreCut) {
    const std::vector<std::string> pieces = {"a", " ",    "\t", "\r",      "\n",
                                             "é", "日本", "😀",  "\xe6\x97"};
    std::mt19937 random(4242);
    int valid = 0;
    for (int run = 0; run < 3000; ++run) {
        std::string bytes;
        const auto count = random() % 40;
        for (std::uint32_t i = 0; i < count; ++i)
            bytes += pieces[random() % (run % 3 == 0 ? pieces.size() : pieces.size() - 1)];
        const auto limit =
            static_cast<std::int32_t>(random() % 2 == 0 ? 1 + random() % 12 : kMaxParaLength);
        const bool trim = random() % 2 == 0;
        Files.ReadPiece = 1 + random() % 9;
        const TLoadedText text = Load(bytes, trim, {limit});
        ASSERT_EQ(text.ValidUtf8, ModelValidUtf8(ModelRead(bytes, limit, trim))) << "run " << run;
        valid += text.ValidUtf8 ? 1 : 0;
    }
    EXPECT_GT(valid, 500);
    EXPECT_LT(valid, 2500);
}

// The corpus: lines of every byte but NUL, CR and LF, byte 26 inside a line and at the end
// of the file, lines around a paragraph's size and far beyond it, each with every mix of
// line ends, with and without a final line end. Each comes back byte for byte.
TEST_F(TextFileTest, GeneratedCorpusRoundTripsByteForByte) {
    std::string everyByte;
    for (int c = 1; c <= 255; ++c)
        if (c != '\r' && c != '\n') everyByte += static_cast<char>(c);
    const std::vector<std::string> shortLines = {everyByte,
                                                 "ab\x1a"
                                                 "cd",
                                                 "", " \t ", "x\x1a"};
    const std::string ends[] = {"\n", "\r\n", "\r"};
    Files.ReadPiece = 4093;
    for (int mix = 0; mix < 4; ++mix) {
        for (const bool finalEnd : {true, false}) {
            std::string bytes;
            for (std::size_t l = 0; l < shortLines.size() * 3; ++l) {
                bytes += shortLines[l % shortLines.size()];
                if (finalEnd || l + 1 < shortLines.size() * 3)
                    bytes += ends[mix < 3 ? mix : static_cast<int>(l % 3)];
            }
            bytes += finalEnd ? "" : "\x1a";
            SCOPED_TRACE("mix " + std::to_string(mix) + (finalEnd ? " final line end" : ""));
            ASSERT_EQ(RoundTrip(bytes), bytes);
        }
    }
    std::mt19937 random(77);
    for (const std::size_t length : {32766u, 32767u, 32768u, 100000u, 1000000u}) {
        for (const bool blanks : {false, true}) {
            std::string line(length, 'x');
            for (char& c : line)
                c = blanks && random() % 9 == 0 ? ' ' : static_cast<char>('a' + random() % 26);
            for (int mix = 0; mix < 4; ++mix) {
                const std::string end = mix < 3 ? ends[mix] : "";
                const std::string bytes = line + end + "next" + end + line + end;
                SCOPED_TRACE("line of " + std::to_string(length) + " mix " + std::to_string(mix));
                ASSERT_EQ(RoundTrip(bytes), bytes);
                if (length > static_cast<std::size_t>(kMaxParaLength) && mix < 3) {
                    TLoadedText text = Load(bytes);
                    ASSERT_TRUE(text.Store->IsContinuation(2));
                    ASSERT_EQ(text.Store->LineEnd(1), leNone);
                }
            }
        }
    }
}

}  // namespace
}  // namespace wendax
