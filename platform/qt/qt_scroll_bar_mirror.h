// One scroll bar of an editor window. It only mirrors the range and position the control
// sets: what the user does to it is reported as a scroll action, and the bar goes back to
// the mirrored position unless the control moves it.
#pragma once

#include <functional>

#include <QObject>

#include "platform/window.h"

class QScrollBar;

namespace wendax {

class TQtScrollBarMirror : public QObject {
  public:
    using TActionHandler = std::function<void(TScrollCode code, int pos)>;
    using TVisibilitySetter = std::function<void(bool visible)>;

    // `bar` must outlive the mirror; `setVisible` shows or hides it in its window.
    TQtScrollBarMirror(QScrollBar* bar, TActionHandler onAction, TVisibilitySetter setVisible);

    // The bar shows while the frame allows it and its range is not empty (max > min).
    void SetRange(int min, int max);
    void SetPos(int pos);
    void SetAllowed(bool allowed);

    int Min() const { return FMin; }
    int Max() const { return FMax; }
    int Pos() const { return FPos; }
    bool Shown() const { return FAllowed && FMax > FMin; }

  private:
    void ActionTriggered(int action);
    void SliderReleased();
    void Mirror();

    QScrollBar* FBar;
    TActionHandler FOnAction;
    TVisibilitySetter FSetVisible;
    int FMin = 0;
    int FMax = 0;
    int FPos = 0;
    bool FAllowed = true;
};

}  // namespace wendax
