#include "engine/replace_all.h"

#include "base/exceptions.h"

namespace wendax {

namespace {

TEditorErrorCode ReplaceOne(TParaList& store, TTextView* view, TParaPos at, std::int32_t n,
                            std::string_view replacement) {
    const std::int64_t growth = static_cast<std::int64_t>(replacement.size()) - n;
    if (growth > 0) {
        if (const TEditorErrorCode code = store.CheckLimits(at.Para, 0, growth)) return code;
    }
    try {
        return store.ReplaceChars(view, at.Para, at.Pos, n, replacement);
    } catch (const EOutOfMemory&) {
        return eeOutOfMemory;
    }
}

// A scope end in the changed paragraph at or after the replaced characters' end moves with
// the characters after them.
void MoveScopeEnd(TParaPos& end, TParaPos at, std::int32_t n, std::int32_t growth) {
    if (end.Para == at.Para && end.Pos >= at.Pos + n) end.Pos += growth;
}

}  // namespace

TReplaceAllResult ReplaceAll(TParaList& store, TTextView* view, TSearchScan& scan, bool backward,
                             TParaPos start, TSearchScope& scope, std::string_view replacement) {
    const std::int32_t n = scan.Pattern().Length();
    const auto length = static_cast<std::int32_t>(replacement.size());
    TReplaceAllResult result;
    TParaPos from = start;
    for (;;) {
        const TParaPos at = backward ? scan.Backward(from, scope) : scan.Forward(from, scope);
        if (at.Para == 0) break;
        result.Code = ReplaceOne(store, view, at, n, replacement);
        if (result.Code != eeOk) break;
        ++result.Replaced;
        MoveScopeEnd(scope.Begin, at, n, length - n);
        MoveScopeEnd(scope.End, at, n, length - n);
        from = backward ? at : TParaPos{at.Para, at.Pos + length};
    }
    return result;
}

}  // namespace wendax
