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

// Answers whether a file exists at a path.
using TFileProbe = std::function<bool(const QString&)>;

TFileProbe FileSystemProbe();

// Beside the program only when a settings file is already there (a portable install);
// otherwise always in the user's configuration directory, so that running the program
// from a build or any other folder leaves no settings file there.
QString ChooseSettingsFile(const TSettingsPlaces& places, const TFileProbe& fileExists);

// Where the Open and Save dialogs start while the settings name no directory: the user's
// home directory, ending with a separator.
QString DefaultDirFor(const QString& homeDir);

// The user's configuration directory for the program: $XDG_CONFIG_HOME/wendax, by default
// ~/.config/wendax.
QString UserConfigDir();

// The file's contents; an empty file when it is missing or cannot be read.
TIniFile ReadSettingsFile(const QString& path);

// Replaces the file as a whole: the text goes to a temporary file in the same directory,
// which then takes the file's place, so the file is never left half written. Where the
// directory refuses new files but the file itself is writable, the file is rewritten in
// place. Creates a missing directory. False when nothing could be written.
bool WriteSettingsFile(const QString& path, const TIniFile& ini);

}  // namespace wendax
