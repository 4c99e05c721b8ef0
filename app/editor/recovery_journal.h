// Recovery journals: the text of a modified editor window, kept in the recovery folder so
// that it survives a crash of the program. One journal is one file:
//
//   "WENDAX-JOURNAL 1\n"
//   "owner <pid> <start time>\n"
//   "untitled <0 or 1>\n"
//   "name <byte count>\n" <the name's bytes> "\n"
//   "text\n" <the text's bytes, exactly as saving the text writes them>
//   "\nend <byte count of the text, 20 digits> <checksum, 16 lower-case hex digits>\n"
//
// The checksum (TTextChecksum) covers the header and the text.
//
// A journal is replaced as a whole (written beside it, synced, renamed over it), so a crash
// at any point leaves the old or the new one; a file that is torn, damaged or foreign reads
// as no journal. The journals of one process are named "<pid>-<start time>-<serial>.journal";
// the temporary file beside one adds ".tmp".
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace wendax {

// A process, told apart from a later one that reuses its id by its start time (clock ticks
// after boot; 0 where the system does not tell it).
struct TProcessId {
    std::int64_t Pid = 0;
    std::uint64_t StartTime = 0;
    bool operator==(const TProcessId&) const = default;
};

TProcessId ThisProcess();
// Whether that very process still runs.
bool IsRunning(const TProcessId& process);

struct TJournalHeader {
    TProcessId Owner;
    // The window's file name; for an untitled window its name ("NONAME" and a number).
    std::string FileName;
    bool Untitled = false;
};

struct TJournal {
    std::string Path;
    TJournalHeader Header;
    std::uint64_t TextOffset = 0;  // where the text begins in the file, in bytes
    std::uint64_t TextLength = 0;  // bytes
};

// The checksum of a journal: four lanes of little-endian 64-bit words, each lane
// mixed by multiply and rotate, a last partial word padded with zeros, the lanes and the
// length folded together. Cheap enough to run over 100 MB while the text is written.
class TTextChecksum {
  public:
    void Add(std::string_view bytes);
    std::uint64_t Value() const;
    std::uint64_t Length() const { return FLength; }

  private:
    void AddBlock(const unsigned char* block);

    std::uint64_t FLanes[4] = {0x9E3779B97F4A7C15u, 0xC2B2AE3D27D4EB4Fu, 0x165667B19E3779F9u,
                               0x27D4EB2F165667C5u};
    unsigned char FPending[32] = {};
    std::size_t FPendingSize = 0;
    std::uint64_t FLength = 0;
};

// $XDG_STATE_HOME/wendax/recovery, or $HOME/.local/state/wendax/recovery when the first is
// unset or not absolute; empty when neither is usable. Either argument may be null.
std::string RecoveryFolder(const char* stateHome, const char* home);
// Makes `folder` and its missing parents, readable by the user only. False on failure.
bool MakeRecoveryFolder(const std::string& folder);

// The journal of editor window `serial` of `owner` in `folder`.
std::string JournalPath(const std::string& folder, const TProcessId& owner, std::uint64_t serial);

// Writes a journal: the header at once, the text through Write, and on Commit (whose backup
// name must be empty) the trailer; then the file is synced and renamed into place and the
// folder synced. Destroyed without a Commit, it removes its temporary file and leaves the
// journal as it was. Failures raise EInOutError.
class TJournalWriter final : public TFileReplacement {
  public:
    TJournalWriter(std::string path, const TJournalHeader& header);
    ~TJournalWriter() override;
    TJournalWriter(const TJournalWriter&) = delete;
    TJournalWriter& operator=(const TJournalWriter&) = delete;

    void Write(std::string_view bytes) override;
    void Commit(const std::string& backupName) override;

  private:
    void WriteAll(std::string_view bytes);

    std::string FPath;
    std::string FTempPath;
    int FFd = -1;
    TTextChecksum FChecksum;    // of the header and the text
    std::uint64_t FLength = 0;  // of the text
};

// The journal at `path` when it is whole and well-formed, else nothing.
std::optional<TJournal> ReadJournal(const std::string& path);
// Reads the text of `journal`; raises EInOutError when it cannot be opened.
std::unique_ptr<TFileReader> OpenJournalText(const TJournal& journal);
// The text of one journal as a file system that holds only it: any name opens the text, so
// that it can be read by the rules of a text file. Nothing can be written.
class TJournalTextFiles final : public TFileSystem {
  public:
    explicit TJournalTextFiles(TJournal journal) : FJournal(std::move(journal)) {}

    std::unique_ptr<TFileReader> OpenRead(const std::string& name) override;
    std::unique_ptr<TFileReplacement> Replace(const std::string& name) override;
    bool Exists(const std::string& name) override;
    TFileIdentity Identify(const std::string& name) override;

  private:
    TJournal FJournal;
};

// The journals in `folder` whose owner no longer runs, in the order of their names (oldest
// process first, then window by window). Temporary files such owners left are removed; files
// that are no journal are left alone.
std::vector<TJournal> StaleJournals(const std::string& folder);
// Removes a journal; a missing one is no failure.
void RemoveJournal(const std::string& path);

}  // namespace wendax
