// The program's show-hints flag: while it is off, no pop-up hint (tooltip) appears
// anywhere in the program; the hint panel keeps showing the long hints.
#pragma once

#include <QObject>

namespace wendax {

class TPopupHints : public QObject {
    Q_OBJECT
  public:
    // Watches the events of the whole application; removed again with `parent`.
    explicit TPopupHints(QObject* parent);
    ~TPopupHints() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool FEnabled = true;
};

}  // namespace wendax
