// The speedbar's buttons: 25 by 25, flat, each with a picture and a hint whose short part
// pops up and whose long part goes to the hint panel. A button shares the command and the
// enabled state of a menu item; the word-wrap button has its own command.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "app/frame/speed_glyphs.h"

class QMenu;
class QToolButton;
class QWidget;

namespace wendax {

class TMainMenu;

struct TSpeedButtonRow {
    const char* Name;
    int Left;
    const char* Hint;  // "short|long"
    TSpeedGlyph Glyph;
    const char* MenuItem;  // the item it stands for; nullptr for the word-wrap button
    bool Toggle = false;   // stays down until clicked again
};

// The buttons from left to right.
const std::vector<TSpeedButtonRow>& SpeedButtonTable();

class TSpeedbar : public QObject {
    Q_OBJECT
  public:
    inline static constexpr int kButtonSize = 25;
    inline static constexpr int kButtonTop = 3;
    inline static constexpr int kBevelHeight = 3;

    // Lays out the bevel line and the buttons on `band`; a click runs the button's menu
    // item. A right click on the band offers "Hide speedbar", which runs `hide`.
    TSpeedbar(QWidget& band, TMainMenu& menu, std::function<void()> hide);

    QToolButton* Button(const QString& name) const;
    const std::vector<QToolButton*>& Buttons() const { return FButtons; }
    QMenu& PopupMenu() const { return *FPopupMenu; }

    // Each button takes the enabled state of its menu item.
    void CopyMenuStates();

  signals:
    // The word-wrap button was clicked; `down` is its new state.
    void WordWrapClicked(bool down);

  private:
    QToolButton* AddButton(QWidget& band, const TSpeedButtonRow& row);
    void BuildPopupMenu(QWidget& band, std::function<void()> hide);

    TMainMenu& FMenu;
    std::vector<QToolButton*> FButtons;  // in table order
    QMenu* FPopupMenu = nullptr;
};

}  // namespace wendax
