#include "engine/text_change.h"

#include <algorithm>

namespace wendax {

namespace {

// The rules shared by markers and views, except deletions.
void MoveAcrossSplitOrJoin(const TTextChange& change, TParaPos& at) {
    const std::int32_t k = change.Para;
    if (change.Kind == tcParaSplit) {
        if (at.Para > k) {
            ++at.Para;
        } else if (at.Para == k && at.Pos >= change.Pos) {
            at = {k + 1, change.Count + at.Pos - change.Pos + 1};
        }
    } else if (at.Para > k) {  // tcParasJoined
        if (at.Para == k + 1) at.Pos += change.Pos - 1;
        --at.Para;
    }
}

}  // namespace

bool MoveMarker(const TTextChange& change, TParaPos& marker) {
    if (marker.Para == 0) return true;
    const std::int32_t k = change.Para;
    switch (change.Kind) {
        case tcCharsInserted:
            if (marker.Para == k && marker.Pos >= change.Pos) marker.Pos += change.Count;
            return true;
        case tcCharsDeleted:
            if (marker.Para != k || marker.Pos < change.Pos) return true;
            if (marker.Pos < change.Pos + change.Count) return false;
            marker.Pos -= change.Count;
            return true;
        case tcParaDeleted:
            if (marker.Para == k) return false;
            if (marker.Para > k) --marker.Para;
            return true;
        case tcParaSplit:
        case tcParasJoined:
            MoveAcrossSplitOrJoin(change, marker);
            return true;
        case tcCharSetConverted:
            return true;
    }
    return true;
}

void MoveViewPosition(const TTextChange& change, TParaPos& position, std::int32_t paraCount) {
    const std::int32_t k = change.Para;
    switch (change.Kind) {
        case tcCharsDeleted:
            if (position.Para == k && position.Pos >= change.Pos) {
                position.Pos = position.Pos < change.Pos + change.Count
                                   ? change.Pos
                                   : position.Pos - change.Count;
            }
            return;
        case tcParaDeleted:
            if (position.Para == k) {
                position = {std::min(k, paraCount), 1};
            } else if (position.Para > k) {
                position.Para = std::min(position.Para - 1, paraCount);
            }
            return;
        default:
            MoveMarker(change, position);  // insertions, splits and joins clear nothing
            return;
    }
}

}  // namespace wendax
