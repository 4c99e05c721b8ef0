// Editor windows for frame tests: a plain text widget stands in for the editor. A file
// that does not exist fails to load; every creation and close query is recorded.
#pragma once

#include <QStringList>
#include <utility>
#include <vector>

#include "app/editor_windows.h"

namespace wendax {

class TFakeEditorWindows : public TEditorWindows {
  public:
    bool CreateEditorWindow(QMdiArea& area, const QString& fileName, bool isNew) override;
    bool CloseQuery(QMdiSubWindow& window) override;

    std::vector<std::pair<QString, bool>> Created;  // file name, isNew
    QStringList Queried;                            // captions asked by CloseQuery, in order
    QStringList Refuse;                             // captions whose close query answers no
};

// The captions of the MDI children, topmost first.
QStringList Captions(QMdiArea& area);

}  // namespace wendax
