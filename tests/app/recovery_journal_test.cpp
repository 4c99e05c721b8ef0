// Recovery journals on disk: what is written reads back byte for byte, anything torn,
// damaged or foreign reads as no journal, and only journals of processes that are gone are
// offered.
#include "app/editor/recovery_journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace wendax {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string TextOf(const TJournal& journal) {
    const auto reader = OpenJournalText(journal);
    std::string text;
    char buffer[1000];
    while (const std::size_t n = reader->Read(buffer, sizeof buffer))
        text.append(buffer, n);
    return text;
}

// Writes a journal in pieces of random sizes, as the text writer hands them over.
void WriteJournal(const std::string& path, const TJournalHeader& header, const std::string& text,
                  std::mt19937& random) {
    TJournalWriter writer(path, header);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t piece = std::min(text.size() - at, std::size_t(random() % 5000));
        writer.Write(std::string_view(text).substr(at, piece));
        at += piece;
    }
    writer.Commit({});
}

std::string RandomBytes(std::mt19937& random, std::size_t size) {
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() % 256);
    return bytes;
}

// A process that is not running: this process's id with another start time.
TProcessId GoneProcess() {
    TProcessId gone = ThisProcess();
    gone.StartTime += 1;
    return gone;
}

class RecoveryJournal : public ::testing::Test {
  protected:
    RecoveryJournal() {
        FFolder = fs::temp_directory_path() / ("wendax-journal-test-" + std::to_string(getpid()));
        fs::remove_all(FFolder);
        EXPECT_TRUE(MakeRecoveryFolder(FFolder.string() + "/state/wendax/recovery"));
        FFolder /= "state/wendax/recovery";
    }
    ~RecoveryJournal() override {
        fs::remove_all(FFolder.parent_path().parent_path().parent_path());
    }

    std::string Folder() const { return FFolder.string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(FFolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path FFolder;
    std::mt19937 FRandom{14};
};

// Random texts of every byte value (also empty, also exactly a checksum block) and names
// with line breaks in them read back exactly, header and text.
TEST_F(RecoveryJournal, WhatIsWrittenReadsBackExactly) {
    EXPECT_EQ(fs::status(FFolder).permissions() & fs::perms::all, fs::perms::owner_all);
    const std::string path = JournalPath(Folder(), ThisProcess(), 7);
    for (const std::size_t size : {0, 1, 31, 32, 33, 1000, 70000, 300000}) {
        const std::string text = RandomBytes(FRandom, size);
        const TJournalHeader header{
            GoneProcess(), "/a dir/name\nwith\r\nbreaks " + text.substr(0, 20), size % 2 == 1};
        WriteJournal(path, header, text, FRandom);
        const auto journal = ReadJournal(path);
        ASSERT_TRUE(journal) << size;
        EXPECT_EQ(journal->Header.Owner, header.Owner);
        EXPECT_EQ(journal->Header.FileName, header.FileName);
        EXPECT_EQ(journal->Header.Untitled, header.Untitled);
        EXPECT_EQ(journal->TextLength, size);
        EXPECT_EQ(TextOf(*journal), text) << size;
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    // The checksum does not depend on how the text was cut into pieces.
    const std::string text = RandomBytes(FRandom, 5000);
    TTextChecksum whole;
    whole.Add(text);
    for (int round = 0; round < 20; ++round) {
        TTextChecksum pieces;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t piece = std::min(text.size() - at, std::size_t(FRandom() % 70));
            pieces.Add(std::string_view(text).substr(at, piece));
            at += piece;
        }
        EXPECT_EQ(pieces.Value(), whole.Value());
    }
}

// Every cut of a journal, a changed byte anywhere, bytes appended, another program's file
// and random bytes: none of them reads as a journal, and none crashes the reader.
TEST_F(RecoveryJournal, TornDamagedOrForeignFilesAreNoJournal) {
    const std::string path = JournalPath(Folder(), GoneProcess(), 1);
    WriteJournal(path, TJournalHeader{GoneProcess(), "/f.txt", false}, RandomBytes(FRandom, 3000),
                 FRandom);
    const std::string whole = ReadAll(path);
    ASSERT_TRUE(ReadJournal(path));
    const std::string other = Folder() + "/other.journal";
    for (std::size_t size = 0; size < whole.size(); size += 1 + size / 40) {
        WriteAll(other, whole.substr(0, size));
        EXPECT_FALSE(ReadJournal(other)) << "cut at " << size;
    }
    for (std::size_t at = 0; at < whole.size(); at += 1 + FRandom() % 50) {
        std::string damaged = whole;
        damaged[at] = static_cast<char>(damaged[at] ^ (1 + FRandom() % 255));
        WriteAll(other, damaged);
        EXPECT_FALSE(ReadJournal(other)) << "byte " << at;
    }
    WriteAll(other, whole + "x");
    EXPECT_FALSE(ReadJournal(other));
    WriteAll(other, "[Settings]\nTabSize=8\n");
    EXPECT_FALSE(ReadJournal(other));
    for (int round = 0; round < 50; ++round) {
        WriteAll(other, RandomBytes(FRandom, FRandom() % 200));
        EXPECT_FALSE(ReadJournal(other));
    }
    EXPECT_FALSE(ReadJournal(Folder()));
    EXPECT_FALSE(ReadJournal(Folder() + "/missing.journal"));
}

// A writer that goes without its Commit (a failure while writing) leaves the journal it was
// to replace as it was, and no temporary file.
TEST_F(RecoveryJournal, AnUnfinishedWriteKeepsTheOldJournal) {
    const std::string path = JournalPath(Folder(), ThisProcess(), 3);
    WriteJournal(path, TJournalHeader{ThisProcess(), "/old.txt", false}, "old text\n", FRandom);
    const std::string before = ReadAll(path);
    {
        TJournalWriter writer(path, TJournalHeader{ThisProcess(), "/new.txt", false});
        writer.Write("new text that is never committed\n");
    }
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(Names(), std::vector<std::string>{fs::path(path).filename().string()});
}

// Only journals whose process is gone are offered, oldest process first and window by
// window; a live process's journal and temporary file stay untouched, a gone one's
// temporary file is removed, a journal whose header names another process than its file
// name is foreign, and files that are no journal are left alone.
TEST_F(RecoveryJournal, OnlyJournalsOfGoneProcessesAreOffered) {
    const TProcessId live = ThisProcess();
    const TProcessId gone = GoneProcess();
    const TProcessId older{gone.Pid + 1, 1};
    WriteJournal(JournalPath(Folder(), live, 1), TJournalHeader{live, "/live", false}, "a\n",
                 FRandom);
    WriteJournal(JournalPath(Folder(), gone, 12), TJournalHeader{gone, "/gone12", false}, "b\n",
                 FRandom);
    WriteJournal(JournalPath(Folder(), gone, 2), TJournalHeader{gone, "NONAME3", true}, "c\n",
                 FRandom);
    WriteJournal(JournalPath(Folder(), older, 5), TJournalHeader{older, "/older", false}, "d\n",
                 FRandom);
    WriteJournal(JournalPath(Folder(), gone, 9), TJournalHeader{older, "/foreign", false}, "e\n",
                 FRandom);
    WriteAll(JournalPath(Folder(), live, 4) + ".tmp", "half");
    WriteAll(JournalPath(Folder(), gone, 4) + ".tmp", "half");
    WriteAll(Folder() + "/notes.txt", "mine");
    WriteAll(Folder() + "/x-y-z.journal", "not ours");

    std::vector<std::string> offered;
    for (const TJournal& journal : StaleJournals(Folder()))
        offered.push_back(journal.Header.FileName);
    EXPECT_EQ(offered, (std::vector<std::string>{"/older", "NONAME3", "/gone12"}));
    EXPECT_TRUE(fs::exists(JournalPath(Folder(), live, 4) + ".tmp"));
    EXPECT_FALSE(fs::exists(JournalPath(Folder(), gone, 4) + ".tmp"));
    EXPECT_TRUE(fs::exists(Folder() + "/notes.txt"));
    EXPECT_TRUE(fs::exists(Folder() + "/x-y-z.journal"));

    RemoveJournal(JournalPath(Folder(), gone, 2));
    RemoveJournal(JournalPath(Folder(), gone, 2));
    EXPECT_EQ(StaleJournals(Folder()).size(), 2u);
}

TEST(RecoveryFolder, StateHomeThenHomeThenNone) {
    EXPECT_EQ(RecoveryFolder("/state", "/home/u"), "/state/wendax/recovery");
    EXPECT_EQ(RecoveryFolder("relative", "/home/u"), "/home/u/.local/state/wendax/recovery");
    EXPECT_EQ(RecoveryFolder("", "/home/u"), "/home/u/.local/state/wendax/recovery");
    EXPECT_EQ(RecoveryFolder(nullptr, "/home/u"), "/home/u/.local/state/wendax/recovery");
    EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
    EXPECT_EQ(RecoveryFolder(nullptr, "rel"), "");
    EXPECT_TRUE(IsRunning(ThisProcess()));
    EXPECT_FALSE(IsRunning(GoneProcess()));
}

}  // namespace
}  // namespace wendax
