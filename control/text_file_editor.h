// The editor with a text file behind it, and the class the application places on its
// editor windows: a file name, whether the text was loaded from it, and loading and saving
// by the byte rules of text_file_reader.h and text_file_writer.h.
#pragma once

#include <string>
#include <string_view>

#include "control/custom_editor.h"
#include "engine/line_end.h"
#include "engine/text_file_reader.h"
#include "platform/file_system.h"

namespace wendax {

// How FileName on disk stands against the file the text was read from or last saved as.
enum TDiskChange { dcNone, dcChanged, dcGone };

class TOvcCustomTextFileEditor : public TOvcCustomEditor {
  public:
    static constexpr std::size_t kMaxBackupExtLength = 3;

    // Extension of the backup copy, without the dot; longer values are cut to 3 characters.
    const std::string& BackupExt() const { return FBackupExt; }
    void SetBackupExt(std::string_view value);
    // The file the text belongs to, kept without one trailing "." (names of 2 or more
    // characters). Setting a name other than the current one (compared exactly) makes
    // IsOpen false and leaves the text as it is.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(std::string_view value);
    // Saving keeps the previous file under the backup name (BackupFileName).
    bool MakeBackup() const { return FMakeBackup; }
    void SetMakeBackup(bool value) { FMakeBackup = value; }
    // The text was loaded from FileName. Setting it with a FileName: true loads the file,
    // false discards the text (a fresh empty store).
    bool IsOpen() const { return FIsOpen; }
    void SetIsOpen(bool value);
    // The file as the editor last read or wrote it (Kind fkMissing for a text never loaded
    // or saved, and after IsOpen became false): its identity and the checksum of its bytes.
    const TFileIdentity& DiskIdentity() const { return FDiskIdentity; }
    std::uint64_t DiskChecksum() const { return FDiskChecksum; }
    // Compares FileName on disk with DiskIdentity: dcNone when it is the same file or a
    // file with the same bytes (whose identity is then taken, so a touch costs one reading
    // of the file), dcGone when there is no file any more, else dcChanged. dcNone for a
    // text that has no file on disk (DiskIdentity fkMissing).
    TDiskChange CheckDisk();
    // The text now belongs to the file as it is on disk (the user kept the text over a
    // change by another program): its identity and checksum are taken, or none when it is
    // gone, so that the same change is not reported again.
    void AcceptDiskChange();
    // Every paragraph that has a line end gets `end` (continuations stay what they are),
    // as one step of the history; nothing when read-only or when nothing changes.
    void ConvertLineEnds(TLineEnd end);

    // Replaces the text by the file's (FileName becomes `fileName`, normalised): caret at
    // line 1, column 1, no history, Modified false, IsOpen true. Nothing for an empty name.
    // The file is read into a fresh store that takes the text's place only when all of it
    // was read; on any failure the text, caret and Modified stay, IsOpen becomes false and
    // the failure is raised: EInOutError, EFileHasNul, EEditorError (code 0) for a limit.
    virtual void LoadFromFile(const std::string& fileName);
    // Writes the text to `fileName` (FileName is not changed), keeping a backup copy when
    // MakeBackup is set, and clears Modified. Nothing for an empty name. A target that is no
    // regular file, or that may not be written, is refused before anything changes. The
    // file stays the same file (links, owner, mode, attributes) and ends up with either its
    // old bytes or all of the new ones: a failure raises EInOutError and leaves the file,
    // any backup and Modified as they were. Every paragraph is written with its own line end.
    virtual void SaveToFile(const std::string& fileName);
    // Writes the bytes SaveToFile would write to `out`, without committing it: for copies
    // of the text, such as a recovery journal. Failures of `out` are raised.
    // Returns the checksum of the bytes written.
    std::uint64_t WriteText(TFileReplacement& out);
    // Replaces the text by the file `source` of `files`, read as LoadFromFile reads (no
    // trimming), as a changed text of FileName: a text recovered after a crash. FileName
    // and IsOpen stay, Modified becomes true. Failures as LoadFromFile, the text kept.
    void LoadChangedText(TFileSystem& files, const std::string& source);

    // As the editor's, once this editor has a window; it also takes over the other
    // editor's FileName and the state of its file on disk.
    void Attach(TOvcCustomEditor* editor) override;

  private:
    TLoadedText AdoptLoaded(TFileSystem& files, const std::string& name, bool trim);

    std::string FBackupExt = "BAK";
    std::string FFileName;
    bool FMakeBackup = false;
    bool FIsOpen = false;
    TFileIdentity FDiskIdentity;
    std::uint64_t FDiskChecksum = 0;
    struct TWritten {
        std::string Name;
        TFileIdentity Identity;
        std::uint64_t Checksum = 0;
    } FWritten;  // the file last saved, of whatever name

    void SetDiskState(const TFileIdentity& identity, std::uint64_t checksum);
};

class TOvcTextFileEditor : public TOvcCustomTextFileEditor {};

}  // namespace wendax
