// Where the settings file lives and how it is read and written on disk.
#pragma once

#include <QString>
#include <functional>

#include "app/settings/ini_file.h"

namespace wendax {

inline constexpr const char* kSettingsFileName = "wendax.ini";

struct TSettingsPlaces {
    QString ProgramDir;     // the program's directory, ending with a separator
    QString UserConfigDir;  // the user's configuration directory for the program
};

// Answers whether a path is a writable directory, or an existing writable file.
struct TWritableProbe {
    std::function<bool(const QString&)> IsWritableDir;
    std::function<bool(const QString&)> IsWritableFile;
};

TWritableProbe FileSystemProbe();

// Beside the program when its directory is writable or the file there exists and is
// writable; otherwise in the user's configuration directory.
QString ChooseSettingsFile(const TSettingsPlaces& places, const TWritableProbe& probe);

// Where the Open and Save dialogs start when no directory has been chosen: the program's
// directory when the user may write there; otherwise (an installed program in a system
// directory) the user's home directory. Both end with a separator.
QString ChooseDefaultDir(const QString& programDir, const QString& homeDir,
                         const TWritableProbe& probe);

// The user's configuration directory for the program (…/wendax).
QString UserConfigDir();

// The file's contents; an empty file when it is missing or cannot be read.
TIniFile ReadSettingsFile(const QString& path);

// Replaces the file as a whole: the text goes to a temporary file in the same directory,
// which then takes the file's place, so the file is never left half written. Where the
// directory refuses new files but the file itself is writable, the file is rewritten in
// place. Creates a missing directory. False when nothing could be written.
bool WriteSettingsFile(const QString& path, const TIniFile& ini);

}  // namespace wendax
