// A plain model of searching and replacing in a list of paragraphs, written from the rules
// without the skip table: every position is tried.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/text_positions.h"

namespace wendax::test {

struct TModelSearch {
    std::string Pattern;
    bool MatchCase = false;
    bool WholeWords = false;
    TParaPos ScopeBegin;
    TParaPos ScopeEnd;  // exclusive
};

// Whether the pattern occurs at 1-based position q of `text` (case folded unless MatchCase).
bool ModelOccursAt(const std::string& text, std::int32_t q, const TModelSearch& search);

// Whether the occurrence at (para, q) is accepted: whole word if asked, and inside the scope
// (starting at or after its begin, ending before its end).
bool ModelAccepts(const std::vector<std::string>& paras, std::int32_t para, std::int32_t q,
                  const TModelSearch& search);

// The first accepted occurrence at or after `from`; paragraph 0 when none.
TParaPos ModelForward(const std::vector<std::string>& paras, TParaPos from,
                      const TModelSearch& search);
// The last accepted occurrence ending before `from`; paragraph 0 when none.
TParaPos ModelBackward(const std::vector<std::string>& paras, TParaPos from,
                       const TModelSearch& search);

struct TModelReplaceAll {
    std::int32_t Replaced = 0;
    std::uint16_t Code = 0;
};

// Replace-all on the paragraphs: forward from `from` going on after each replacement, or
// backward going on before each; `search`'s scope follows the changed text. A replacement
// that would make a paragraph longer than `paraLengthLimit` or the text (counted with two
// bytes per paragraph but the last) larger than `byteLimit` stops with 268 or 267.
TModelReplaceAll ModelReplaceAll(std::vector<std::string>& paras, TParaPos from, bool backward,
                                 TModelSearch& search, const std::string& replacement,
                                 std::int32_t paraLengthLimit, std::int64_t byteLimit);

}  // namespace wendax::test
