// Saving onto odd targets and through injected faults on this machine's file system. After
// each fault the original is intact byte for byte, the failure carries a clear message, and
// the editor still holds its text with Modified set. A file that a rename would change is
// saved in place and stays the same file: links, owner, mode and attributes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <thread>

#include "control/controller.h"
#include "control/text_file_editor.h"
#include "engine/text_file_names.h"
#include "platform/file_system.h"
#include "platform/headless/headless_platform.h"
#include "tests/engine/child_process.h"
#include "tests/engine/store_test_support.h"
#include "tests/engine/temp_dir.h"

namespace wendax {
namespace {

using testkit::TTempDir;
using Names = std::set<std::string>;

constexpr uid_t kNobody = 65534;
const std::string kOld = "old text\r\nsecond line\r\n";

// `bytes` characters of text in lines of 100.
std::string ManyLines(std::size_t bytes, char letter) {
    std::string text;
    while (text.size() < bytes)
        text += std::string(98, letter) + "\r\n";
    return text;
}

Names Entries(const std::string& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct stat Info(const std::string& name) {
    struct stat info {};
    EXPECT_EQ(lstat(name.c_str(), &info), 0) << name;
    return info;
}

bool IsRoot() {
    return geteuid() == 0;
}

class SaveFaultsTest : public ::testing::Test {
  protected:
    SaveFaultsTest() {
        Editor.SetController(&Controller);
        Editor.InsertString("new text\r\nof the editor");
    }

    std::string Folder() const { return std::filesystem::path(Dir.File("x")).parent_path(); }

    // The bytes a save of the editor's text gives.
    std::string NewBytes() {
        TTempDir other;
        Editor.SaveToFile(other.File("reference"));
        Editor.SetModified(true);
        return TTempDir::Read(other.File("reference"));
    }

    // 0 when saving to `name` raised EInOutError whose message holds `message` and the
    // editor kept its text and Modified; else a code, with the reason on stderr (the check
    // also runs in child processes).
    int FailedSave(const std::string& name, const std::string& message) {
        const auto before = test::Paragraphs(Editor.Store());
        try {
            Editor.SaveToFile(name);
            std::fprintf(stderr, "saving %s did not fail\n", name.c_str());
            return 1;
        } catch (const EInOutError& failure) {
            if (std::string(failure.what()).find(message) == std::string::npos) {
                std::fprintf(stderr, "message \"%s\" lacks \"%s\"\n", failure.what(),
                             message.c_str());
                return 2;
            }
        }
        return Editor.Modified() && test::Paragraphs(Editor.Store()) == before ? 0 : 3;
    }

    THeadlessPlatform Platform;
    TOvcController Controller;
    TOvcTextFileEditor Editor;
    TTempDir Dir;
};

// ---- Refusals before anything changes

TEST_F(SaveFaultsTest, NonRegularTargetsAreRefusedAndStayWhatTheyAre) {
    Editor.SetMakeBackup(true);
    ASSERT_EQ(mkdir(Dir.File("folder.txt").c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(Dir.File("fifo.txt").c_str(), 0644), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, Dir.File("socket.txt").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::filesystem::create_symlink("fifo.txt", Dir.File("link.txt"));
    const Names before = Entries(Folder());
    for (const char* name : {"folder.txt", "fifo.txt", "socket.txt", "link.txt"}) {
        EXPECT_EQ(FailedSave(Dir.File(name), "not a regular file"), 0) << name;
        EXPECT_EQ(Entries(Folder()), before) << name;
    }
    close(listener);
    EXPECT_TRUE(std::filesystem::is_directory(Dir.File("folder.txt")));
    EXPECT_TRUE(std::filesystem::is_fifo(Dir.File("fifo.txt")));
    EXPECT_TRUE(std::filesystem::is_socket(Dir.File("socket.txt")));
    EXPECT_TRUE(std::filesystem::is_symlink(Dir.File("link.txt")));
}

TEST_F(SaveFaultsTest, DeviceNodesAreRefusedAndStayDevices) {
    if (!IsRoot()) GTEST_SKIP() << "making device nodes needs root";
    const std::string character = Dir.File("null.txt");
    const std::string block = Dir.File("loop.txt");
    if (mknod(character.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(block.c_str(), S_IFBLK | 0600, makedev(7, 0)) != 0)
        GTEST_SKIP() << "cannot make device nodes here: " << std::strerror(errno);
    for (const std::string& name : {character, block}) {
        const dev_t device = Info(name).st_rdev;
        EXPECT_EQ(FailedSave(name, "device, not a regular file"), 0) << name;
        EXPECT_EQ(Info(name).st_rdev, device) << name;
    }
    EXPECT_TRUE(S_ISCHR(Info(character).st_mode));
    EXPECT_TRUE(S_ISBLK(Info(block).st_mode));
    EXPECT_EQ(Entries(Folder()), (Names{"null.txt", "loop.txt"}));
}

TEST_F(SaveFaultsTest, FilesThatMayNotBeWrittenAreRefusedWithPermissionDenied) {
    struct Case {
        const char* Name;
        mode_t Mode;
        bool Root;  // owned by root, in a folder the saving user may write
    };
    std::vector<Case> cases = {{"read-only.txt", 0444, false}, {"no-access.txt", 0000, false}};
    if (IsRoot()) cases.push_back({"roots.txt", 0644, true});
    for (const Case& c : cases)
        TTempDir::Write(Dir.File(c.Name), kOld);
    test::GiveToNobody(Folder());
    for (const Case& c : cases) {
        if (c.Root) {
            ASSERT_EQ(chown(Dir.File(c.Name).c_str(), 0, 0), 0);
        }
        chmod(Dir.File(c.Name).c_str(), c.Mode);
    }
    const Names before = Entries(Folder());
    for (const Case& c : cases) {
        const std::string name = Dir.File(c.Name);
        const int result = test::RunInChild([&] {
            if (!test::DropRootRights()) return 10;
            return FailedSave(name, "Permission denied");
        });
        EXPECT_EQ(result, 0) << c.Name;
        chmod(name.c_str(), 0644);
        EXPECT_EQ(TTempDir::Read(name), kOld) << c.Name;
        EXPECT_EQ(Info(name).st_uid, c.Root ? 0 : Info(Folder()).st_uid) << c.Name;
    }
    EXPECT_EQ(Entries(Folder()), before);
}

// ---- Saving in place

TEST_F(SaveFaultsTest, HardLinkedFileIsWrittenInPlaceAndKeepsItsLinksAndBackup) {
    const std::string name = Dir.File("f.txt");
    const std::string backup = BackupFileName(name, "BAK");
    TTempDir::Write(name, kOld);
    ASSERT_EQ(link(name.c_str(), Dir.File("g.txt").c_str()), 0);
    const ino_t inode = Info(name).st_ino;
    const std::string bytes = NewBytes();
    Editor.SaveToFile(name);
    EXPECT_EQ(TTempDir::Read(Dir.File("g.txt")), bytes);
    EXPECT_EQ(Info(name).st_ino, inode);
    EXPECT_EQ(Info(name).st_nlink, 2u);
    EXPECT_EQ(Entries(Folder()), (Names{"f.txt", "g.txt"}));
    Editor.InsertString("more ");
    Editor.SetMakeBackup(true);
    Editor.SaveToFile(name);
    EXPECT_EQ(TTempDir::Read(backup), bytes);
    EXPECT_EQ(Info(name).st_ino, inode);
    EXPECT_EQ(TTempDir::Read(Dir.File("g.txt")), TTempDir::Read(name));
    EXPECT_EQ(Entries(Folder()).size(), 3u);
}

TEST_F(SaveFaultsTest, FileOfAnotherOwnerIsWrittenInPlaceAndKeepsItsOwner) {
    if (!IsRoot()) GTEST_SKIP() << "giving a file to another owner needs root";
    const std::string name = Dir.File("shared.txt");
    TTempDir::Write(name, kOld);
    test::GiveToNobody(Folder());
    ASSERT_EQ(chown(name.c_str(), 0, 0), 0);
    chmod(name.c_str(), 0666);
    const std::string bytes = NewBytes();
    const int result = test::RunInChild([&] {
        if (!test::DropRootRights()) return 10;
        Editor.SaveToFile(name);
        return Editor.Modified() ? 3 : 0;
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TTempDir::Read(name), bytes);
    EXPECT_EQ(Info(name).st_uid, 0u);
    EXPECT_EQ(Info(name).st_mode & 07777, 0666u);
    EXPECT_EQ(Entries(Folder()), (Names{"shared.txt"}));
}

TEST_F(SaveFaultsTest, WritableFileInAReadOnlyFolderIsWrittenInPlaceCopyInTheStateFolder) {
    const std::string name = Dir.File("f.txt");
    TTempDir::Write(name, kOld);
    TTempDir state;
    const std::string stateFolder = std::filesystem::path(state.File("x")).parent_path();
    test::GiveToNobody(Folder());
    test::GiveToNobody(stateFolder);
    chmod(Folder().c_str(), 0555);
    const std::string bytes = NewBytes();
    const int result = test::RunInChild([&] {
        if (!test::DropRootRights()) return 10;
        setenv("XDG_STATE_HOME", stateFolder.c_str(), 1);
        Editor.SetMakeBackup(true);
        Editor.SaveToFile(name);
        return Editor.Modified() ? 3 : 0;
    });
    chmod(Folder().c_str(), 0755);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(TTempDir::Read(name), bytes);
    EXPECT_EQ(Entries(Folder()), (Names{"f.txt"}));
    EXPECT_EQ(Entries(state.File("wendax")), Names{});
}

TEST_F(SaveFaultsTest, SaveByRootKeepsOwnerGroupSetIdBitsAndAttributes) {
    if (!IsRoot()) GTEST_SKIP() << "giving a file to another owner needs root";
    const std::string name = Dir.File("tool");
    TTempDir::Write(name, kOld);
    ASSERT_EQ(chown(name.c_str(), kNobody, kNobody), 0);
    ASSERT_EQ(chmod(name.c_str(), 06755), 0);
    const bool attributes = setxattr(name.c_str(), "user.note", "kept", 4, 0) == 0;
    if (!attributes) std::printf("extended attributes not checked: %s\n", std::strerror(errno));
    const std::string bytes = NewBytes();
    Editor.SaveToFile(name);
    EXPECT_EQ(TTempDir::Read(name), bytes);
    const struct stat info = Info(name);
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
    EXPECT_EQ(info.st_mode & 07777, 06755u);
    char value[8] = {};
    if (attributes) {
        EXPECT_EQ(getxattr(name.c_str(), "user.note", value, sizeof value), 4);
        EXPECT_STREQ(value, "kept");
    }
    EXPECT_EQ(Entries(Folder()), (Names{"tool"}));
}

// ---- Injected faults: a file-size limit, a full disk, kills

TEST_F(SaveFaultsTest, FileSizeLimitFailsWithFileTooLargeAndKeepsTheFile) {
    Editor.InsertString(ManyLines(300000, 'n'));
    TTempDir::Write(Dir.File("renamed.txt"), kOld);
    TTempDir::Write(Dir.File("in-place.txt"), kOld);
    ASSERT_EQ(link(Dir.File("in-place.txt").c_str(), Dir.File("link.txt").c_str()), 0);
    const Names before = Entries(Folder());
    for (const char* name : {"renamed.txt", "in-place.txt"}) {
        const int result = test::RunInChild([&] {
            std::signal(SIGXFSZ, SIG_DFL);
            test::LimitFileSize(100000);
            return FailedSave(Dir.File(name), "File too large");
        });
        EXPECT_EQ(result, 0) << name << (result < 0 ? ": killed" : "");
        EXPECT_EQ(TTempDir::Read(Dir.File(name)), kOld) << name;
        EXPECT_EQ(Entries(Folder()), before) << name;
    }
}

// A tmpfs of 1 MB mounted on a folder of the test, unmounted at the end.
class TSmallDisk {
  public:
    explicit TSmallDisk(const std::string& folder) : FFolder(folder) {
        std::filesystem::create_directory(folder);
        FMounted = mount("wendax-test", folder.c_str(), "tmpfs", 0, "size=1m") == 0;
        FError = errno;
    }
    ~TSmallDisk() {
        if (FMounted) umount(FFolder.c_str());
    }
    bool Mounted() const { return FMounted; }
    int Error() const { return FError; }

  private:
    std::string FFolder;
    bool FMounted;
    int FError;
};

TEST_F(SaveFaultsTest, FullDiskFailsAndKeepsTheFile) {
    TSmallDisk disk(Dir.File("disk"));
    if (!disk.Mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(disk.Error());
    const std::string old = ManyLines(300000, 'o');
    TTempDir::Write(Dir.File("disk/renamed.txt"), old);
    TTempDir::Write(Dir.File("disk/in-place.txt"), old);
    ASSERT_EQ(link(Dir.File("disk/in-place.txt").c_str(), Dir.File("disk/link.txt").c_str()), 0);
    Editor.InsertString(ManyLines(2000000, 'n'));
    const Names before = Entries(Dir.File("disk"));
    for (const char* name : {"disk/renamed.txt", "disk/in-place.txt"}) {
        EXPECT_EQ(FailedSave(Dir.File(name), "No space left on device"), 0) << name;
        EXPECT_EQ(TTempDir::Read(Dir.File(name)), old) << name;
        EXPECT_EQ(Entries(Dir.File("disk")), before) << name;
    }
}

// Where a killed save left the file.
enum TKilledSave { ksOld, ksNew, ksOldInCopy, ksBroken };

class KilledSavesTest : public SaveFaultsTest {
  protected:
    static constexpr std::size_t kBytes = 100'000'000;

    KilledSavesTest() : Old(ManyLines(kBytes, 'o')) {
        TTempDir::Write(Name, Old);
        Editor.LoadFromFile(Name);
        Editor.InsertString("X");
    }

    bool IsNew(const std::string& bytes) const {
        return bytes.size() == Old.size() + 1 && bytes[0] == 'X' &&
               bytes.compare(1, std::string::npos, Old) == 0;
    }

    // Kills a save of the editor's text after `delay`; then puts the old text back.
    TKilledSave KillSaveAfter(std::chrono::microseconds delay) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            close(ready[0]);
            [[maybe_unused]] const ssize_t sent = write(ready[1], "s", 1);
            Editor.SaveToFile(Name);
            _exit(0);
        }
        close(ready[1]);
        char byte;
        [[maybe_unused]] const ssize_t got = read(ready[0], &byte, 1);
        close(ready[0]);
        std::this_thread::sleep_for(delay);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string bytes = TTempDir::Read(Name);
        TKilledSave result = bytes == Old ? ksOld : IsNew(bytes) ? ksNew : ksBroken;
        for (const std::string& entry : Entries(Folder())) {
            if (entry.find(".wendax-old-") == std::string::npos) continue;
            if (result == ksBroken && TTempDir::Read(Dir.File(entry)) == Old) result = ksOldInCopy;
            std::filesystem::remove(Dir.File(entry));
        }
        if (result != ksOld) TTempDir::Write(Name, Old);
        return result;
    }

    // Kills at spread moments of a save; every kill leaves the old or the new text, and the
    // next save leaves the folder as it was.
    void KillSaves(int kills, const Names& folder) {
        const auto start = std::chrono::steady_clock::now();
        Editor.SaveToFile(Name);
        const auto whole = std::chrono::steady_clock::now() - start;
        TTempDir::Write(Name, Old);
        Editor.SetModified(true);
        int counts[4] = {};
        for (int k = 0; k < kills; ++k) {
            const auto delay = std::chrono::duration_cast<std::chrono::microseconds>(
                whole * (2 * k + 1) / (2 * kills));
            const TKilledSave result = KillSaveAfter(delay);
            EXPECT_NE(result, ksBroken) << "kill after " << delay.count() << " us";
            ++counts[result];
        }
        std::printf("%d kills: %d left the old file, %d the new one, %d the old text in its copy\n",
                    kills, counts[ksOld], counts[ksNew], counts[ksOldInCopy]);
        Editor.SaveToFile(Name);
        EXPECT_TRUE(IsNew(TTempDir::Read(Name)));
        EXPECT_EQ(Entries(Folder()), folder);
    }

    const std::string Name = Dir.File("big.txt");
    const std::string Old;
};

TEST_F(KilledSavesTest, KillsDuringA100MegabyteSaveLeaveTheOldOrTheNewText) {
    KillSaves(4, {"big.txt"});
}

TEST_F(KilledSavesTest, KillsDuringA100MegabyteSaveInPlaceLeaveTheOldTextRecoverable) {
    ASSERT_EQ(link(Name.c_str(), Dir.File("link.txt").c_str()), 0);
    KillSaves(4, {"big.txt", "link.txt"});
}

TEST_F(SaveFaultsTest, ASaveRemovesTemporariesLeftByGoneProcessesOnly) {
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string stale = ".f.txt.wendax-new-" + std::to_string(gone) + "-Ab3dE1";
    const std::string live = ".f.txt.wendax-new-" + std::to_string(getpid()) + "-Zz9yX0";
    const std::string copy = ".f.txt.wendax-old-Qq1wE2";
    const std::string other = ".g.txt.wendax-new-" + std::to_string(gone) + "-Ab3dE1";
    for (const std::string& entry : {stale, live, copy, other})
        TTempDir::Write(Dir.File(entry), "left");
    TTempDir::Write(Dir.File("f.txt"), kOld);
    Editor.SaveToFile(Dir.File("f.txt"));
    EXPECT_EQ(Entries(Folder()), (Names{"f.txt", live, copy, other}));
}

}  // namespace
}  // namespace wendax
