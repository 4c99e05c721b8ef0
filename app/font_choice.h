// The fonts of the settings on this desktop. A face the settings name that is not an
// installed fixed-pitch family is replaced by the desktop's fixed-pitch font, and the
// settings then keep the name of the family actually used.
#pragma once

#include <QFont>
#include <QStringList>
#include <string>

namespace wendax {

// `name` spelt as installed when it is one of `fixedFamilies` (letter case ignored),
// else `fallback`.
std::string ChooseFixedFamily(const std::string& name, const QStringList& fixedFamilies,
                              const std::string& fallback);

// The installed fixed-pitch families, and the family the desktop's fixed font resolves to.
QStringList InstalledFixedFamilies();
std::string SystemFixedFamily();

// Replaces `name` when it does not name an installed fixed-pitch family.
std::string InstalledFixedFamily(const std::string& name);

QFont MakeFont(const std::string& name, int points, bool bold, bool italic);

}  // namespace wendax
