#include "tests/engine/search_model.h"

#include <algorithm>
#include <string_view>

namespace wendax::test {

namespace {

constexpr std::string_view kDelimiters = "\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";

// Upper case as the Western 8-bit character set has it, written out by ranges.
unsigned char ModelUpper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    if (c == 0x9A) return 0x8A;
    if (c == 0x9C) return 0x8C;
    if (c == 0x9E) return 0x8E;
    if (c == 0xFF) return 0x9F;
    return c;
}

bool IsDelimiter(char c) {
    return kDelimiters.find(c) != std::string_view::npos;
}

std::int32_t Size(const std::string& text) {
    return static_cast<std::int32_t>(text.size());
}

std::int64_t ByteCount(const std::vector<std::string>& paras) {
    std::int64_t bytes = 0;
    for (const std::string& para : paras)
        bytes += Size(para) + 2;
    return bytes - 2;
}

}  // namespace

bool ModelOccursAt(const std::string& text, std::int32_t q, const TModelSearch& search) {
    const auto n = Size(search.Pattern);
    if (q < 1 || q + n - 1 > Size(text)) return false;
    for (std::int32_t k = 0; k < n; ++k) {
        auto a = static_cast<unsigned char>(text[static_cast<std::size_t>(q - 1 + k)]);
        auto b = static_cast<unsigned char>(search.Pattern[static_cast<std::size_t>(k)]);
        if (!search.MatchCase) {
            a = ModelUpper(a);
            b = ModelUpper(b);
        }
        if (a != b) return false;
    }
    return true;
}

bool ModelAccepts(const std::vector<std::string>& paras, std::int32_t para, std::int32_t q,
                  const TModelSearch& search) {
    const std::string& text = paras[static_cast<std::size_t>(para - 1)];
    const std::int32_t e = q + Size(search.Pattern) - 1;
    if (search.WholeWords) {
        if (q > 1 && !IsDelimiter(text[static_cast<std::size_t>(q - 2)])) return false;
        if (e < Size(text) && !IsDelimiter(text[static_cast<std::size_t>(e)])) return false;
    }
    return TParaPos{para, q} >= search.ScopeBegin && TParaPos{para, e} < search.ScopeEnd;
}

TParaPos ModelForward(const std::vector<std::string>& paras, TParaPos from,
                      const TModelSearch& search) {
    const auto count = static_cast<std::int32_t>(paras.size());
    for (std::int32_t p = std::max(from.Para, 1); p <= count; ++p) {
        const std::string& text = paras[static_cast<std::size_t>(p - 1)];
        for (std::int32_t q = p == from.Para ? std::max(from.Pos, 1) : 1; q <= Size(text); ++q) {
            if (ModelOccursAt(text, q, search) && ModelAccepts(paras, p, q, search)) return {p, q};
        }
    }
    return {};
}

TParaPos ModelBackward(const std::vector<std::string>& paras, TParaPos from,
                       const TModelSearch& search) {
    const auto n = Size(search.Pattern);
    const auto count = static_cast<std::int32_t>(paras.size());
    for (std::int32_t p = std::min(from.Para, count); p >= 1; --p) {
        const std::string& text = paras[static_cast<std::size_t>(p - 1)];
        for (std::int32_t q = Size(text); q >= 1; --q) {
            if (p == from.Para && q + n > from.Pos) continue;
            if (ModelOccursAt(text, q, search) && ModelAccepts(paras, p, q, search)) return {p, q};
        }
    }
    return {};
}

TModelReplaceAll ModelReplaceAll(std::vector<std::string>& paras, TParaPos from, bool backward,
                                 TModelSearch& search, const std::string& replacement,
                                 std::int32_t paraLengthLimit, std::int64_t byteLimit) {
    const auto n = Size(search.Pattern);
    const std::int32_t growth = Size(replacement) - n;
    TModelReplaceAll result;
    for (;;) {
        const TParaPos at =
            backward ? ModelBackward(paras, from, search) : ModelForward(paras, from, search);
        if (at.Para == 0) break;
        std::string& text = paras[static_cast<std::size_t>(at.Para - 1)];
        if (growth > 0 && ByteCount(paras) + growth > byteLimit) {
            result.Code = 267;
            break;
        }
        if (growth > 0 && Size(text) + growth > std::min(paraLengthLimit, 32767)) {
            result.Code = 268;
            break;
        }
        text.replace(static_cast<std::size_t>(at.Pos - 1), static_cast<std::size_t>(n),
                     replacement);
        ++result.Replaced;
        for (TParaPos* end : {&search.ScopeBegin, &search.ScopeEnd}) {
            if (end->Para == at.Para && end->Pos >= at.Pos + n) end->Pos += growth;
        }
        from = backward ? at : TParaPos{at.Para, at.Pos + Size(replacement)};
    }
    return result;
}

}  // namespace wendax::test
