// The fonts of the settings on this desktop. A face the settings name that is not an
// installed fixed-pitch family is replaced by the desktop's fixed-pitch font (or, when
// that reports no fixed pitch, by the first fixed-pitch family), and the settings then
// keep the name of the family actually used.
#pragma once

#include <QFont>
#include <QStringList>
#include <functional>
#include <string>

namespace wendax {

// `name` spelt as installed when it is one of `families` (letter case ignored) and
// `isFixedPitch` says that family is, else `fallback`.
std::string ChooseFixedFamily(const std::string& name, const QStringList& families,
                              const std::function<bool(const QString&)>& isFixedPitch,
                              const std::string& fallback);

// The family the desktop's fixed-pitch font resolves to.
std::string SystemFixedFamily();

// Replaces `name` when it does not name an installed fixed-pitch family. Needs the
// platform services installed.
std::string InstalledFixedFamily(const std::string& name);

QFont MakeFont(const std::string& name, int points, bool bold, bool italic);

}  // namespace wendax
