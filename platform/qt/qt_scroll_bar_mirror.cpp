#include "platform/qt/qt_scroll_bar_mirror.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace wendax {

TQtScrollBarMirror::TQtScrollBarMirror(QScrollBar* bar, TActionHandler onAction,
                                       TVisibilitySetter setVisible)
    : FBar(bar), FOnAction(std::move(onAction)), FSetVisible(std::move(setVisible)) {
    FBar->setSingleStep(1);
    FBar->setPageStep(1);
    connect(FBar, &QScrollBar::actionTriggered, this, &TQtScrollBarMirror::ActionTriggered);
    connect(FBar, &QScrollBar::sliderReleased, this, &TQtScrollBarMirror::SliderReleased);
    Mirror();
}

void TQtScrollBarMirror::SetRange(int min, int max) {
    FMin = min;
    FMax = max;
    Mirror();
}

void TQtScrollBarMirror::SetPos(int pos) {
    FPos = pos;
    Mirror();
}

void TQtScrollBarMirror::SetAllowed(bool allowed) {
    FAllowed = allowed;
    Mirror();
}

// Called with the bar's slider already moved by the action; the move is undone after the
// control has answered, so only positions the control sets stay.
void TQtScrollBarMirror::ActionTriggered(int action) {
    const int requested = FBar->sliderPosition();
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            FOnAction(scLineUp, FPos);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            FOnAction(scLineDown, FPos);
            break;
        case QAbstractSlider::SliderPageStepSub:
            FOnAction(scPageUp, FPos);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            FOnAction(scPageDown, FPos);
            break;
        case QAbstractSlider::SliderToMinimum:
            FOnAction(scTop, FPos);
            break;
        case QAbstractSlider::SliderToMaximum:
            FOnAction(scBottom, FPos);
            break;
        case QAbstractSlider::SliderMove:
            FOnAction(FBar->isSliderDown() ? scThumbTrack : scThumbPosition, requested);
            break;
        default:
            return;
    }
    FBar->setSliderPosition(FPos);
}

void TQtScrollBarMirror::SliderReleased() {
    FOnAction(scThumbPosition, FBar->sliderPosition());
    FOnAction(scEndScroll, FPos);
}

void TQtScrollBarMirror::Mirror() {
    {
        const QSignalBlocker blocker(FBar);
        FBar->setRange(FMin, FMax > FMin ? FMax : FMin);
        FBar->setValue(FPos);
    }
    FSetVisible(Shown());
}

}  // namespace wendax
