// Saving in place, for a file that a rename would change (hard links, an owner or
// attributes a new file cannot take, a folder that may not be written): the old bytes are
// first copied aside and synced, then the file itself is emptied, written and synced, and
// the copy is removed (or kept as the backup). At every moment either the file or the copy
// holds the old text, or the file holds all of the new text.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/save_target.h"

namespace wendax {

class TInPlaceReplacement final : public TFileReplacement {
  public:
    // Copies the old bytes aside (save_temporaries.h), syncs the copy and empties the file.
    // A failure raises EInOutError with the file as it was and no copy.
    explicit TInPlaceReplacement(TSaveTarget target);
    // Without a successful Commit the old bytes are put back and the copy removed.
    ~TInPlaceReplacement() override;

    // A failure of Write or Commit puts the old bytes back before it raises; should that
    // fail too, the message names the copy that still holds them.
    void Write(std::string_view bytes) override;
    void Commit(const std::string& backupName) override;

  private:
    [[noreturn]] void FailAndRestore(const char* what, int error);
    bool RestoreOldBytes();
    void KeepCopyAs(const std::string& backupName);
    void RemoveCopy();

    TSaveTarget FTarget;
    TFd FCopy;
    std::string FCopyName;
    TWriteBuffer FBuffer;
    bool FFinished = false;
};

}  // namespace wendax
