// The views showing one store, in ring order starting with the owner.
#pragma once

#include <vector>

#include "engine/text_view.h"

namespace wendax {

class TViewRing {
  public:
    explicit TViewRing(TTextView* owner);

    // The view that owns the store; none once every view has left.
    TTextView* Owner() const { return FViews.empty() ? nullptr : FViews.front(); }
    const std::vector<TTextView*>& Views() const { return FViews; }

    // A new view joins right after the owner (or becomes the owner of an empty ring).
    void Add(TTextView* view);
    // The view leaves; when it was the owner the next view becomes the owner. Returns true
    // when no view is left.
    bool Remove(TTextView* view);

    // Tells every view of a change, starting with the acting one and going round the ring.
    void NotifyChange(const TTextChange& change, const TTextView* acting) const;
    // Asks every view, starting with the owner, to recompute its positions.
    void RecomputeAll() const;

  private:
    std::vector<TTextView*> FViews;
};

}  // namespace wendax
