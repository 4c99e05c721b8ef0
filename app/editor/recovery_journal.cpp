#include "app/editor/recovery_journal.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <tuple>

namespace wendax {
namespace {

constexpr std::string_view kMagic = "WENDAX-JOURNAL 1\n";
constexpr std::string_view kTextMark = "text\n";
constexpr std::string_view kSuffix = ".journal";
constexpr std::string_view kTempSuffix = ".journal.tmp";
// "\nend " + 20 digits + " " + 16 hex digits + "\n"
constexpr std::size_t kTrailerSize = 5 + 20 + 1 + 16 + 1;
// A header longer than this is no header of ours (a name is at most a path).
constexpr std::size_t kMaxHeaderSize = 64 * 1024;
constexpr std::size_t kReadBlock = 64 * 1024;

[[noreturn]] void Fail(const char* what, const std::string& name, int error) {
    throw EInOutError(std::string(what) + " \"" + name + "\": " + std::strerror(error), error);
}

std::uint64_t Rotate(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

std::uint64_t LittleEndianWord(const unsigned char* bytes) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i)
        word = (word << 8) | bytes[i];
    return word;
}

// Reads one unsigned decimal number that fills `text` exactly.
template <class T>
std::optional<T> NumberOf(std::string_view text, int base = 10) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// A cursor over the header: each step takes a line and checks its form.
class THeaderParser {
  public:
    explicit THeaderParser(std::string_view text) : FText(text) {}

    bool Literal(std::string_view expected) {
        if (FText.substr(FPos, expected.size()) != expected) return false;
        FPos += expected.size();
        return true;
    }
    // The rest of the line after `key` and a space, the line end taken too.
    std::optional<std::string_view> Field(std::string_view key) {
        if (!Literal(key) || !Literal(" ")) return std::nullopt;
        const std::size_t end = FText.find('\n', FPos);
        if (end == std::string_view::npos) return std::nullopt;
        const std::string_view value = FText.substr(FPos, end - FPos);
        FPos = end + 1;
        return value;
    }
    std::optional<std::string_view> Bytes(std::size_t count) {
        if (FText.size() - FPos < count) return std::nullopt;
        const std::string_view value = FText.substr(FPos, count);
        FPos += count;
        return value;
    }
    std::size_t Position() const { return FPos; }

  private:
    std::string_view FText;
    std::size_t FPos = 0;
};

std::string HeaderBytes(const TJournalHeader& header) {
    std::string text(kMagic);
    text += "owner " + std::to_string(header.Owner.Pid) + " " +
            std::to_string(header.Owner.StartTime) + "\n";
    text += header.Untitled ? "untitled 1\n" : "untitled 0\n";
    text += "name " + std::to_string(header.FileName.size()) + "\n" + header.FileName + "\n";
    text += kTextMark;
    return text;
}

std::string TrailerBytes(std::uint64_t length, std::uint64_t checksum) {
    char trailer[kTrailerSize + 1];
    std::snprintf(trailer, sizeof trailer, "\nend %020llu %016llx\n",
                  static_cast<unsigned long long>(length),
                  static_cast<unsigned long long>(checksum));
    return {trailer, kTrailerSize};
}

std::optional<TJournal> ParseHeader(std::string_view text) {
    THeaderParser parser(text);
    TJournal journal;
    if (!parser.Literal(kMagic)) return std::nullopt;
    const auto owner = parser.Field("owner");
    const auto untitled = parser.Field("untitled");
    if (!owner || !untitled || (*untitled != "0" && *untitled != "1")) return std::nullopt;
    const std::size_t space = owner->find(' ');
    if (space == std::string_view::npos) return std::nullopt;
    const auto pid = NumberOf<std::int64_t>(owner->substr(0, space));
    const auto start = NumberOf<std::uint64_t>(owner->substr(space + 1));
    const auto nameSize = parser.Field("name");
    const auto size = nameSize ? NumberOf<std::size_t>(*nameSize) : std::nullopt;
    if (!pid || !start || !size) return std::nullopt;
    const auto name = parser.Bytes(*size);
    if (!name || !parser.Literal("\n") || !parser.Literal(kTextMark)) return std::nullopt;
    journal.Header = TJournalHeader{{*pid, *start}, std::string(*name), *untitled == "1"};
    journal.TextOffset = parser.Position();
    return journal;
}

// The length and checksum the trailer gives, or nothing when it is not one.
std::optional<std::pair<std::uint64_t, std::uint64_t>> ParseTrailer(std::string_view text) {
    THeaderParser parser(text);
    const auto end = parser.Literal("\n") ? parser.Field("end") : std::nullopt;
    if (!end || end->size() != 20 + 1 + 16 || (*end)[20] != ' ') return std::nullopt;
    if (end->substr(21).find_first_not_of("0123456789abcdef") != std::string_view::npos)
        return std::nullopt;
    const auto length = NumberOf<std::uint64_t>(end->substr(0, 20));
    const auto checksum = NumberOf<std::uint64_t>(end->substr(21), 16);
    if (!length || !checksum) return std::nullopt;
    return std::pair{*length, *checksum};
}

// Owner and serial from a journal's or temporary file's name.
struct TJournalName {
    TProcessId Owner;
    std::uint64_t Serial = 0;
    bool Temporary = false;
};

std::optional<TJournalName> ParseName(std::string_view name) {
    TJournalName parsed;
    if (name.ends_with(kTempSuffix)) {
        parsed.Temporary = true;
        name.remove_suffix(kTempSuffix.size());
    } else if (name.ends_with(kSuffix)) {
        name.remove_suffix(kSuffix.size());
    } else {
        return std::nullopt;
    }
    const std::size_t first = name.find('-');
    const std::size_t second = name.find('-', first == std::string_view::npos ? 0 : first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const auto pid = NumberOf<std::int64_t>(name.substr(0, first));
    const auto start = NumberOf<std::uint64_t>(name.substr(first + 1, second - first - 1));
    const auto serial = NumberOf<std::uint64_t>(name.substr(second + 1));
    if (!pid || !start || !serial) return std::nullopt;
    parsed.Owner = {*pid, *start};
    parsed.Serial = *serial;
    return parsed;
}

// The start time of process `pid` (field 22 of its stat line, after the parenthesised
// command name, which may itself hold spaces and parentheses).
std::optional<std::uint64_t> StartTimeOf(std::int64_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) return std::nullopt;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(line.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        if (!(fields >> field)) return std::nullopt;
    return NumberOf<std::uint64_t>(field);
}

void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

class TJournalTextReader final : public TFileReader {
  public:
    TJournalTextReader(int fd, std::uint64_t length) : FFd(fd), FLeft(length) {
        FIdentity.Kind = fkRegular;
        FIdentity.Size = static_cast<std::int64_t>(length);
    }
    ~TJournalTextReader() override { close(FFd); }

    std::size_t Read(char* buffer, std::size_t size) override {
        size = static_cast<std::size_t>(std::min<std::uint64_t>(size, FLeft));
        for (;;) {
            const ssize_t n = read(FFd, buffer, size);
            if (n >= 0) {
                FLeft -= static_cast<std::uint64_t>(n);
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) Fail("Cannot read", "recovery journal", errno);
        }
    }

    // The text as a regular file of its own length.
    TFileIdentity Identity() const override { return FIdentity; }

  private:
    int FFd;
    std::uint64_t FLeft;
    TFileIdentity FIdentity;
};

// Reads exactly `size` bytes at `offset`; false when the file holds fewer.
bool ReadAt(int fd, std::uint64_t offset, char* buffer, std::size_t size) {
    while (size > 0) {
        const ssize_t n = pread(fd, buffer, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        buffer += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

// The checksum covers the header and the text.
bool ChecksumMatches(int fd, const TJournal& journal, std::uint64_t checksum) {
    TTextChecksum sum;
    std::string block(kReadBlock, '\0');
    const std::uint64_t total = journal.TextOffset + journal.TextLength;
    for (std::uint64_t done = 0; done < total;) {
        const auto size =
            static_cast<std::size_t>(std::min<std::uint64_t>(kReadBlock, total - done));
        if (!ReadAt(fd, done, block.data(), size)) return false;
        sum.Add({block.data(), size});
        done += size;
    }
    return sum.Value() == checksum;
}

}  // namespace

// ---- Checksum

void TTextChecksum::AddBlock(const unsigned char* block) {
    for (int lane = 0; lane < 4; ++lane) {
        const std::uint64_t word = LittleEndianWord(block + 8 * lane);
        FLanes[lane] = Rotate(FLanes[lane] ^ word, 29) * 0x9FB21C651E98DF25u;
    }
}

void TTextChecksum::Add(std::string_view bytes) {
    FLength += bytes.size();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t size = bytes.size();
    if (FPendingSize > 0) {
        const std::size_t take = std::min(size, sizeof FPending - FPendingSize);
        std::memcpy(FPending + FPendingSize, data, take);
        FPendingSize += take;
        data += take;
        size -= take;
        if (FPendingSize < sizeof FPending) return;
        AddBlock(FPending);
        FPendingSize = 0;
    }
    for (; size >= sizeof FPending; data += sizeof FPending, size -= sizeof FPending)
        AddBlock(data);
    std::memcpy(FPending, data, size);
    FPendingSize = size;
}

std::uint64_t TTextChecksum::Value() const {
    TTextChecksum last = *this;
    if (last.FPendingSize > 0) {
        std::memset(last.FPending + last.FPendingSize, 0, sizeof last.FPending - last.FPendingSize);
        last.AddBlock(last.FPending);
    }
    std::uint64_t value = FLength * 0xC2B2AE3D27D4EB4Fu;
    for (const std::uint64_t lane : last.FLanes)
        value = Rotate(value ^ lane, 31) * 0x9E3779B97F4A7C15u;
    return value ^ (value >> 32);
}

// ---- Processes and places

TProcessId ThisProcess() {
    const std::int64_t pid = getpid();
    return {pid, StartTimeOf(pid).value_or(0)};
}

// Without /proc only the id can be asked about; a process that exists but belongs to
// someone else (EPERM) still runs.
bool IsRunning(const TProcessId& process) {
    if (process.Pid <= 0) return false;
    if (const auto start = StartTimeOf(process.Pid)) return *start == process.StartTime;
    return kill(static_cast<pid_t>(process.Pid), 0) == 0 || errno == EPERM;
}

std::string RecoveryFolder(const char* stateHome, const char* home) {
    if (stateHome != nullptr && stateHome[0] == '/')
        return std::string(stateHome) + "/wendax/recovery";
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.local/state/wendax/recovery";
    return {};
}

bool MakeRecoveryFolder(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string JournalPath(const std::string& folder, const TProcessId& owner, std::uint64_t serial) {
    return folder + "/" + std::to_string(owner.Pid) + "-" + std::to_string(owner.StartTime) + "-" +
           std::to_string(serial) + std::string(kSuffix);
}

// ---- Writing

TJournalWriter::TJournalWriter(std::string path, const TJournalHeader& header)
    : FPath(std::move(path)), FTempPath(FPath + ".tmp") {
    FFd = open(FTempPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (FFd < 0) Fail("Cannot create", FTempPath, errno);
    const std::string head = HeaderBytes(header);
    FChecksum.Add(head);
    WriteAll(head);
}

TJournalWriter::~TJournalWriter() {
    if (FFd < 0) return;
    close(FFd);
    unlink(FTempPath.c_str());
}

void TJournalWriter::Write(std::string_view bytes) {
    FChecksum.Add(bytes);
    FLength += bytes.size();
    WriteAll(bytes);
}

void TJournalWriter::Commit(const std::string& /*backupName*/) {
    WriteAll(TrailerBytes(FLength, FChecksum.Value()));
    if (fsync(FFd) != 0) Fail("Cannot write", FTempPath, errno);
    const int fd = FFd;
    FFd = -1;
    const bool closed = close(fd) == 0;
    if (!closed || rename(FTempPath.c_str(), FPath.c_str()) != 0) {
        const int error = errno;
        unlink(FTempPath.c_str());
        Fail("Cannot write", FPath, error);
    }
    SyncFolderOf(FPath);
}

void TJournalWriter::WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(FFd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write", FTempPath, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

// ---- Reading

std::optional<TJournal> ReadJournal(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return std::nullopt;
    std::optional<TJournal> journal;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        const auto fileSize = static_cast<std::uint64_t>(info.st_size);
        std::string head(
            static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, kMaxHeaderSize)), '\0');
        std::string tail(kTrailerSize, '\0');
        if (fileSize >= kTrailerSize && ReadAt(fd, 0, head.data(), head.size()) &&
            ReadAt(fd, fileSize - kTrailerSize, tail.data(), kTrailerSize)) {
            journal = ParseHeader(head);
            const auto trailer = ParseTrailer(tail);
            if (journal && trailer &&
                journal->TextOffset + trailer->first + kTrailerSize == fileSize) {
                journal->Path = path;
                journal->TextLength = trailer->first;
                if (!ChecksumMatches(fd, *journal, trailer->second)) journal.reset();
            } else {
                journal.reset();
            }
        }
    }
    close(fd);
    return journal;
}

std::unique_ptr<TFileReader> OpenJournalText(const TJournal& journal) {
    const int fd = open(journal.Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) Fail("Cannot open", journal.Path, errno);
    if (lseek(fd, static_cast<off_t>(journal.TextOffset), SEEK_SET) < 0) {
        const int error = errno;
        close(fd);
        Fail("Cannot read", journal.Path, error);
    }
    return std::make_unique<TJournalTextReader>(fd, journal.TextLength);
}

std::unique_ptr<TFileReader> TJournalTextFiles::OpenRead(const std::string& /*name*/) {
    return OpenJournalText(FJournal);
}

std::unique_ptr<TFileReplacement> TJournalTextFiles::Replace(const std::string& name) {
    Fail("Cannot replace", name, EROFS);
}

bool TJournalTextFiles::Exists(const std::string& /*name*/) {
    return true;
}

TFileIdentity TJournalTextFiles::Identify(const std::string& /*name*/) {
    TFileIdentity identity;
    identity.Kind = fkRegular;
    identity.Size = static_cast<std::int64_t>(FJournal.TextLength);
    return identity;
}

std::vector<TJournal> StaleJournals(const std::string& folder) {
    std::vector<std::pair<TJournalName, std::string>> found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const auto name = ParseName(entry->d_name);
            if (!name || IsRunning(name->Owner)) continue;
            const std::string path = folder + "/" + entry->d_name;
            if (name->Temporary)
                unlink(path.c_str());
            else
                found.emplace_back(*name, path);
        }
        closedir(dir);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tuple(a.first.Owner.StartTime, a.first.Owner.Pid, a.first.Serial) <
               std::tuple(b.first.Owner.StartTime, b.first.Owner.Pid, b.first.Serial);
    });
    std::vector<TJournal> journals;
    for (const auto& [name, path] : found)
        if (auto journal = ReadJournal(path); journal && journal->Header.Owner == name.Owner)
            journals.push_back(std::move(*journal));
    return journals;
}

void RemoveJournal(const std::string& path) {
    if (unlink(path.c_str()) == 0) SyncFolderOf(path);
}

}  // namespace wendax
