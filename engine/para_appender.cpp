#include "engine/para_appender.h"

#include <algorithm>

#include "engine/char_set.h"
#include "engine/word_delimiters.h"

namespace wendax {

namespace {

bool IsUtf8Continuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

std::int32_t EffectiveLimit(const TParaList& store) {
    return std::clamp(store.ParaLengthLimit(), 1, kMaxParaLength);
}

// Length of the first piece of a text longer than `limit`: up to and including its last
// blank among the first `limit` bytes; when there is none, `limit` bytes, or fewer so that a
// UTF-8 sequence crossing the limit goes whole to the next piece (a UTF-8 text stays UTF-8
// however long its lines; in an 8-bit text the piece is merely shorter).
std::size_t PieceLength(std::string_view text, std::int32_t limit) {
    const auto window = static_cast<std::size_t>(limit);
    for (std::size_t m = window; m > 0; --m) {
        if (IsBlank(text[m - 1])) return m;
    }
    std::size_t start = window;
    while (start > 0 && window - start < 3 && IsUtf8Continuation(text[start]))
        --start;
    if (start == 0 || start == window) return window;
    const TCodePoint code = DecodeUtf8(text, static_cast<std::int32_t>(start));
    return code.Valid && start + static_cast<std::size_t>(code.Bytes) > window ? start : window;
}

// The paragraph-count part of CheckLimits alone: with newBytes = -ByteCount the byte test
// compares 0 with ByteLimit (never negative) and cannot fail.
TEditorErrorCode ParaLimitCode(TParaList& store) {
    return store.CheckLimits(0, 1, -store.ByteCount());
}

// AppendLine, also clearing *validUtf8 (when given) unless every piece is valid UTF-8.
// Trimming cannot change a piece's validity: a UTF-8 sequence holds no blank.
TEditorErrorCode AppendPieces(TParaList& store, std::string_view line, bool trim, TLineEnd end,
                              bool* validUtf8) {
    const std::int32_t limit = EffectiveLimit(store);
    TEditorErrorCode code = store.CheckLimits(0, 1, static_cast<std::int64_t>(line.size()) + 2);
    while (code == eeOk) {
        const std::size_t piece =
            line.size() > static_cast<std::size_t>(limit) ? PieceLength(line, limit) : line.size();
        const bool last = piece == line.size();
        if (validUtf8 != nullptr && *validUtf8) *validUtf8 = IsValidUtf8(line.substr(0, piece));
        code = store.AppendLoadedPara(line.substr(0, piece), trim && last, last ? end : leNone);
        line.remove_prefix(piece);
        if (code != eeOk || line.empty()) break;
        code = store.CheckLimits(0, 1, static_cast<std::int64_t>(line.size()) + 2);
    }
    return code;
}

}  // namespace

TEditorErrorCode AppendLine(TParaList& store, std::string_view line, bool trim, TLineEnd end) {
    return AppendPieces(store, line, trim, end, nullptr);
}

TLineAppender::TLineAppender(TParaList& store, bool trim) : FStore(store), FTrim(trim) {
    FPending.reserve(PieceKnownAt());
}

std::int32_t TLineAppender::Limit() const {
    return EffectiveLimit(FStore);
}

// A piece is cut once the bytes after the limit hold the rest of any UTF-8 sequence that
// crosses it (at most three), so that the cut is the one a whole line would get.
std::size_t TLineAppender::PieceKnownAt() const {
    return static_cast<std::size_t>(Limit()) + 3;
}

TEditorErrorCode TLineAppender::AddLine(std::string_view line, TLineEnd end) {
    if (!FLineOpen) return AppendPieces(FStore, line, FTrim, end, &FValidUtf8);
    AddPart(line);
    return EndLine(end);
}

void TLineAppender::AddPart(std::string_view part) {
    if (part.empty()) return;
    FLineOpen = true;
    if (FParaLimitHit) {
        FLength += static_cast<std::int64_t>(part.size());
        return;
    }
    FPending.append(part);
    while (!FParaLimitHit && FPending.size() >= PieceKnownAt())
        CutPiece();
}

// The line goes on beyond the limit, so its next piece is known although its length is
// not. The paragraph test is made now; the byte test, which needs the length, is noted.
void TLineAppender::CutPiece() {
    if (ParaLimitCode(FStore) != eeOk) {
        FParaLimitHit = true;
        FLength += static_cast<std::int64_t>(FPending.size());
        FPending.clear();
        return;
    }
    const std::int64_t deferred = FStore.ByteCount() - FLength;
    FDeferredBytes = FHasDeferred ? std::max(FDeferredBytes, deferred) : deferred;
    FHasDeferred = true;
    const std::size_t piece = PieceLength(FPending, Limit());
    if (FValidUtf8) FValidUtf8 = IsValidUtf8(std::string_view(FPending).substr(0, piece));
    FStore.AppendLoadedPara(std::string_view(FPending).substr(0, piece), false, leNone);
    FLength += static_cast<std::int64_t>(piece);
    FPending.erase(0, piece);
}

// The pieces already cut failed first when one of their byte tests fails now that the
// length is known; else a ParaLimit refusal; else the rest goes through the whole-line rule,
// whose first test is the one this piece would have had.
TEditorErrorCode TLineAppender::EndLine(TLineEnd end) {
    const std::int64_t length = FLength + static_cast<std::int64_t>(FPending.size());
    TEditorErrorCode code = eeOk;
    if (FHasDeferred && FDeferredBytes + length + 2 > FStore.ByteLimit()) {
        code = eeTextTooLarge;
    } else if (FParaLimitHit) {
        code = eeTooManyParagraphs;
    } else {
        code = AppendPieces(FStore, FPending, FTrim, end, &FValidUtf8);
    }
    FPending.clear();
    FLength = 0;
    FHasDeferred = false;
    FParaLimitHit = false;
    FLineOpen = false;
    return code;
}

}  // namespace wendax
