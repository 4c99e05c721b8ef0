// The status line's seven information panels (position, modified, mode, line count,
// character count, line ends, character set) ahead of the hint panel, and its pop-up menu. A
// hidden panel leaves no gap.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QLabel;
class QMenu;
class QStatusBar;

namespace wendax {

class TEditorPane;

enum TStatusPanel {
    spPosition,
    spModified,
    spMode,
    spLineCount,
    spCharCount,
    spLineEnds,
    spCharSet
};
inline constexpr int kStatusPanels = 7;

// The panel texts for the active pane, or all empty without one.
std::array<QString, kStatusPanels> StatusTexts(const TEditorPane* editor);

class TStatusPanels : public QObject {
    Q_OBJECT
  public:
    inline static constexpr int kPanelHeight = 21;

    // Puts the panels into `statusLine` ahead of `hintPanel`, which takes the rest of the
    // line. A right click on the status line offers "Hide status line", which runs `hide`.
    TStatusPanels(QStatusBar& statusLine, QLabel& hintPanel, std::function<void()> hide);

    QLabel& Panel(TStatusPanel panel) const { return *FPanels[panel]; }
    QMenu& PopupMenu() const { return *FPopupMenu; }

    // Shows the texts for `editor` (none: empty); the position panel repaints at once.
    void Update(const TEditorPane* editor);

  protected:
    // Keeps the row of panels over the whole status line.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* FRow = nullptr;  // the panels' row, laid over the status line
    std::array<QLabel*, kStatusPanels> FPanels{};
    QMenu* FPopupMenu = nullptr;
};

}  // namespace wendax
