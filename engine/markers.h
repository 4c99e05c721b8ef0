// The ten bookmarks of a store, numbered 0..9, that follow the edits of the text.
#pragma once

#include <array>
#include <cstdint>

#include "engine/text_change.h"
#include "engine/text_positions.h"

namespace wendax {

class TMarkers {
  public:
    static constexpr std::int32_t kCount = 10;

    // Marker n; paragraph 0 when it is not set or n is not 0..9.
    TParaPos Get(std::int32_t n) const {
        return InRange(n) ? FMarkers[static_cast<std::size_t>(n)] : TParaPos{};
    }
    // Sets marker n; numbers outside 0..9 are ignored, paragraph 0 clears it.
    void Put(std::int32_t n, TParaPos at);
    // Moves every marker across a change, clearing those whose character or paragraph went.
    void Apply(const TTextChange& change);

  private:
    static bool InRange(std::int32_t n) { return n >= 0 && n < kCount; }

    std::array<TParaPos, kCount> FMarkers{};
};

}  // namespace wendax
