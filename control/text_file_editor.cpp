#include "control/text_file_editor.h"

#include "engine/byte_checksum.h"
#include "engine/char_set.h"
#include "engine/text_file_names.h"
#include "engine/text_file_reader.h"
#include "engine/text_file_writer.h"
#include "platform/services.h"

namespace wendax {

void TOvcCustomTextFileEditor::SetBackupExt(std::string_view value) {
    FBackupExt = std::string(value.substr(0, kMaxBackupExtLength));
}

void TOvcCustomTextFileEditor::SetFileName(std::string_view value) {
    if (value == FFileName) return;
    FIsOpen = false;
    FFileName = NormalizedFileName(value);
    // A text saved under a new name belongs to the file just written.
    if (FFileName == FWritten.Name) {
        SetDiskState(FWritten.Identity, FWritten.Checksum);
    } else {
        FDiskIdentity = {};
    }
}

void TOvcCustomTextFileEditor::SetIsOpen(bool value) {
    if (value == FIsOpen || FFileName.empty()) return;
    FIsOpen = value;
    if (value) {
        LoadFromFile(FFileName);
    } else {
        ResetText(true);
        FDiskIdentity = {};
    }
}

void TOvcCustomTextFileEditor::LoadFromFile(const std::string& fileName) {
    if (fileName.empty()) return;
    FFileName = NormalizedFileName(fileName);
    TBusyCursor busy;
    try {
        const TLoadedText loaded = AdoptLoaded(Platform().Files(), FFileName, TrimWhiteSpace());
        SetDiskState(loaded.Identity, loaded.Checksum);
        FIsOpen = true;
    } catch (...) {
        FIsOpen = false;
        throw;
    }
}

void TOvcCustomTextFileEditor::LoadChangedText(TFileSystem& files, const std::string& source) {
    TBusyCursor busy;
    AdoptLoaded(files, source, false);
    if (!FFileName.empty()) AcceptDiskChange();
    SetModified(true);
}

// The store takes the text's place only once all of it was read.
TLoadedText TOvcCustomTextFileEditor::AdoptLoaded(TFileSystem& files, const std::string& name,
                                                  bool trim) {
    TLoadedText loaded = ReadTextFile(
        files, name, [this] { return CreateEmptyStore(); }, trim);
    loaded.Store->SetCharSet(CharSetOfContent(loaded.ValidUtf8));
    AdoptStore(std::move(loaded.Store), true);
    return loaded;
}

void TOvcCustomTextFileEditor::SaveToFile(const std::string& fileName) {
    if (fileName.empty()) return;
    TBusyCursor busy;
    std::string backup;
    if (FMakeBackup) {
        backup = BackupFileName(fileName, FBackupExt);
        if (backup == fileName) backup.clear();
    }
    TFileSystem& files = Platform().Files();
    const auto out = files.Replace(fileName);
    const std::uint64_t checksum = WriteText(*out);
    out->Commit(backup);
    SetModified(false);
    FWritten = {fileName, files.Identify(fileName), checksum};
    if (fileName == FFileName) SetDiskState(FWritten.Identity, checksum);
}

TDiskChange TOvcCustomTextFileEditor::CheckDisk() {
    if (FDiskIdentity.Kind == fkMissing || FFileName.empty()) return dcNone;
    TFileSystem& files = Platform().Files();
    const TFileIdentity now = files.Identify(FFileName);
    if (now == FDiskIdentity) return dcNone;
    if (now.Kind == fkMissing) return dcGone;
    if (now.Kind == fkRegular && now.Size == FDiskIdentity.Size) {
        try {
            if (FileChecksum(files, FFileName) == FDiskChecksum) {
                FDiskIdentity = now;
                return dcNone;
            }
        } catch (const EInOutError&) {  // unreadable now: changed
        }
    }
    return dcChanged;
}

void TOvcCustomTextFileEditor::AcceptDiskChange() {
    TFileSystem& files = Platform().Files();
    const TFileIdentity now = files.Identify(FFileName);
    std::uint64_t checksum = 0;
    try {
        if (now.Kind == fkRegular) checksum = FileChecksum(files, FFileName);
    } catch (const EInOutError&) {
    }
    SetDiskState(now, checksum);
}

void TOvcCustomTextFileEditor::ConvertLineEnds(TLineEnd end) {
    if (ReadOnly() || !Store().ConvertLineEnds(end, CaretParaPos())) return;
    ShowEdit(true);
    SetCaretParaPos(CaretParaPos());
}

void TOvcCustomTextFileEditor::SetDiskState(const TFileIdentity& identity, std::uint64_t checksum) {
    FDiskIdentity = identity;
    FDiskChecksum = checksum;
}

std::uint64_t TOvcCustomTextFileEditor::WriteText(TFileReplacement& out) {
    return WriteTextFile(Store(), out);
}

void TOvcCustomTextFileEditor::Attach(TOvcCustomEditor* editor) {
    if (Window() == nullptr) return;
    TOvcCustomEditor::Attach(editor);
    if (const auto* other = dynamic_cast<TOvcCustomTextFileEditor*>(editor)) {
        FFileName = other->FFileName;
        SetDiskState(other->FDiskIdentity, other->FDiskChecksum);
    }
}

}  // namespace wendax
