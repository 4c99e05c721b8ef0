// The view side of a paragraph store: what the store tells every view showing its text.
// The editor implements it; tests use recording views.
#pragma once

#include "engine/text_change.h"

namespace wendax {

class TTextView {
  public:
    virtual ~TTextView() = default;

    // Called once per change, after the store has applied it. `acting` is true for the view
    // that performed the change (it places its own caret); the others move their positions
    // with MoveViewPosition and repaint.
    virtual void TextChanged(const TTextChange& change, bool acting) = 0;

    // Called after a full re-wrap (word wrap, wrap column or tab size changed): display lines
    // and columns must be recomputed from paragraph positions.
    virtual void RecomputePositions() = 0;
};

}  // namespace wendax
