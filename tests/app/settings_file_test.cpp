#include "app/settings/settings_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace wendax {
namespace {

TWritableProbe Probe(bool dirWritable, bool fileWritable) {
    return {[=](const QString&) { return dirWritable; },
            [=](const QString&) { return fileWritable; }};
}

const TSettingsPlaces kPlaces{QStringLiteral("/opt/wendax/"),
                              QStringLiteral("/home/u/.config/wendax")};

TEST(SettingsLocation, BesideTheProgramWhenItsDirectoryIsWritable) {
    EXPECT_EQ(ChooseSettingsFile(kPlaces, Probe(true, false)), "/opt/wendax/wendax.ini");
}

TEST(SettingsLocation, BesideTheProgramWhenTheFileThereIsWritable) {
    EXPECT_EQ(ChooseSettingsFile(kPlaces, Probe(false, true)), "/opt/wendax/wendax.ini");
}

TEST(SettingsLocation, InTheUsersConfigurationOtherwise) {
    EXPECT_EQ(ChooseSettingsFile(kPlaces, Probe(false, false)),
              "/home/u/.config/wendax/wendax.ini");
}

TEST(SettingsLocation, AProgramDirectoryThatDoesNotExistSendsTheFileToTheUser) {
    const TSettingsPlaces places{QStringLiteral("/nonexistent/wendax-test/"),
                                 QStringLiteral("/home/u/.config/wendax")};
    EXPECT_EQ(ChooseSettingsFile(places, FileSystemProbe()), "/home/u/.config/wendax/wendax.ini");
}

TEST(SettingsLocation, TheUsersDirectoryIsNamedAfterTheProgram) {
    EXPECT_TRUE(UserConfigDir().endsWith(QStringLiteral("/wendax")));
}

TEST(DefaultDirectory, IsTheProgramsDirectoryWhenTheUserMayWriteThere) {
    EXPECT_EQ(ChooseDefaultDir(kPlaces.ProgramDir, QStringLiteral("/home/u"), Probe(true, false)),
              "/opt/wendax/");
}

TEST(DefaultDirectory, IsTheHomeDirectoryForAnInstalledProgram) {
    EXPECT_EQ(ChooseDefaultDir(kPlaces.ProgramDir, QStringLiteral("/home/u"), Probe(false, true)),
              "/home/u/");
    EXPECT_EQ(ChooseDefaultDir(QStringLiteral("/usr/bin/"), QStringLiteral("/home/u/"),
                               Probe(false, false)),
              "/home/u/");
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
