#include "engine/markers.h"

namespace wendax {

void TMarkers::Put(std::int32_t n, TParaPos at) {
    if (!InRange(n)) return;
    FMarkers[static_cast<std::size_t>(n)] = at.Para == 0 ? TParaPos{} : at;
}

void TMarkers::Apply(const TTextChange& change) {
    for (TParaPos& marker : FMarkers) {
        if (!MoveMarker(change, marker)) marker = {};
    }
}

}  // namespace wendax
