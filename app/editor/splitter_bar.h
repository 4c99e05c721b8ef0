// The bar between the panes of a split editor window: a thin bordered panel with the
// vertical-split cursor that passes the mouse on to its window in screen coordinates.
#pragma once

#include <QFrame>
#include <functional>

namespace wendax {

class TSplitterBar : public QFrame {
    Q_OBJECT
  public:
    struct THandlers {
        std::function<void(int screenY)> Pressed;
        // The point of the bar's left edge at the mouse's height.
        std::function<void(QPoint screenPoint)> Moved;
        std::function<void()> Released;
    };

    TSplitterBar(QWidget& parent, THandlers handlers);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    THandlers FHandlers;
};

}  // namespace wendax
