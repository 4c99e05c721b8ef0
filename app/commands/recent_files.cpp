#include "app/commands/recent_files.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

#include "app/commands/file_names.h"

namespace wendax {

TRecentFiles::TRecentFiles(QMenu& fileMenu, QAction& histStart, std::vector<std::string>& history,
                           std::function<void(QAction&)> onChosen)
    : QObject(&fileMenu),
      FMenu(fileMenu),
      FHistStart(histStart),
      FHistory(history),
      FOnChosen(std::move(onChosen)) {}

void TRecentFiles::Add(const QString& fileName) {
    const QString fullName = ExpandFileName(fileName);
    Remove(fullName);
    FHistory.insert(FHistory.begin(), ToFileName(fullName));
    RebuildMenu();
}

void TRecentFiles::Remove(const QString& fileName) {
    const auto found = std::find(FHistory.begin(), FHistory.end(), ToFileName(fileName));
    if (found == FHistory.end()) return;
    FHistory.erase(found);
    RebuildMenu();
}

qsizetype TRecentFiles::StartIndex() const {
    return FMenu.actions().indexOf(&FHistStart) + 1;
}

void TRecentFiles::RemoveMenuEntries() {
    if (FEndSeparator == nullptr) return;
    const qsizetype start = StartIndex();
    const qsizetype end = FMenu.actions().indexOf(FEndSeparator);
    const QList<QAction*> old = FMenu.actions().mid(start, end - start + 1);
    for (QAction* item : old) {
        FMenu.removeAction(item);
        item->deleteLater();  // the clicked entry may be the one running this
    }
    FEndSeparator = nullptr;
}

void TRecentFiles::RebuildMenu() {
    RemoveMenuEntries();
    if (FHistory.size() > kRecentFileCount) FHistory.resize(kRecentFileCount);
    if (FHistory.empty()) return;
    QAction* before = FMenu.actions().value(StartIndex());
    for (std::size_t i = 0; i < FHistory.size(); ++i) {
        // A "&" in a name is doubled so that it shows and does not mark an access key.
        QString name = FromFileName(FHistory[i]);
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name), &FMenu);
        entry->setEnabled(FEntriesEnabled);
        connect(entry, &QAction::triggered, this, [this, entry] { FOnChosen(*entry); });
        FMenu.insertAction(before, entry);
    }
    FEndSeparator = new QAction(&FMenu);
    FEndSeparator->setSeparator(true);
    FMenu.insertAction(before, FEndSeparator);
}

QString TRecentFiles::EntryOf(const QAction& item) const {
    const qsizetype index = FMenu.actions().indexOf(const_cast<QAction*>(&item)) -
                            FMenu.actions().indexOf(&FHistStart) - 1;
    if (index < 0 || index >= qsizetype(FHistory.size())) return {};
    return FromFileName(FHistory[std::size_t(index)]);
}

std::vector<QAction*> TRecentFiles::MenuEntries() const {
    if (FEndSeparator == nullptr) return {};
    const qsizetype start = StartIndex();
    const qsizetype end = FMenu.actions().indexOf(FEndSeparator);
    const QList<QAction*> entries = FMenu.actions().mid(start, end - start);
    return {entries.begin(), entries.end()};
}

void TRecentFiles::SetEntriesEnabled(bool enabled) {
    FEntriesEnabled = enabled;
    for (QAction* entry : MenuEntries())
        entry->setEnabled(enabled);
}

}  // namespace wendax
