// The main window's place on the desktop between runs (the RestoreStyle setting):
// 1 lets the desktop place it, 2 restores the last run's place, 3 uses a fixed place.
#pragma once

#include "app/settings/settings.h"

class QWidget;

namespace wendax {

// The size the main window has when the desktop places it.
inline constexpr int kDesignWidth = 597;
inline constexpr int kDesignHeight = 354;

// Places `frame` before it is first shown.
void PlaceFrame(QWidget& frame, const TSettings& settings);

// Records the frame's place at exit when the last run's place is to be restored. A
// maximised frame only records that, keeping the last place it had otherwise.
void RecordDesktop(const QWidget& frame, TSettings& settings);

// Takes the frame's current place, size and maximised state as the fixed place.
void StoreCurrentPlace(const QWidget& frame, TSettings& settings);

}  // namespace wendax
