#include "app/settings/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace wendax {
namespace {

const TSettingsPlaces kPlaces{QStringLiteral("/opt/wendax/"),
                              QStringLiteral("/home/u/.config/wendax")};

// A portable install keeps its settings beside the program; a program folder without
// them, writable or not, leaves them in the user's configuration.
TEST(SettingsLocation, BesideTheProgramOnlyWhenTheFileIsAlreadyThere) {
    QTemporaryDir program;
    const TSettingsPlaces places{program.path() + QLatin1Char('/'), kPlaces.UserConfigDir};
    EXPECT_EQ(ChooseSettingsFile(places, FileSystemProbe()), "/home/u/.config/wendax/wendax.ini");
    QFile beside(program.filePath(QStringLiteral("wendax.ini")));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(ChooseSettingsFile(places, FileSystemProbe()), beside.fileName());
    beside.setPermissions(QFileDevice::ReadOwner);
    EXPECT_EQ(ChooseSettingsFile(places, FileSystemProbe()), beside.fileName());
    const TSettingsPlaces missing{QStringLiteral("/nonexistent/wendax-test/"),
                                  kPlaces.UserConfigDir};
    EXPECT_EQ(ChooseSettingsFile(missing, FileSystemProbe()), "/home/u/.config/wendax/wendax.ini");
}

// Outside the tests' own test mode: $XDG_CONFIG_HOME/wendax, else ~/.config/wendax.
TEST(SettingsLocation, TheUsersDirectoryFollowsXdgConfigHome) {
    QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    QStandardPaths::setTestModeEnabled(false);
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    const QString chosen = UserConfigDir();
    qunsetenv("XDG_CONFIG_HOME");
    const QString fallback = UserConfigDir();
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(chosen, config.path() + "/wendax");
    EXPECT_EQ(fallback, QDir::homePath() + "/.config/wendax");
}

TEST(DefaultDirectory, IsTheHomeDirectoryEndingWithASeparator) {
    EXPECT_EQ(DefaultDirFor(QStringLiteral("/home/u")), "/home/u/");
    EXPECT_EQ(DefaultDirFor(QStringLiteral("/home/u/")), "/home/u/");
}

TEST(SettingsFile, AMissingFileReadsEmpty) {
    EXPECT_EQ(ReadSettingsFile(QStringLiteral("/nonexistent/wendax.ini")).Text(), "");
}

TEST(SettingsFile, WritesTheWholeTextAndLeavesNoTemporaryFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wendax.ini"));
    TIniFile ini;
    ini.Write("A", "k", "v");
    ASSERT_TRUE(WriteSettingsFile(path, ini));
    ini.Write("A", "k", "w");
    ASSERT_TRUE(WriteSettingsFile(path, ini));
    EXPECT_EQ(ReadSettingsFile(path).Text(), "[A]\nk=w\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("wendax.ini")});
}

TEST(SettingsFile, CreatesAMissingDirectory) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config/wendax/wendax.ini"));
    ASSERT_TRUE(WriteSettingsFile(path, TIniFile::Parse("[A]\n")));
    EXPECT_TRUE(QFile::exists(path));
}

TEST(SettingsFile, FailsWhereNoFileCanBeMade) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(WriteSettingsFile(dir.filePath(QStringLiteral("plain/wendax.ini")),
                                   TIniFile::Parse("[A]\n")));
}

}  // namespace
}  // namespace wendax
