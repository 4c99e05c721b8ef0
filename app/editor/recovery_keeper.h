// Keeps the recovery journal of one editor window: the text is written to it once it has
// been changed and then left alone for a moment (or, while it keeps changing, once its
// oldest unwritten change is a while old), and the journal goes when the text is no
// longer modified (saved, reloaded, undone to its saved state) and when the window goes.
// Writing happens on a timer of the user-interface thread, never while a key is handled.
// A large text is written at most once every kSpacing times its last writing time, so a
// 100 MB text does not keep the program busy.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>

#include "app/editor/recovery_place.h"

namespace wendax {

class TOvcTextFileEditor;

class TRecoveryKeeper : public QObject {
  public:
    static constexpr int kSpacing = 20;

    // `editor` outlives the keeper; its journal gets a name of its own in `place`.
    TRecoveryKeeper(TOvcTextFileEditor& editor, const TRecoveryPlace& place);
    // Removes the journal: the window goes.
    ~TRecoveryKeeper() override;

    // After each status report of the text and after a save: a change (re)starts the wait,
    // a text no longer modified loses its journal at once.
    void TextTouched();
    // Writes a modified text at once, or removes the journal of one that is not.
    void Sync();
    // Removes the journal: the window closes and its text is given up.
    void Discard();
    // The journal's path (it exists only while the text is modified and was written).
    const std::string& Path() const { return FPath; }

  private:
    void Remove();
    void Write();
    void IdleTimeout();

    TOvcTextFileEditor& FEditor;
    const std::string FPath;
    const int FIdleMilliseconds;
    const int FLongestWaitMilliseconds;
    QTimer FIdle;
    std::uint64_t FWrittenChanges = 0;  // the editor's TextChanges when last written
    bool FWritten = false;              // the journal file exists
    QElapsedTimer FUnwritten;           // since the oldest change not yet written; or invalid
    QElapsedTimer FSinceWrite;          // since the last write ended
    qint64 FWriteMilliseconds = 0;      // how long the last write took
};

}  // namespace wendax
