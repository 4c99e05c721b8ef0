#include "tests/engine/store_model.h"

#include <algorithm>

namespace wendax::test {

namespace {
bool Blank(char c) {
    return c == ' ' || c == '\t';
}
}  // namespace

std::int64_t TStoreModel::Bytes() const {
    std::int64_t bytes = 2 * (static_cast<std::int64_t>(Paras.size()) - 1);
    for (const std::string& p : Paras)
        bytes += static_cast<std::int64_t>(p.size());
    return bytes;
}

std::string TStoreModel::FileBytes() const {
    std::string bytes;
    for (std::size_t k = 0; k < Paras.size(); ++k) {
        if (k + 1 == Paras.size() && Paras[k].empty()) break;
        bytes += Paras[k];
        bytes += Ends[k] == leLf ? "\n" : Ends[k] == leCrLf ? "\r\n" : Ends[k] == leCr ? "\r" : "";
    }
    return bytes;
}

TLineEnd TStoreModel::Style() const {
    const auto lf = std::count(Ends.begin(), Ends.end(), leLf);
    const auto crLf = std::count(Ends.begin(), Ends.end(), leCrLf);
    const auto cr = std::count(Ends.begin(), Ends.end(), leCr);
    if (cr > lf && cr > crLf) return leCr;
    return crLf > lf ? leCrLf : leLf;
}

std::vector<std::string> TStoreModel::Snapshot() const {
    std::vector<std::string> snapshot = Paras;
    std::string ends;
    for (const TLineEnd end : Ends)
        ends += static_cast<char>('0' + end);
    snapshot.push_back(ends);
    return snapshot;
}

void TStoreModel::ConvertLineEnds(TLineEnd end) {
    for (TLineEnd& e : Ends)
        if (e != leNone) e = end;
}

TEditorErrorCode TStoreModel::CheckLimits(std::int32_t k, std::int32_t newParas,
                                          std::int64_t newBytes) const {
    if (newParas > 0 || k > ParaLimit) {
        std::int64_t allowed = ParaLimit;
        if (k <= ParaLimit && Paras.back().empty() && ParaLimit != kMaxInt32) ++allowed;
        if (static_cast<std::int64_t>(Paras.size()) + newParas > allowed)
            return eeTooManyParagraphs;
    }
    if (Bytes() + newBytes > ByteLimit) return eeTextTooLarge;
    if (k > 0 && newParas == 0 && Exists(k)) {
        const std::int64_t limit = std::min(ParaLengthLimit, kMaxParaLength);
        if (Length(k) + newBytes > limit) return eeParagraphTooLong;
    }
    return eeOk;
}

TEditorErrorCode TStoreModel::InsertChars(std::int32_t k, std::int32_t p, const std::string& s) {
    if (!Exists(k) || p < 1 || s.empty()) return eeOk;
    const std::int32_t pad = std::max(0, p - 1 - Length(k));
    const std::int64_t growth = pad + static_cast<std::int64_t>(s.size());
    if (const TEditorErrorCode code = CheckLimits(k, 0, growth)) return code;
    if (Length(k) + growth > kMaxParaLength) return eeParagraphTooLong;
    Para(k).append(static_cast<std::size_t>(pad), ' ');
    Para(k).insert(static_cast<std::size_t>(p - 1), s);
    return eeOk;
}

void TStoreModel::DeleteChars(std::int32_t k, std::int32_t p, std::int32_t n) {
    if (!Exists(k) || p < 1 || p > Length(k) || n <= 0) return;
    Para(k).erase(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n));
}

TEditorErrorCode TStoreModel::ReplaceChars(std::int32_t k, std::int32_t p, std::int32_t o,
                                           const std::string& s) {
    if (!Exists(k) || p < 1 || p > Length(k) + 1) return eeOk;
    o = std::clamp(o, 0, Length(k) - p + 1);
    if (o == 0 && s.empty()) return eeOk;
    if (Length(k) - o + static_cast<std::int64_t>(s.size()) > kMaxParaLength)
        return eeParagraphTooLong;
    Para(k).replace(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(o), s);
    return eeOk;
}

TEditorErrorCode TStoreModel::InsertParaBefore(std::int32_t k, const std::string& s) {
    if (!Exists(k)) return eeOk;
    if (const TEditorErrorCode code = CheckLimits(0, 1, static_cast<std::int64_t>(s.size()) + 2))
        return code;
    if (static_cast<std::int64_t>(s.size()) > std::min(ParaLengthLimit, kMaxParaLength))
        return eeParagraphTooLong;
    const TLineEnd end = Ends[static_cast<std::size_t>(k - 1)];
    Ends.insert(Ends.begin() + (k - 1), end == leNone ? Style() : end);
    Paras.insert(Paras.begin() + (k - 1), s);
    return eeOk;
}

TEditorErrorCode TStoreModel::InsertParaAfter(std::int32_t k, const std::string& s) {
    if (!Exists(k)) return eeOk;
    if (s.size() > static_cast<std::size_t>(kMaxParaLength)) return eeParagraphTooLong;
    const TLineEnd end = Ends[static_cast<std::size_t>(k - 1)];
    if (end == leNone) Ends[static_cast<std::size_t>(k - 1)] = Style();
    Ends.insert(Ends.begin() + k, end);
    Paras.insert(Paras.begin() + k, s);
    return eeOk;
}

void TStoreModel::DeletePara(std::int32_t k) {
    if (!Exists(k) || Paras.size() == 1) return;
    Paras.erase(Paras.begin() + (k - 1));
    Ends.erase(Ends.begin() + (k - 1));
}

TEditorErrorCode TStoreModel::SplitPara(std::int32_t k, std::int32_t p, bool trim,
                                        std::int32_t& indent, std::int32_t tab) {
    if (!Exists(k)) return eeOk;
    const std::int32_t length = Length(k);
    p = std::clamp(p, 1, length + 1);
    if (p == 1) return InsertParaBefore(k, "");
    if (const TEditorErrorCode code =
            InsertParaAfter(k, Para(k).substr(static_cast<std::size_t>(p - 1))))
        return code;
    if (p <= length) {
        std::int32_t blanks = 0;
        while (trim && p - 1 - blanks > 0 &&
               Blank(Para(k)[static_cast<std::size_t>(p - 2 - blanks)]))
            ++blanks;
        Para(k).erase(static_cast<std::size_t>(p - 1 - blanks));
    }
    if (indent <= 0) return eeOk;
    const std::string chars = tab > 0 ? std::string(static_cast<std::size_t>(indent / tab), '\t') +
                                            std::string(static_cast<std::size_t>(indent % tab), ' ')
                                      : std::string(static_cast<std::size_t>(indent), ' ');
    const TEditorErrorCode code = InsertChars(k + 1, 1, chars);
    indent = code == eeOk ? static_cast<std::int32_t>(chars.size()) : 0;
    return code;
}

TEditorErrorCode TStoreModel::JoinParas(std::int32_t k, std::int32_t p) {
    if (!Exists(k) || !Exists(k + 1)) return eeOk;
    const std::int32_t length = Length(k);
    p = std::max(p, length + 1);
    if (p == 1) {
        DeletePara(k);
        return eeOk;
    }
    const std::string next = Para(k + 1);
    if (CheckLimits(k, 0, static_cast<std::int64_t>(next.size()) + p - 1 - length) != eeOk)
        return eeCannotJoin;
    if (!next.empty()) {
        if (const TEditorErrorCode code = InsertChars(k, p, next)) return code;
    }
    const TLineEnd nextEnd = Ends[static_cast<std::size_t>(k)];
    DeletePara(k + 1);
    Ends[static_cast<std::size_t>(k - 1)] = nextEnd;
    return eeOk;
}

void TStoreModel::DeleteRegion(std::int32_t k1, std::int32_t p1, std::int32_t k2, std::int32_t p2) {
    if (k1 < 1 || k1 >= k2 || !Exists(k2)) return;
    if (p1 == 1 && p2 == 1) {
        Paras.erase(Paras.begin() + (k1 - 1), Paras.begin() + (k2 - 1));
        Ends.erase(Ends.begin() + (k1 - 1), Ends.begin() + (k2 - 1));
        return;
    }
    if (p1 <= Length(k1)) DeleteChars(k1, p1, Length(k1) - p1 + 1);
    if (p2 > 1) DeleteChars(k2, 1, p2 - 1);
    Paras.erase(Paras.begin() + k1, Paras.begin() + (k2 - 1));
    Ends.erase(Ends.begin() + k1, Ends.begin() + (k2 - 1));
    JoinParas(k1, Length(k1) + 1);
}

TEditorErrorCode TStoreModel::InsertText(TParaPos& at, std::string text) {
    text = text.substr(0, text.find('\0'));
    if (!Exists(at.Para)) return eeOk;
    at.Pos = std::max(at.Pos, 1);
    std::vector<std::string> pieces;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size() - 1) + 1;
        pieces.push_back(text.substr(from, end - from));
        from = end;
    }
    const auto lineOf = [](std::string piece) {
        while (!piece.empty() && (piece.back() == '\r' || piece.back() == '\n'))
            piece.pop_back();
        return piece;
    };
    if (pieces.size() <= 1 && lineOf(text).size() == text.size()) {
        const TEditorErrorCode code = InsertChars(at.Para, at.Pos, text);
        if (code == eeOk) at.Pos += static_cast<std::int32_t>(text.size());
        return code;
    }
    TEditorErrorCode code = eeOk;
    for (const std::string& piece : pieces) {
        const std::string line = lineOf(piece);
        const bool endsLine = line.size() < piece.size();
        if (endsLine && at.Pos == 1) {
            code = InsertParaBefore(at.Para, line);
        } else {
            if (!line.empty() && (code = InsertChars(at.Para, at.Pos, line)) == eeOk) {
                at.Pos += static_cast<std::int32_t>(line.size());
            }
            if (code == eeOk && endsLine) code = CheckLimits(0, 1, 2);
            std::int32_t noIndent = 0;
            if (code == eeOk && endsLine) code = SplitPara(at.Para, at.Pos, true, noIndent, 0);
        }
        if (code != eeOk) break;
        if (endsLine) at = {at.Para + 1, 1};
    }
    return code;
}

}  // namespace wendax::test
