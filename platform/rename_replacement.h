// Saving by rename: the new text is written to a new file in the target's folder that is
// given the old file's owner, group, extended attributes and mode, and is renamed over the
// target once complete and synced, so that a failure or a kill at any point leaves the old
// file as it was.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/save_target.h"
#include "platform/save_temporaries.h"

namespace wendax {

class TRenameReplacement final : public TFileReplacement {
  public:
    // The replacement of `target`, or nullptr when a renamed file would not be the same
    // file: an owner or group this process cannot give, extended attributes (ACLs among
    // them) it cannot copy, a folder it may not write. For a target that does not exist
    // yet a failure raises EInOutError instead.
    static std::unique_ptr<TRenameReplacement> Prepare(const TSaveTarget& target);
    ~TRenameReplacement() override;

    void Write(std::string_view bytes) override;
    // Syncs the new file, keeps the old one as `backupName` (a hard link, else a move that
    // is undone should the rename fail), renames the new file over the old one and syncs
    // the folder.
    void Commit(const std::string& backupName) override;

  private:
    TRenameReplacement(const TSaveTarget& target, TNewFile file);
    [[noreturn]] void Fail(const char* what, int error) const;
    bool KeepBackup(const std::string& backupName) const;

    std::string FShownName;
    std::string FPath;
    TNewFile FFile;
    TWriteBuffer FBuffer;
    bool FCommitted = false;
};

}  // namespace wendax
