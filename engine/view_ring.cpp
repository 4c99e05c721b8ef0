#include "engine/view_ring.h"

#include <algorithm>

namespace wendax {

TViewRing::TViewRing(TTextView* owner) {
    if (owner != nullptr) FViews.push_back(owner);
}

void TViewRing::Add(TTextView* view) {
    if (view == nullptr || std::find(FViews.begin(), FViews.end(), view) != FViews.end()) return;
    FViews.insert(FViews.empty() ? FViews.end() : FViews.begin() + 1, view);
}

bool TViewRing::Remove(TTextView* view) {
    std::erase(FViews, view);
    return FViews.empty();
}

void TViewRing::NotifyChange(const TTextChange& change, const TTextView* acting) const {
    const auto start = std::find(FViews.begin(), FViews.end(), acting);
    const std::size_t first =
        start == FViews.end() ? 0 : static_cast<std::size_t>(start - FViews.begin());
    for (std::size_t i = 0; i < FViews.size(); ++i) {
        TTextView* view = FViews[(first + i) % FViews.size()];
        view->TextChanged(change, view == acting);
    }
}

void TViewRing::RecomputeAll() const {
    for (TTextView* view : FViews)
        view->RecomputePositions();
}

}  // namespace wendax
