#include "platform/qt/qt_scroll_bar_mirror.h"

#include <optional>

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

namespace {

// The scroll code of a Qt slider action; nothing for actions without one.
std::optional<TScrollCode> CodeOf(int action, bool sliderDown) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return scLineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return scLineDown;
        case QAbstractSlider::SliderPageStepSub:
            return scPageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return scPageDown;
        case QAbstractSlider::SliderToMinimum:
            return scTop;
        case QAbstractSlider::SliderToMaximum:
            return scBottom;
        case QAbstractSlider::SliderMove:
            return sliderDown ? scThumbTrack : scThumbPosition;
        default:
            return std::nullopt;
    }
}

}  // namespace

// Called with the bar's slider already moved by the action; the move is undone after the
// control has answered, so only positions the control sets stay.
void TQtScrollBarMirror::ActionTriggered(int action) {
    const std::optional<TScrollCode> code = CodeOf(action, FBar->isSliderDown());
    if (!code) return;
    const bool thumb = *code == scThumbTrack || *code == scThumbPosition;
    FOnAction(*code, thumb ? FBar->sliderPosition() : FPos);
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
