// The text-file editor: loading into a fresh store that replaces the text only when the
// whole file was read, FileName and IsOpen, saving with backups, and saves that fail at
// any point leaving the file and Modified as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "base/command_codes.h"
#include "base/exceptions.h"
#include "control/controller.h"
#include "control/text_file_editor.h"
#include "engine/text_file_errors.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"
#include "tests/engine/child_process.h"
#include "tests/engine/memory_file_system.h"
#include "tests/engine/store_test_support.h"
#include "tests/engine/temp_dir.h"

namespace wendax {
namespace {

using testkit::TTempDir;
using Texts = std::vector<std::string>;

Texts Paras(TOvcCustomEditor& editor) {
    return test::Paragraphs(editor.Store());
}

// `bytes` characters of text in lines of 100.
std::string ManyLines(std::size_t bytes) {
    std::string text;
    while (text.size() < bytes)
        text += std::string(98, 'x') + "\r\n";
    return text;
}

class TextFileEditorTest : public ::testing::Test {
  protected:
    TextFileEditorTest() {
        Platform.FileSystem = &Files;
        Editor.SetController(&Controller);
    }

    // An edited text: "old" and "text", caret in paragraph 2, a bookmark, Modified.
    void EditSomething() {
        Editor.InsertString("old\r\ntext");
        Editor.SetCaretParaPos({2, 3});
        Editor.SetMarker(4);
        ASSERT_TRUE(Editor.Modified());
    }

    THeadlessPlatform Platform;
    test::TMemoryFileSystem Files;
    TOvcController Controller;
    TOvcTextFileEditor Editor;
};

// ---- Loading

TEST_F(TextFileEditorTest, LoadingGivesAFreshTextWithNameAndOpenState) {
    EditSomething();
    Files.Files["f.txt"] = "a\r\nb\r\n";
    Editor.LoadFromFile("f.txt.");
    EXPECT_EQ(Paras(Editor), (Texts{"a", "b", ""}));
    EXPECT_EQ(Editor.FileName(), "f.txt");
    EXPECT_TRUE(Editor.IsOpen());
    EXPECT_FALSE(Editor.Modified());
    EXPECT_FALSE(Editor.CanUndo());
    EXPECT_EQ(Editor.Store().Marker(4).Para, 0);
    EXPECT_EQ(Editor.CaretParaPos(), (TParaPos{1, 1}));
    EXPECT_EQ(Editor.Store().LineEndStyle(), leCrLf);
    EXPECT_EQ(Editor.TextLength(), 6);
    EXPECT_EQ(Platform.BusyDepth, 0);
    EXPECT_EQ(Editor.CheckInvariants(), "");
}

// Valid UTF-8 (pure ASCII too) loads as UTF-8, anything else as 8-bit; either way the
// file comes back byte for byte, also after reinterpreting it in the other set.
TEST_F(TextFileEditorTest, LoadingDetectsTheCharacterSetAndKeepsEveryByte) {
    const std::vector<std::pair<std::string, TCharSet>> files = {
        {"plain ascii\r\n", chUtf8},
        {"Caf\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80\r\nx\r\n", chUtf8},
        {"Caf\xe9 na\xefve\r\n", chEightBit},
        {"ok\r\n\xe6\x97\r\n", chEightBit},  // a cut sequence
    };
    for (const auto& [bytes, set] : files) {
        Files.Files["f.txt"] = bytes;
        Editor.LoadFromFile("f.txt");
        EXPECT_EQ(Editor.CharSet(), set) << bytes;
        Editor.SetCharSet(set == chUtf8 ? chEightBit : chUtf8);
        EXPECT_EQ(Editor.CheckInvariants(), "");
        Editor.SaveToFile("g.txt");
        EXPECT_EQ(Files.Files["g.txt"], bytes);
    }
}

TEST_F(TextFileEditorTest, LoadingAnEmptyNameDoesNothing) {
    EditSomething();
    Editor.LoadFromFile("");
    EXPECT_EQ(Paras(Editor), (Texts{"old", "text"}));
    EXPECT_EQ(Editor.FileName(), "");
}

TEST_F(TextFileEditorTest, LoadingTrimsTrailingBlanksUnlessTold) {
    Files.Files["f.txt"] = "a  \r\n\t\r\n";
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Paras(Editor), (Texts{"a", "", ""}));
    Editor.SetTrimWhiteSpace(false);
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Paras(Editor), (Texts{"a  ", "\t", ""}));
}

TEST_F(TextFileEditorTest, LoadedTextKeepsTheEditorsWrapAndLimits) {
    Editor.SetWordWrap(true);
    Editor.SetWrapColumn(6);
    Editor.SetParaLengthLimit(10);
    Files.Files["f.txt"] = "aaaa bbbb cccc dddd\r\n";
    Editor.LoadFromFile("f.txt");
    // The blank where the line was cut is inside the line of the file: never trimmed.
    EXPECT_EQ(Paras(Editor), (Texts{"aaaa bbbb ", "cccc dddd", ""}));
    EXPECT_EQ(Editor.LineCount(), 5);
    EXPECT_EQ(Editor.CheckInvariants(), "");
}

// A failed load (here a file deleted from disk) keeps the text, caret and Modified.
TEST_F(TextFileEditorTest, FailedLoadKeepsTheTextItReplacedNothing) {
    Files.Files["f.txt"] = "x\r\n";
    Editor.LoadFromFile("f.txt");
    EditSomething();
    const std::string before = test::Paragraphs(Editor.Store())[0];
    EXPECT_THROW(Editor.LoadFromFile("gone.txt"), EInOutError);
    EXPECT_EQ(test::Paragraphs(Editor.Store())[0], before);
    EXPECT_EQ(Editor.CaretParaPos(), (TParaPos{2, 3}));
    EXPECT_TRUE(Editor.Modified());
    EXPECT_TRUE(Editor.CanUndo());
    EXPECT_FALSE(Editor.IsOpen());
    EXPECT_EQ(Editor.FileName(), "gone.txt");
    EXPECT_EQ(Platform.BusyDepth, 0);
}

TEST_F(TextFileEditorTest, LoadFailingHalfwayKeepsTheOldText) {
    EditSomething();
    Files.Files["f.txt"] = "line one\r\nline two\r\n";
    Files.FailReadAfter = 12;
    Files.ReadPiece = 4;
    EXPECT_THROW(Editor.LoadFromFile("f.txt"), EInOutError);
    EXPECT_EQ(Paras(Editor), (Texts{"old", "text"}));
    EXPECT_TRUE(Editor.Modified());
}

TEST_F(TextFileEditorTest, FileWithNulIsRefusedAndTheTextStays) {
    EditSomething();
    Files.Files["f.bin"] = std::string("ab\0cd\r\n", 7);
    EXPECT_THROW(Editor.LoadFromFile("f.bin"), EFileHasNul);
    EXPECT_EQ(Paras(Editor), (Texts{"old", "text"}));
    EXPECT_FALSE(Editor.IsOpen());
}

TEST_F(TextFileEditorTest, LimitReachedWhileLoadingRaisesWithCodeZeroAndKeepsTheText) {
    EditSomething();
    Editor.SetParaLimit(2);
    Files.Files["f.txt"] = "1\r\n2\r\n3\r\n";
    try {
        Editor.LoadFromFile("f.txt");
        FAIL() << "no failure";
    } catch (const EEditorError& failure) {
        EXPECT_EQ(failure.ErrorCode(), 0);
        EXPECT_EQ(std::string(failure.what()),
                  "Current operation will exceed the maximum number of allowed paragraphs");
    }
    EXPECT_EQ(Paras(Editor), (Texts{"old", "text"}));
    Files.Files["f.txt"] = "1\r\n2\r\n";
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Editor.ParaCount(), 3);
}

TEST_F(TextFileEditorTest, AnotherViewKeepsTheTextThisViewLoadedOver) {
    THeadlessWindow window(Editor, {400, 200});
    Editor.AttachWindow(window);
    TOvcTextFileEditor other;
    other.SetController(&Controller);
    THeadlessWindow otherWindow(other, {400, 200});
    other.AttachWindow(otherWindow);
    other.Attach(&Editor);
    EditSomething();
    Files.Files["f.txt"] = "new\r\n";
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Paras(Editor), (Texts{"new", ""}));
    EXPECT_EQ(Paras(other), (Texts{"old", "text"}));
    other.DetachWindow();
    Editor.DetachWindow();
}

// ---- FileName and IsOpen

TEST_F(TextFileEditorTest, FileNameLosesOneTrailingDotOnly) {
    Editor.SetFileName("x.txt.");
    EXPECT_EQ(Editor.FileName(), "x.txt");
    Editor.SetFileName(".");
    EXPECT_EQ(Editor.FileName(), ".");
    Editor.SetFileName("a..");
    EXPECT_EQ(Editor.FileName(), "a.");
}

TEST_F(TextFileEditorTest, FileNamesAreComparedExactly) {
    Files.Files["Notes.txt"] = "x\r\n";
    Editor.LoadFromFile("Notes.txt");
    Editor.SetFileName("Notes.txt");
    EXPECT_TRUE(Editor.IsOpen());
    Editor.SetFileName("notes.txt");
    EXPECT_FALSE(Editor.IsOpen());
    EXPECT_EQ(Editor.FileName(), "notes.txt");
    EXPECT_EQ(Paras(Editor), (Texts{"x", ""}));
}

TEST_F(TextFileEditorTest, OpeningLoadsAndClosingDiscardsTheText) {
    Editor.SetIsOpen(true);
    EXPECT_FALSE(Editor.IsOpen());
    Files.Files["f.txt"] = "a\nb\n";
    Editor.SetFileName("f.txt");
    Editor.SetIsOpen(true);
    EXPECT_EQ(Paras(Editor), (Texts{"a", "b", ""}));
    EXPECT_EQ(Editor.Store().LineEndStyle(), leLf);
    EXPECT_EQ(Editor.DiskIdentity().Size, 4);
    Editor.SetIsOpen(false);
    EXPECT_EQ(Paras(Editor), (Texts{""}));
    EXPECT_EQ(Editor.DiskIdentity().Kind, fkMissing);
    EXPECT_EQ(Editor.FileName(), "f.txt");
}

TEST_F(TextFileEditorTest, OpeningAMissingFileFailsAndStaysClosed) {
    EditSomething();
    Editor.SetFileName("gone.txt");
    EXPECT_THROW(Editor.SetIsOpen(true), EInOutError);
    EXPECT_FALSE(Editor.IsOpen());
    EXPECT_EQ(Paras(Editor), (Texts{"old", "text"}));
}

// ---- Saving

TEST_F(TextFileEditorTest, SavingWritesTheTextAndClearsModifiedButNotTheName) {
    Files.Files["f.txt"] = "a\r\n";
    Editor.LoadFromFile("f.txt");
    Editor.SetCaretParaPos({1, 2});
    Editor.InsertString("b");
    Editor.SaveToFile("g.txt");
    EXPECT_EQ(Files.Files["g.txt"], "ab\r\n");
    EXPECT_EQ(Files.Files["f.txt"], "a\r\n");
    EXPECT_EQ(Editor.FileName(), "f.txt");
    EXPECT_FALSE(Editor.Modified());
    Editor.Undo();
    EXPECT_TRUE(Editor.Modified());
    Editor.SaveToFile("");
    EXPECT_TRUE(Editor.Modified());
}

TEST_F(TextFileEditorTest, FileWithLineFeedsOnlyIsSavedWithLineFeeds) {
    Files.Files["f.txt"] = "one\ntwo\n";
    Editor.LoadFromFile("f.txt");
    Editor.SetCaretParaPos({2, 4});
    Editor.InsertString("!");
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "one\ntwo!\n");
}

TEST_F(TextFileEditorTest, NewTextIsSavedWithLineFeeds) {
    Editor.InsertString("a\r\nb");
    Editor.SaveToFile("n.txt");
    EXPECT_EQ(Files.Files["n.txt"], "a\nb\n");
}

// Enter, paste, typing and joins through the editor's commands, then saving: every line
// keeps its own line end, a new line takes the one of the line it was made from, a pasted
// text the one of the line it lands in; TextLength counts the bytes written.
TEST_F(TextFileEditorTest, EditsKeepEveryLineEndAndMakeNewOnesFromTheirLine) {
    Editor.SetTrimWhiteSpace(false);
    Files.Files["f.txt"] = "one\r\ntwo\nthree";
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Editor.TextLength(), 14);
    Editor.SetCaretParaPos({1, 3});
    Editor.ProcessCommand(ccNewLine, 0);  // "on" CR LF "e" CR LF
    Editor.SetCaretParaPos({3, 4});
    Editor.InsertString("A\r\nB");  // lands in "two" (LF): "twoA" LF "B" LF
    Editor.SetCaretParaPos({5, 6});
    Editor.ProcessCommand(ccNewLine, 0);  // the last line had none: "three" LF ""
    Editor.ProcessCommand(ccInsertChar, 'x');
    EXPECT_EQ(Editor.TextLength(), 21);
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "on\r\ne\r\ntwoA\nB\nthree\nx");
    Editor.SetCaretParaPos({1, 3});
    Editor.ProcessCommand(ccDel, 0);  // the join takes the line end of the second line
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "one\r\ntwoA\nB\nthree\nx");
    EXPECT_EQ(Editor.CheckInvariants(), "");
}

// A line longer than a paragraph: saved whole, edited as one line of the file; a line break
// made inside it is a real one, and undo gives the continuation back.
TEST_F(TextFileEditorTest, ContinuationsAreOneLineOfTheFileThroughEdits) {
    Editor.SetTrimWhiteSpace(true);
    const std::string line = std::string(40000, 'x') + " \t" + std::string(30000, 'y');
    Files.Files["f.txt"] = line + "\nend\n";
    Editor.LoadFromFile("f.txt");
    ASSERT_EQ(Editor.ParaCount(), 5);
    EXPECT_TRUE(Editor.Store().IsContinuation(2));
    EXPECT_TRUE(Editor.Store().IsContinuation(3));
    EXPECT_EQ(Editor.TextLength(), static_cast<std::int64_t>(line.size()) + 5);
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], line + "\nend\n");
    Editor.SelectAll(false);
    Editor.CopyToClipboard();  // the continuations are no line breaks there either
    EXPECT_EQ(Platform.Clipboard, line + "\r\nend\r\n");
    Editor.SetCaretParaPos({1, kMaxParaLength + 1});
    std::uint16_t reported = 0;
    Editor.OnError = [&](TOvcCustomEditor&, std::uint16_t& code) { reported = code; };
    Editor.ProcessCommand(ccInsertChar, 'z');  // the paragraph is full
    EXPECT_EQ(reported, eeParagraphTooLong);
    Editor.SetCaretParaPos({2, 11});
    Editor.ProcessCommand(ccNewLine, 0);
    EXPECT_FALSE(Editor.Store().IsContinuation(3));
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], line.substr(0, kMaxParaLength + 10) + "\n" +
                                        line.substr(kMaxParaLength + 10) + "\nend\n");
    Editor.Undo();
    EXPECT_TRUE(Editor.Store().IsContinuation(2));
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], line + "\nend\n");
    EXPECT_EQ(Editor.CheckInvariants(), "");
}

// The conversion keeps continuations and lines without a line end, and is one undo step.
TEST_F(TextFileEditorTest, LineEndsConvertAsOneStep) {
    const std::string line(kMaxParaLength + 5, 'q');
    Files.Files["f.txt"] = "a\r\nb\nc\r" + line + "\r\nlast";
    Editor.LoadFromFile("f.txt");
    Editor.ConvertLineEnds(leLf);
    EXPECT_EQ(Editor.Store().LineEndStyle(), leLf);
    EXPECT_TRUE(Editor.Modified());
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "a\nb\nc\n" + line + "\nlast");
    Editor.ConvertLineEnds(leCrLf);
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "a\r\nb\r\nc\r\n" + line + "\r\nlast");
    Editor.Undo();
    Editor.Undo();
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Files.Files["f.txt"], "a\r\nb\nc\r" + line + "\r\nlast");
    Editor.Redo();
    EXPECT_EQ(Editor.Store().LineEndStyle(), leLf);
}

// What another program does to the file: nothing, a touch with the same bytes (taken
// silently), other bytes, the file gone. Our own save is no change.
TEST_F(TextFileEditorTest, ChangesOnDiskAreToldFromTouches) {
    Files.Files["f.txt"] = "a\n";
    Editor.LoadFromFile("f.txt");
    EXPECT_EQ(Editor.CheckDisk(), dcNone);
    ++Files.Versions["f.txt"];
    EXPECT_EQ(Editor.CheckDisk(), dcNone);
    Files.Files["f.txt"] = "b\n";
    ++Files.Versions["f.txt"];
    EXPECT_EQ(Editor.CheckDisk(), dcChanged);
    Editor.AcceptDiskChange();
    EXPECT_EQ(Editor.CheckDisk(), dcNone);
    Editor.ProcessCommand(ccInsertChar, 'x');
    Editor.SaveToFile("f.txt");
    EXPECT_EQ(Editor.CheckDisk(), dcNone);
    Files.Files.erase("f.txt");
    EXPECT_EQ(Editor.CheckDisk(), dcGone);
    Editor.AcceptDiskChange();
    EXPECT_EQ(Editor.CheckDisk(), dcNone);
    Editor.SaveToFile("g.txt");
    Editor.SetFileName("g.txt");
    Files.Files["g.txt"] += "more";
    EXPECT_EQ(Editor.CheckDisk(), dcChanged);
}

struct TBackupCase {
    const char* Name;
    bool Exists;
    const char* Backup;  // empty: none
};

TEST_F(TextFileEditorTest, BackupNameAppendsTheExtensionToTheWholeName) {
    const TBackupCase cases[] = {
        {"notes.txt", true, "notes.txt.BAK"},   {"notes.md", true, "notes.md.BAK"},
        {"readme", true, "readme.BAK"},         {"old.BAK", true, ""},
        {"old.bak", true, "old.bak.BAK"},       {"new.txt", false, ""},
        {"d.x/readme", true, "d.x/readme.BAK"}, {"d/.profile", true, "d/.profile.BAK"},
        {"a.b.c", true, "a.b.c.BAK"},
    };
    Editor.SetMakeBackup(true);
    Editor.InsertString("new");
    for (const TBackupCase& c : cases) {
        Files.Files.clear();
        Files.Backups.clear();
        if (c.Exists) Files.Files[c.Name] = "previous";
        Editor.SaveToFile(c.Name);
        EXPECT_EQ(Files.Files[c.Name], "new\n") << c.Name;
        if (*c.Backup != '\0') {
            EXPECT_EQ(Files.Backups, (Texts{c.Backup})) << c.Name;
            EXPECT_EQ(Files.Files[c.Backup], "previous") << c.Name;
        } else {
            EXPECT_TRUE(Files.Backups.empty()) << c.Name;
        }
    }
}

TEST_F(TextFileEditorTest, BackupExtensionIsCutToThreeCharacters) {
    Editor.SetBackupExt("bakup");
    EXPECT_EQ(Editor.BackupExt(), "bak");
    Editor.SetMakeBackup(true);
    Files.Files["n.txt"] = "previous";
    Editor.SaveToFile("n.txt");
    EXPECT_EQ(Files.Files["n.txt.bak"], "previous");
}

TEST_F(TextFileEditorTest, FailedSaveLeavesTheFileAndModified) {
    Files.Files["f.txt"] = "kept\r\n";
    Editor.InsertString(ManyLines(100000));
    for (int failure = 0; failure < 3; ++failure) {
        Files.FailCreate = failure == 0;
        Files.FailWriteAfter = failure == 1 ? 70000 : static_cast<std::size_t>(-1);
        Files.FailCommit = failure == 2;
        EXPECT_THROW(Editor.SaveToFile("f.txt"), EInOutError) << failure;
        EXPECT_EQ(Files.Files["f.txt"], "kept\r\n") << failure;
        EXPECT_TRUE(Editor.Modified()) << failure;
        EXPECT_EQ(Platform.BusyDepth, 0);
    }
}

TEST_F(TextFileEditorTest, AttachingTakesOverTheFileNameOnceThereIsAWindow) {
    Files.Files["f.txt"] = "a\nb\n";
    Editor.LoadFromFile("f.txt");
    TOvcTextFileEditor other;
    other.SetController(&Controller);
    other.Attach(&Editor);
    EXPECT_EQ(other.FileName(), "");
    EXPECT_EQ(Paras(other), (Texts{""}));
    THeadlessWindow window(other, {400, 200});
    other.AttachWindow(window);
    other.Attach(&Editor);
    EXPECT_EQ(other.FileName(), "f.txt");
    EXPECT_EQ(other.DiskIdentity(), Editor.DiskIdentity());
    EXPECT_EQ(Paras(other), (Texts{"a", "b", ""}));
    other.DetachWindow();
}

// ---- On this machine's file system

class LocalTextFileEditorTest : public ::testing::Test {
  protected:
    LocalTextFileEditorTest() { Editor.SetController(&Controller); }

    THeadlessPlatform Platform;
    TOvcController Controller;
    TOvcTextFileEditor Editor;
    TTempDir Dir;
};

TEST_F(LocalTextFileEditorTest, GeneratedFilesRoundTripByteForByte) {
    const std::uint32_t seed = 2718;
    std::mt19937 random(seed);
    Editor.SetTrimWhiteSpace(false);
    const char* ends[] = {"\r\n", "\n"};
    for (int run = 0; run < 8; ++run) {
        std::string bytes;
        const int lines = 1 + static_cast<int>(random() % 3000);
        for (int l = 0; l < lines; ++l) {
            const int length =
                run == 3 && l == 7 ? kMaxParaLength : static_cast<int>(random() % 120);
            for (int i = 0; i < length; ++i) {
                char c;
                do {
                    c = static_cast<char>(1 + random() % 255);
                } while (c == '\r' || c == '\n' || c == '\x1a');
                bytes += c;
            }
            bytes += ends[run % 2];
        }
        TTempDir::Write(Dir.File("in.txt"), bytes);
        Editor.LoadFromFile(Dir.File("in.txt"));
        Editor.SaveToFile(Dir.File("out.txt"));
        ASSERT_EQ(TTempDir::Read(Dir.File("out.txt")), bytes) << "seed " << seed << " run " << run;
        Editor.SaveToFile(Dir.File("in.txt"));
        ASSERT_EQ(TTempDir::Read(Dir.File("in.txt")), bytes) << "seed " << seed << " run " << run;
    }
}

TEST_F(LocalTextFileEditorTest, BackupOnDiskHoldsThePreviousFile) {
    TTempDir::Write(Dir.File("notes.txt"), "first\r\n");
    TTempDir::Write(Dir.File("notes.BAK"), "older\r\n");
    Editor.LoadFromFile(Dir.File("notes.txt"));
    Editor.InsertString("second ");
    Editor.SetMakeBackup(true);
    Editor.SaveToFile(Dir.File("notes.txt"));
    EXPECT_EQ(TTempDir::Read(Dir.File("notes.txt")), "second first\r\n");
    EXPECT_EQ(TTempDir::Read(Dir.File("notes.txt.BAK")), "first\r\n");
    EXPECT_EQ(TTempDir::Read(Dir.File("notes.BAK")), "older\r\n");
}

// Each failure runs in a child process; its result: 0 when the save raised and Modified
// stayed set.
int FailedSave(TOvcTextFileEditor& editor, const std::string& name) {
    try {
        editor.SaveToFile(name);
    } catch (const EInOutError&) {
        return editor.Modified() ? 0 : 3;
    }
    return 1;
}

TEST_F(LocalTextFileEditorTest, SaveOnAFullDiskFailsAndChangesNothing) {
    const std::string name = Dir.File("f.txt");
    TTempDir::Write(name, "kept\r\n");
    Editor.InsertString(ManyLines(300000));
    const int result = test::RunInChild([&] {
        test::LimitFileSize(100000);
        Editor.SetMakeBackup(true);
        return FailedSave(Editor, name);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TTempDir::Read(name), "kept\r\n");
    EXPECT_FALSE(std::filesystem::exists(Dir.File("f.BAK")));
}

TEST_F(LocalTextFileEditorTest, SaveKeepsPermissionsAndSymbolicLinks) {
    std::filesystem::create_directory(Dir.File("real"));
    TTempDir::Write(Dir.File("real/f.txt"), "old\r\n");
    chmod(Dir.File("real/f.txt").c_str(), 0604);
    std::filesystem::create_symlink("real/f.txt", Dir.File("link.txt"));
    Editor.LoadFromFile(Dir.File("link.txt"));
    Editor.InsertString("new ");
    Editor.SaveToFile(Dir.File("link.txt"));
    EXPECT_TRUE(std::filesystem::is_symlink(Dir.File("link.txt")));
    EXPECT_EQ(TTempDir::Read(Dir.File("real/f.txt")), "new old\r\n");
    struct stat info {};
    stat(Dir.File("real/f.txt").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
}

}  // namespace
}  // namespace wendax
