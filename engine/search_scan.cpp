#include "engine/search_scan.h"

#include <algorithm>

#include "engine/utf8_case_fold.h"

namespace wendax {

bool TSearchScope::Contains(std::int32_t para, std::int32_t q, std::int32_t e) const {
    if (para < Begin.Para || para > End.Para) return false;
    if (Begin.Para == End.Para) return q >= Begin.Pos && e < End.Pos;
    if (para == Begin.Para) return q >= Begin.Pos;
    if (para == End.Para) return e < End.Pos;
    return true;
}

// Delimited on both sides: by the paragraph's start or a delimiter before, and by its end
// or a delimiter after. The pattern itself is not examined.
bool TSearchScan::IsWholeWord(std::string_view text, std::int32_t q) const {
    const TCharSet set = FStore.CharSet();
    const std::int32_t e = q + FPattern.Length() - 1;
    const auto length = static_cast<std::int32_t>(text.size());
    const bool before = q == 1 || !IsWordCharAt(set, text, PrevCharStart(set, text, q - 1));
    const bool after = e == length || !IsWordCharAt(set, text, e);
    return before && after;
}

std::string_view TSearchScan::Compared(std::string_view text) {
    if (!FPattern.FoldsUtf8()) return text;
    FoldUtf8Case(text, FFolded);
    return FFolded;
}

bool TSearchScan::Accepts(std::string_view text, std::int32_t para, std::int32_t q,
                          const TSearchScope& scope) const {
    const TCharSet set = FStore.CharSet();
    const std::int32_t e = q + FPattern.Length() - 1;  // 1-based, the last byte
    if (CharStart(set, text, q - 1) != q - 1 || CharStart(set, text, e) != e) return false;
    if (FWholeWords && !IsWholeWord(text, q)) return false;
    return scope.Contains(para, q, q + FPattern.Length() - 1);
}

TParaPos TSearchScan::Forward(TParaPos from, const TSearchScope& scope) {
    const std::int32_t n = FPattern.Length();
    const std::int32_t lastPara = std::min(scope.End.Para, FStore.ParaCount());
    if (from.Para < 1) from = {1, 1};
    std::int32_t pos = std::max(from.Pos, 1);
    for (TParaCursor para = FStore.CursorAt(from.Para); para.Para() != 0 && para.Para() <= lastPara;
         para.Next(), pos = 1) {
        const std::string_view text = para.Text();
        const std::string_view compared = Compared(text);
        const auto length = static_cast<std::int32_t>(text.size());
        while (length - pos + 1 >= n) {
            const std::size_t at =
                FPattern.FindFirst(compared.substr(static_cast<std::size_t>(pos - 1)));
            if (at == TSearchPattern::npos) break;
            const std::int32_t q = pos + static_cast<std::int32_t>(at);
            if (Accepts(text, para.Para(), q, scope)) return {para.Para(), q};
            pos = q + 1;
        }
    }
    return {};
}

// `last` is the last position an occurrence may cover; it starts one before `from`.
TParaPos TSearchScan::Backward(TParaPos from, const TSearchScope& scope) {
    const std::int32_t n = FPattern.Length();
    const std::int32_t firstPara = std::max(scope.Begin.Para, 1);
    if (from.Para > FStore.ParaCount()) from = {FStore.ParaCount(), kMaxInt32};
    std::int32_t last = from.Pos - 1;
    for (TParaCursor para = FStore.CursorAt(from.Para); para.Para() >= firstPara;
         para.Prev(), last = kMaxInt32) {
        const std::string_view text = para.Text();
        const std::string_view compared = Compared(text);
        last = std::min(last, static_cast<std::int32_t>(text.size()));
        while (last >= n) {
            const std::size_t at =
                FPattern.FindLast(compared.substr(0, static_cast<std::size_t>(last)));
            if (at == TSearchPattern::npos) break;
            const std::int32_t q = static_cast<std::int32_t>(at) + 1;
            if (Accepts(text, para.Para(), q, scope)) return {para.Para(), q};
            last = q + n - 2;
        }
    }
    return {};
}

}  // namespace wendax
