// What the program's own dialog windows share: a fixed client size, centring over the
// main window, and hints on their controls (the whole hint pops up and goes to the main
// window's hint panel).
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace wendax {

// The top-left corner that centres a window of `size` over `main`, halves truncated
// towards zero.
QPoint CenteredPosition(const QRect& main, const QSize& size);

// The frame of a dialog that cannot be resized: a title and a close button, no minimise
// or maximise button.
Qt::WindowFlags FixedDialogFlags();

// Gives `control` its hint as pop-up text and as the text of the hint panel.
void SetHint(QWidget& control, const char* hint);

class TProgramDialog : public QDialog {
    Q_OBJECT
  public:
    // Names and titles the dialog and fixes its client area to `width` by `height`.
    TProgramDialog(QWidget* parent, const char* name, const char* title, int width, int height);

    // Moves the dialog so that it is centred over `main`.
    void CenterOver(const QWidget& main);

  protected:
    // The hints of the dialog's controls go on to the main window (its parent).
    bool event(QEvent* event) override;
};

}  // namespace wendax
