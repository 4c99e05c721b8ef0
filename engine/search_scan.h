// The scan of a store's paragraphs for a search pattern, forward and backward, with the
// scope and whole-word tests. In a UTF-8 text only occurrences that begin and end on
// character boundaries count, and letters of every script are word characters. Each paragraph is
// searched in place; an occurrence never spans a paragraph break.
#pragma once

#include <cstdint>

#include "engine/para_list.h"
#include "engine/search_pattern.h"
#include "engine/text_positions.h"

namespace wendax {

// The part of the text in which occurrences are accepted; End is exclusive.
struct TSearchScope {
    TParaPos Begin;
    TParaPos End;

    // Whether the occurrence at positions q..e of paragraph `para` lies inside.
    bool Contains(std::int32_t para, std::int32_t q, std::int32_t e) const;
};

class TSearchScan {
  public:
    TSearchScan(TParaList& store, const TSearchPattern& pattern, bool wholeWords)
        : FStore(store), FPattern(pattern), FWholeWords(wholeWords) {}

    const TSearchPattern& Pattern() const { return FPattern; }

    // The first accepted occurrence that starts at or after `from`, looking no further
    // than the scope end's paragraph; paragraph 0 when there is none.
    TParaPos Forward(TParaPos from, const TSearchScope& scope);
    // The last accepted occurrence that ends before `from`, looking no further back than
    // the scope begin's paragraph; paragraph 0 when there is none. After an occurrence
    // that is not accepted the scan goes on with those that start before it, so backward
    // and forward scans accept the same occurrences.
    TParaPos Backward(TParaPos from, const TSearchScope& scope);

  private:
    bool Accepts(std::string_view text, std::int32_t para, std::int32_t q,
                 const TSearchScope& scope) const;
    bool IsWholeWord(std::string_view text, std::int32_t q) const;
    // The paragraph as the pattern is compared with it (folded for a folding pattern).
    std::string_view Compared(std::string_view text);

    TParaList& FStore;
    std::string FFolded;
    const TSearchPattern& FPattern;
    bool FWholeWords;
};

}  // namespace wendax
