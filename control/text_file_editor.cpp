#include "control/text_file_editor.h"

#include "engine/char_set.h"
#include "engine/text_file_names.h"
#include "engine/text_file_reader.h"
#include "engine/text_file_writer.h"
#include "platform/services.h"

namespace wendax {

namespace {

// A file that is valid UTF-8 throughout (pure ASCII too) is UTF-8, any other 8-bit. Line
// breaks are ASCII, so checking paragraph by paragraph checks the whole file.
TCharSet CharSetOfLoaded(TParaList& store) {
    for (TParaCursor para = store.CursorAt(1); para.Para() != 0; para.Next())
        if (!IsValidUtf8(para.Text())) return chEightBit;
    return chUtf8;
}

}  // namespace

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
        TLoadedText loaded = ReadTextFile(
            Platform().Files(), FFileName, [this] { return CreateEmptyStore(); }, TrimWhiteSpace());
        loaded.Store->SetCharSet(CharSetOfLoaded(*loaded.Store));
        AdoptStore(std::move(loaded.Store), true);
        FLineEnd = loaded.LineEnd;
        FIsOpen = true;
    } catch (...) {
        FIsOpen = false;
        throw;
    }
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
    WriteTextFile(Store(), *out, FLineEnd);
    out->Commit(backup);
    SetModified(false);
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
