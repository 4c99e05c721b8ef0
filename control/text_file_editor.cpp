#include "control/text_file_editor.h"

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
}

void TOvcCustomTextFileEditor::SetIsOpen(bool value) {
    if (value == FIsOpen || FFileName.empty()) return;
    FIsOpen = value;
    if (value) {
        LoadFromFile(FFileName);
    } else {
        ResetText(true);
        FLineEnd = leCrLf;
    }
}

void TOvcCustomTextFileEditor::LoadFromFile(const std::string& fileName) {
    if (fileName.empty()) return;
    FFileName = NormalizedFileName(fileName);
    TBusyCursor busy;
    try {
        AdoptLoaded(Platform().Files(), FFileName, TrimWhiteSpace());
        FIsOpen = true;
    } catch (...) {
        FIsOpen = false;
        throw;
    }
}

void TOvcCustomTextFileEditor::LoadChangedText(TFileSystem& files, const std::string& source) {
    TBusyCursor busy;
    AdoptLoaded(files, source, false);
    SetModified(true);
}

// The store takes the text's place only once all of it was read.
void TOvcCustomTextFileEditor::AdoptLoaded(TFileSystem& files, const std::string& name, bool trim) {
    TLoadedText loaded = ReadTextFile(
        files, name, [this] { return CreateEmptyStore(); }, trim);
    AdoptStore(std::move(loaded.Store), true);
    FLineEnd = loaded.LineEnd;
}

void TOvcCustomTextFileEditor::SaveToFile(const std::string& fileName) {
    if (fileName.empty()) return;
    TBusyCursor busy;
    std::string backup;
    if (FMakeBackup) {
        backup = BackupFileName(fileName, FBackupExt);
        if (backup == fileName) backup.clear();
    }
    const auto out = Platform().Files().Replace(fileName);
    WriteText(*out);
    out->Commit(backup);
    SetModified(false);
}

void TOvcCustomTextFileEditor::WriteText(TFileReplacement& out) {
    WriteTextFile(Store(), out, FLineEnd);
}

void TOvcCustomTextFileEditor::Attach(TOvcCustomEditor* editor) {
    if (Window() == nullptr) return;
    TOvcCustomEditor::Attach(editor);
    if (const auto* other = dynamic_cast<TOvcCustomTextFileEditor*>(editor)) {
        FFileName = other->FFileName;
        FLineEnd = other->FLineEnd;
    }
}

}  // namespace wendax
