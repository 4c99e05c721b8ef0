// The editor with a text file behind it, and the class the application places on its
// editor windows: a file name, whether the text was loaded from it, and loading and saving
// by the byte rules of text_file_reader.h and text_file_writer.h.
#pragma once

#include <string>
#include <string_view>

#include "control/custom_editor.h"
#include "engine/line_end.h"
#include "platform/file_system.h"

namespace wendax {

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
    // How the loaded file ended its lines; saving ends them the same way. New text: CR LF.
    TLineEnd LineEnd() const { return FLineEnd; }

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
    // any backup and Modified as they were.
    virtual void SaveToFile(const std::string& fileName);
    // Writes the bytes SaveToFile would write to `out`, without committing it: for copies
    // of the text, such as a recovery journal. Failures of `out` are raised.
    void WriteText(TFileReplacement& out);
    // Replaces the text by the file `source` of `files`, read as LoadFromFile reads (no
    // trimming), as a changed text of FileName: a text recovered after a crash. FileName
    // and IsOpen stay, Modified becomes true. Failures as LoadFromFile, the text kept.
    void LoadChangedText(TFileSystem& files, const std::string& source);

    // As the editor's, once this editor has a window; it also takes over the other
    // editor's FileName and line ends.
    void Attach(TOvcCustomEditor* editor) override;

  private:
    void AdoptLoaded(TFileSystem& files, const std::string& name, bool trim);

    std::string FBackupExt = "BAK";
    std::string FFileName;
    bool FMakeBackup = false;
    bool FIsOpen = false;
    TLineEnd FLineEnd = leCrLf;
};

class TOvcTextFileEditor : public TOvcCustomTextFileEditor {};

}  // namespace wendax
