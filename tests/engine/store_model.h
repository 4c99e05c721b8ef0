// A plain model of the paragraph store for the differential test: the text as a vector of
// strings with the line end of each, the limits, and every edit primitive written directly
// on them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/editor_errors.h"
#include "engine/line_end.h"
#include "engine/text_positions.h"

namespace wendax::test {

class TStoreModel {
  public:
    std::vector<std::string> Paras{""};
    std::vector<TLineEnd> Ends{leLf};  // one per paragraph
    std::int32_t ParaLimit = kMaxInt32;
    std::int32_t ByteLimit = kMaxInt32;
    std::int32_t ParaLengthLimit = kMaxParaLength;

    std::int64_t Bytes() const;
    // The bytes of the file: every paragraph and its line end, but an empty last one.
    std::string FileBytes() const;
    // The most common of LF, CR LF and CR (LF, then CR LF, on a tie).
    TLineEnd Style() const;
    // Paragraphs and line ends as one list (the ends as digits at the end).
    std::vector<std::string> Snapshot() const;
    TEditorErrorCode CheckLimits(std::int32_t k, std::int32_t newParas,
                                 std::int64_t newBytes) const;

    TEditorErrorCode InsertChars(std::int32_t k, std::int32_t p, const std::string& s);
    void DeleteChars(std::int32_t k, std::int32_t p, std::int32_t n);
    TEditorErrorCode ReplaceChars(std::int32_t k, std::int32_t p, std::int32_t o,
                                  const std::string& s);
    TEditorErrorCode InsertParaBefore(std::int32_t k, const std::string& s);
    TEditorErrorCode InsertParaAfter(std::int32_t k, const std::string& s);
    void DeletePara(std::int32_t k);
    TEditorErrorCode SplitPara(std::int32_t k, std::int32_t p, bool trim, std::int32_t& indent,
                               std::int32_t tab);
    TEditorErrorCode JoinParas(std::int32_t k, std::int32_t p);
    void DeleteRegion(std::int32_t k1, std::int32_t p1, std::int32_t k2, std::int32_t p2);
    TEditorErrorCode InsertText(TParaPos& at, std::string text);
    void ConvertLineEnds(TLineEnd end);

  private:
    bool Exists(std::int32_t k) const {
        return k >= 1 && k <= static_cast<std::int32_t>(Paras.size());
    }
    std::string& Para(std::int32_t k) { return Paras[static_cast<std::size_t>(k - 1)]; }
    std::int32_t Length(std::int32_t k) const {
        return static_cast<std::int32_t>(Paras[static_cast<std::size_t>(k - 1)].size());
    }
};

}  // namespace wendax::test
