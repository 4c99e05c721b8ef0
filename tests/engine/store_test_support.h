// Helpers for the store tests: a recording view, building a store with given paragraphs,
// reading its text back, and a plain word-wrap written from the rule's description.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/para_list.h"

namespace wendax::test {

// A view that records every notification and, like an editor that did not act, moves its
// caret with the store's rules.
class TRecordingView : public TTextView {
  public:
    explicit TRecordingView(int id = 0, std::vector<int>* recomputeLog = nullptr)
        : FId(id), FRecomputeLog(recomputeLog) {}

    void TextChanged(const TTextChange& change, bool acting) override {
        Changes.push_back({change, acting});
        if (Store != nullptr) Store->MoveViewPosition(change, Caret);
    }
    void RecomputePositions() override {
        ++Recomputes;
        if (FRecomputeLog != nullptr) FRecomputeLog->push_back(FId);
    }

    std::vector<std::pair<TTextChange, bool>> Changes;
    int Recomputes = 0;
    TParaList* Store = nullptr;  // when set, Caret follows the changes
    TParaPos Caret{1, 1};

  private:
    int FId;
    std::vector<int>* FRecomputeLog;
};

// The text of every paragraph.
std::vector<std::string> Paragraphs(TParaList& store);

// Makes the store hold exactly `paragraphs` (at least one), with an empty history and
// Modified false.
void Fill(TParaList& store, const std::vector<std::string>& paragraphs);

std::unique_ptr<TParaList> MakeStore(const std::vector<std::string>& paragraphs,
                                     bool wordWrap = false, std::int32_t wrapColumn = 80,
                                     std::uint16_t undoSize = 8192);

// The display lines of a text wrapped at `width` (0 = none) with `tabSize`, computed
// character by character from the rule: fit, backward scan for a blank or hyphen, blanks
// kept at the end of the line.
std::vector<std::string> ModelWrap(const std::string& text, int width, int tabSize,
                                   TCharSet set = chEightBit);

}  // namespace wendax::test

#define EXPECT_STORE_VALID(store) EXPECT_EQ((store).CheckInvariants(), "")
#define ASSERT_STORE_VALID(store) ASSERT_EQ((store).CheckInvariants(), "")
