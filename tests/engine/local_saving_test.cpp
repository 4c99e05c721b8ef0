// Saving through this machine's file system: the new text replaces the file all at once,
// keeps its permission bits and its symbolic link, keeps the old text as a backup when asked,
// and a failure at any point leaves the old file byte for byte as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/file_system.h"
#include "tests/engine/child_process.h"
#include "tests/engine/temp_dir.h"

namespace wendax {
namespace {

using testkit::TTempDir;

const std::string kOld = "old text\r\n";
const std::string kNew = "the new text\r\n";

void Save(const std::string& name, const std::string& bytes, const std::string& backup = {}) {
    auto out = LocalFileSystem().Replace(name);
    out->Write(bytes);
    out->Commit(backup);
}

std::size_t EntriesIn(const TTempDir& dir) {
    const std::filesystem::path path = std::filesystem::path(dir.File("x")).parent_path();
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path))
        ++count;
    return count;
}

mode_t Mode(const std::string& name) {
    struct stat info {};
    stat(name.c_str(), &info);
    return info.st_mode & 07777;
}

TEST(LocalSaving, ReplacesTheFileAndLeavesNothingElseBehind) {
    TTempDir dir;
    TTempDir::Write(dir.File("a.txt"), kOld);
    Save(dir.File("a.txt"), kNew);
    EXPECT_EQ(TTempDir::Read(dir.File("a.txt")), kNew);
    EXPECT_EQ(EntriesIn(dir), 1u);
}

TEST(LocalSaving, KeepsThePermissionBits) {
    TTempDir dir;
    TTempDir::Write(dir.File("a.txt"), kOld);
    chmod(dir.File("a.txt").c_str(), 0640);
    Save(dir.File("a.txt"), kNew);
    EXPECT_EQ(Mode(dir.File("a.txt")), 0640u);
}

TEST(LocalSaving, ReplacesTheTargetOfASymbolicLinkAndKeepsTheLink) {
    TTempDir dir;
    std::filesystem::create_directory(dir.File("real"));
    TTempDir::Write(dir.File("real/a.txt"), kOld);
    std::filesystem::create_symlink("real/a.txt", dir.File("link.txt"));
    Save(dir.File("link.txt"), kNew);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.txt")));
    EXPECT_EQ(TTempDir::Read(dir.File("real/a.txt")), kNew);
}

TEST(LocalSaving, BackupHoldsTheOldTextAndReplacesAnOlderBackup) {
    TTempDir dir;
    TTempDir::Write(dir.File("a.txt"), kOld);
    TTempDir::Write(dir.File("a.BAK"), "older");
    Save(dir.File("a.txt"), kNew, dir.File("a.BAK"));
    EXPECT_EQ(TTempDir::Read(dir.File("a.txt")), kNew);
    EXPECT_EQ(TTempDir::Read(dir.File("a.BAK")), kOld);
    EXPECT_EQ(EntriesIn(dir), 2u);
}

TEST(LocalSaving, NoBackupOfAFileThatDidNotExist) {
    TTempDir dir;
    Save(dir.File("a.txt"), kNew, dir.File("a.BAK"));
    EXPECT_EQ(TTempDir::Read(dir.File("a.txt")), kNew);
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.BAK")));
}

TEST(LocalSaving, FullDiskFailsAndLeavesTheFileAndNoTemporaryFile) {
    TTempDir dir;
    TTempDir::Write(dir.File("a.txt"), kOld);
    const std::string big(200000, 'x');
    const int result = test::RunInChild([&] {
        test::LimitFileSize(100000);
        try {
            Save(dir.File("a.txt"), big, dir.File("a.BAK"));
        } catch (const EInOutError& failure) {
            return failure.ErrorCode() == EFBIG ? 0 : 3;
        }
        return 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TTempDir::Read(dir.File("a.txt")), kOld);
    EXPECT_EQ(EntriesIn(dir), 1u);
}

TEST(LocalSaving, WriterDroppedWithoutCommitLeavesTheFileRenamedOrInPlace) {
    TTempDir dir;
    TTempDir::Write(dir.File("a.txt"), kOld);
    TTempDir::Write(dir.File("b.txt"), kOld);
    ASSERT_EQ(link(dir.File("b.txt").c_str(), dir.File("c.txt").c_str()), 0);
    for (const char* name : {"a.txt", "b.txt"}) {
        {
            auto out = LocalFileSystem().Replace(dir.File(name));
            out->Write(std::string(100000, 'n'));
        }
        EXPECT_EQ(TTempDir::Read(dir.File(name)), kOld) << name;
        EXPECT_EQ(EntriesIn(dir), 3u) << name;
    }
}

// A crash (the process ends without unwinding) halfway through writing the new text.
TEST(LocalSaving, CrashHalfwayLeavesTheOldTextInTheFileOrInItsCopy) {
    TTempDir dir;
    TTempDir::Write(dir.File("renamed.txt"), kOld);
    TTempDir::Write(dir.File("in-place.txt"), kOld);
    ASSERT_EQ(link(dir.File("in-place.txt").c_str(), dir.File("link.txt").c_str()), 0);
    for (const char* name : {"renamed.txt", "in-place.txt"}) {
        test::RunInChild([&] {
            auto out = LocalFileSystem().Replace(dir.File(name));
            out->Write(std::string(100000, 'n'));
            _exit(0);
            return 0;
        });
    }
    EXPECT_EQ(TTempDir::Read(dir.File("renamed.txt")), kOld);
    EXPECT_EQ(TTempDir::Read(dir.File("in-place.txt")), std::string(100000, 'n'));
    std::vector<std::string> copies;
    const std::filesystem::path folder = std::filesystem::path(dir.File("x")).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string entryName = entry.path().filename().string();
        if (entryName.rfind(".in-place.txt.wendax-old-", 0) == 0)
            copies.push_back(entry.path().string());
    }
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(TTempDir::Read(copies[0]), kOld);
    EXPECT_EQ(EntriesIn(dir), 4u);
}

}  // namespace
}  // namespace wendax
