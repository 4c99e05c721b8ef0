#include "app/editor/recovery_keeper.h"

#include <algorithm>
#include <exception>

#include "app/commands/file_names.h"
#include "app/editor/recovery_journal.h"
#include "app/frame/untitled_numbers.h"
#include "control/text_file_editor.h"

namespace wendax {
namespace {

// Journal names within this process: one serial number per window, never reused.
std::uint64_t NextSerial() {
    static std::uint64_t serial = 0;
    return ++serial;
}

const TProcessId& Owner() {
    static const TProcessId owner = ThisProcess();
    return owner;
}

// A later start may run in another directory, so a file's name is kept as a full path.
TJournalHeader HeaderFor(const std::string& fileName) {
    if (IsUntitledName(fileName)) return {Owner(), fileName, true};
    return {Owner(), ToFileName(ExpandFileName(FromFileName(fileName))), false};
}

}  // namespace

TRecoveryKeeper::TRecoveryKeeper(TOvcTextFileEditor& editor, const TRecoveryPlace& place)
    : FEditor(editor),
      FPath(JournalPath(place.Folder, Owner(), NextSerial())),
      FIdleMilliseconds(place.IdleMilliseconds),
      FLongestWaitMilliseconds(place.LongestWaitMilliseconds) {
    FIdle.setSingleShot(true);
    connect(&FIdle, &QTimer::timeout, this, &TRecoveryKeeper::IdleTimeout);
}

TRecoveryKeeper::~TRecoveryKeeper() {
    Remove();
}

// Once the oldest unwritten change has waited long enough, the timer fires as soon as the
// key now handled is done.
void TRecoveryKeeper::TextTouched() {
    if (!FEditor.Modified()) {
        Discard();
    } else if (FEditor.TextChanges() != FWrittenChanges || !FWritten) {
        if (!FUnwritten.isValid()) FUnwritten.start();
        FIdle.start(FUnwritten.elapsed() < FLongestWaitMilliseconds ? FIdleMilliseconds : 0);
    }
}

void TRecoveryKeeper::Sync() {
    FIdle.stop();
    if (FEditor.Modified())
        Write();
    else
        Remove();
}

// A write that took long waits for its spacing; the timer comes back when that is over.
void TRecoveryKeeper::IdleTimeout() {
    if (FWritten && FEditor.Modified()) {
        const qint64 wait = kSpacing * FWriteMilliseconds - FSinceWrite.elapsed();
        if (wait > 0) {
            FIdle.start(static_cast<int>(std::min<qint64>(wait, 60 * 60 * 1000)));
            return;
        }
    }
    Sync();
}

// A failed write keeps the previous journal; the next change tries again. The journal is a
// safety net, so its failures interrupt no one.
void TRecoveryKeeper::Write() {
    QElapsedTimer clock;
    clock.start();
    const std::string folder = FPath.substr(0, FPath.rfind('/'));
    try {
        if (!MakeRecoveryFolder(folder)) return;
        TJournalWriter journal(FPath, HeaderFor(FEditor.FileName()));
        FEditor.WriteText(journal);
        journal.Commit({});
        FWritten = true;
        FWrittenChanges = FEditor.TextChanges();
        FUnwritten.invalidate();
    } catch (const std::exception&) {
        return;
    }
    FWriteMilliseconds = clock.elapsed();
    FSinceWrite.start();
}

void TRecoveryKeeper::Discard() {
    FIdle.stop();
    Remove();
}

void TRecoveryKeeper::Remove() {
    FUnwritten.invalidate();
    if (!FWritten) return;
    RemoveJournal(FPath);
    FWritten = false;
}

}  // namespace wendax
