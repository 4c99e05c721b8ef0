#include "app/commands/recent_files.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

#include "app/frame/main_menu.h"

namespace wendax {
namespace {

class RecentFiles : public ::testing::Test {
  protected:
    // The File menu as the user reads it from "&Print..." down.
    QStringList Tail() const {
        QStringList texts;
        const QList<QAction*> items = FFile->actions();
        for (qsizetype i = items.indexOf(FMenu.Item(QStringLiteral("MI_FilePrint")));
             i < items.size(); ++i)
            texts << (items[i]->isSeparator() ? QStringLiteral("-") : items[i]->text());
        return texts;
    }
    QStringList HistoryNames() const {
        QStringList names;
        for (const std::string& name : FHistory)
            names << QString::fromStdString(name);
        return names;
    }

    QMenuBar FBar;
    TMainMenu FMenu{FBar};
    QMenu* FFile = FMenu.Menu(QStringLiteral("MI_File"));
    std::vector<std::string> FHistory;
    QStringList FChosen;
    TRecentFiles FRecent{*FFile, *FMenu.Item(QStringLiteral("MI_HistStart")), FHistory,
                         [this](QAction& item) { FChosen << FRecent.EntryOf(item); }};
};

TEST_F(RecentFiles, AnEmptyListShowsNoEntriesAndNoSeparator) {
    FRecent.RebuildMenu();
    EXPECT_EQ(Tail(), (QStringList{"&Print...", "-", "E&xit", "Exit 2"}));
    EXPECT_EQ(FRecent.EndSeparator(), nullptr);
}

TEST_F(RecentFiles, EntriesAreNumberedBetweenTwoSeparators) {
    FHistory = {"/home/u/b.txt", "/home/u/a.txt"};
    FRecent.RebuildMenu();
    EXPECT_EQ(Tail(), (QStringList{"&Print...", "-", "&1 /home/u/b.txt", "&2 /home/u/a.txt", "-",
                                   "E&xit", "Exit 2"}));
    FRecent.RebuildMenu();
    EXPECT_EQ(Tail().size(), 7);
}

TEST_F(RecentFiles, SixFilesLeaveTheNewestFiveFirst) {
    for (int i = 1; i <= 6; ++i)
        FRecent.Add(QStringLiteral("/f/%1").arg(i));
    EXPECT_EQ(HistoryNames(), (QStringList{"/f/6", "/f/5", "/f/4", "/f/3", "/f/2"}));
    EXPECT_EQ(Tail(), (QStringList{"&Print...", "-", "&1 /f/6", "&2 /f/5", "&3 /f/4", "&4 /f/3",
                                   "&5 /f/2", "-", "E&xit", "Exit 2"}));
}

TEST_F(RecentFiles, ALoadedListLongerThanFiveIsCutWhenTheMenuIsBuilt) {
    FHistory = {"/1", "/2", "/3", "/4", "/5", "/6", "/7"};
    FRecent.RebuildMenu();
    EXPECT_EQ(FHistory.size(), 5u);
    EXPECT_EQ(FRecent.MenuEntries().size(), 5u);
}

TEST_F(RecentFiles, AddingAListedFileMovesItToTheTop) {
    for (const char* name : {"/a", "/b", "/c", "/d"})
        FRecent.Add(QString::fromLatin1(name));
    FRecent.Add(QStringLiteral("/b"));  // the third entry
    EXPECT_EQ(HistoryNames(), (QStringList{"/b", "/d", "/c", "/a"}));
    EXPECT_EQ(FRecent.MenuEntries().size(), 4u);
}

TEST_F(RecentFiles, NamesAreExpandedToFullPaths) {
    FRecent.Add(QStringLiteral("notes.txt"));
    FRecent.Add(QStringLiteral("sub/../other.txt"));
    FRecent.Add(QStringLiteral("/x/./y/../z.txt"));
    const QString cwd = QDir::currentPath();
    EXPECT_EQ(HistoryNames(), (QStringList{"/x/z.txt", cwd + "/other.txt", cwd + "/notes.txt"}));
}

TEST_F(RecentFiles, NamesDifferingInLetterCaseAreDifferentFiles) {
    FRecent.Add(QStringLiteral("/t/Readme"));
    FRecent.Add(QStringLiteral("/t/README"));
    EXPECT_EQ(HistoryNames(), (QStringList{"/t/README", "/t/Readme"}));
}

TEST_F(RecentFiles, RemoveComparesTheNameAsGiven) {
    FHistory = {"/t/a", "/t/b"};
    FRecent.RebuildMenu();
    FRecent.Remove(QStringLiteral("/t/../t/a"));
    EXPECT_EQ(HistoryNames(), (QStringList{"/t/a", "/t/b"}));
    FRecent.Remove(QStringLiteral("/t/a"));
    EXPECT_EQ(HistoryNames(), QStringList{"/t/b"});
    EXPECT_EQ(Tail(), (QStringList{"&Print...", "-", "&1 /t/b", "-", "E&xit", "Exit 2"}));
    FRecent.Remove(QStringLiteral("/t/b"));
    EXPECT_EQ(Tail(), (QStringList{"&Print...", "-", "E&xit", "Exit 2"}));
}

TEST_F(RecentFiles, AnEntryStandsForTheFileAtItsPlace) {
    FHistory = {"/one", "/two", "/three"};
    FRecent.RebuildMenu();
    const auto entries = FRecent.MenuEntries();
    ASSERT_EQ(entries.size(), 3u);
    entries[1]->trigger();
    entries[2]->trigger();
    EXPECT_EQ(FChosen, (QStringList{"/two", "/three"}));
    EXPECT_EQ(FRecent.EntryOf(*FMenu.Item(QStringLiteral("MI_FileExit1"))), "");
}

TEST_F(RecentFiles, AnAmpersandInANameShowsAsItself) {
    FRecent.Add(QStringLiteral("/r&d/plan.txt"));
    EXPECT_EQ(FRecent.MenuEntries().front()->text(), "&1 /r&&d/plan.txt");
    EXPECT_EQ(FRecent.EntryOf(*FRecent.MenuEntries().front()), "/r&d/plan.txt");
}

TEST_F(RecentFiles, EntriesFollowTheEnabledStateGivenThemAcrossRebuilds) {
    FRecent.SetEntriesEnabled(false);
    FRecent.Add(QStringLiteral("/a"));
    EXPECT_FALSE(FRecent.MenuEntries().front()->isEnabled());
    FRecent.SetEntriesEnabled(true);
    EXPECT_TRUE(FRecent.MenuEntries().front()->isEnabled());
}

}  // namespace
}  // namespace wendax
