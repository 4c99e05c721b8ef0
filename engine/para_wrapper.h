// Keeps the line-start tables of paragraphs equal to the wrap rule: a full wrap of one
// paragraph, and the incremental re-wrap after an edit inside it.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/para_storage.h"
#include "engine/wrap_rule.h"

namespace wendax {

// Lines of a paragraph (1-based, within the paragraph) that an edit changed on screen.
struct TRewrapRange {
    std::int32_t First = 1;
    std::int32_t Last = 1;
};

class TParaWrapper {
  public:
    explicit TParaWrapper(TParaStorage& storage) : FStorage(storage) {}

    void SetParams(TWrapParams params) { FParams = params; }
    TWrapParams Params() const { return FParams; }

    // Sets the node's lines and line starts to the wrap of its text.
    void Wrap(TParaNode& node);

    // Brings the line starts up to date after the characters [at, at + removed) of the old
    // text were replaced by `inserted` characters; the node's text is already the new one.
    // The result equals Wrap; only lines from the one before the edit onwards are computed,
    // up to the first line start that equals an old start shifted by the change.
    TRewrapRange Rewrap(TParaNode& node, std::int32_t at, std::int32_t removed,
                        std::int32_t inserted);

    // The full wrap of a text as 0-based line starts (a reference for checks and tests).
    static std::vector<std::uint16_t> LineStartsOf(std::string_view text, TWrapParams params);

  private:
    void StoreStarts(TParaNode& node, std::int32_t fromLine, std::int32_t keptTail,
                     std::int32_t tailFrom, std::int32_t delta);

    TParaStorage& FStorage;
    TWrapParams FParams;
    std::vector<std::uint16_t> FScratch;  // newly computed starts, reused between calls
};

}  // namespace wendax
