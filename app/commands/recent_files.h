// The recent-file list: full path names, most recent first, shown as numbered entries of
// the File menu between the separator MI_HistStart and a separator of its own. Names
// compare exactly (file names are case-sensitive here).
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace wendax {

inline constexpr std::size_t kRecentFileCount = 5;

class TRecentFiles : public QObject {
    Q_OBJECT
  public:
    // `history` (the settings' list) is read and changed in place; `onChosen` runs when an
    // entry of the menu is clicked.
    TRecentFiles(QMenu& fileMenu, QAction& histStart, std::vector<std::string>& history,
                 std::function<void(QAction&)> onChosen);

    // Expands `fileName` to a full path and puts it at the top, removing it lower down.
    void Add(const QString& fileName);
    // Removes `fileName` (compared as given, not expanded) and rebuilds the menu if it
    // was listed.
    void Remove(const QString& fileName);
    // Cuts the list to five entries and lays out the menu entries "&1 name" ... again,
    // followed by a separator; neither when the list is empty.
    void RebuildMenu();

    // The entry the menu item `item` stands for, by its place after MI_HistStart.
    QString EntryOf(const QAction& item) const;
    // The menu entries, top to bottom.
    std::vector<QAction*> MenuEntries() const;
    QAction* EndSeparator() const { return FEndSeparator; }

    // Entries are enabled only while there are editor windows to open files in.
    void SetEntriesEnabled(bool enabled);

  private:
    qsizetype StartIndex() const;
    void RemoveMenuEntries();

    QMenu& FMenu;
    QAction& FHistStart;
    std::vector<std::string>& FHistory;
    std::function<void(QAction&)> FOnChosen;
    QAction* FEndSeparator = nullptr;
    bool FEntriesEnabled = true;
};

}  // namespace wendax
