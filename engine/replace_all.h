// Replacing every accepted occurrence within a scope through the store's ReplaceChars, one
// replace record each and without an enclosing undo group.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/editor_errors.h"
#include "engine/search_scan.h"

namespace wendax {

struct TReplaceAllResult {
    std::int32_t Replaced = 0;
    TEditorErrorCode Code = eeOk;  // the failure that ended the scan; earlier replacements stay
};

// Scans from `start` (forward: occurrences starting at or after it, going on right after
// each replacement; backward: occurrences ending before it, going on before each one) and
// replaces each accepted occurrence by `replacement` (no NUL) for `view`. A replacement that would
// make the paragraph longer than ParaLengthLimit or the text larger than ByteLimit is
// refused with the store's limit code, as memory that cannot be obtained is with 263; the
// scan ends there. `scope` is adjusted as the text changes, so that it keeps marking the
// same characters.
TReplaceAllResult ReplaceAll(TParaList& store, TTextView* view, TSearchScan& scan, bool backward,
                             TParaPos start, TSearchScope& scope, std::string_view replacement);

}  // namespace wendax
