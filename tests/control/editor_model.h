// A plain model of the editing commands for the differential test: the text as a vector of
// strings, the caret and the highlight as paragraph positions, and every command written
// directly from its rule on strings. Word wrap plays no part in the commands modelled here,
// except the display-line deletions, which the model knows only for unwrapped text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/text_positions.h"

namespace wendax::test {

struct TEditorModel {
    std::vector<std::string> Paras{""};
    TParaPos Caret{1, 1};
    std::optional<TParaPos> Begin;  // the highlight, when there is one
    std::optional<TParaPos> End;
    bool InsertMode = true;
    bool AutoIndent = false;
    int TabSize = 8;
    std::string Clipboard;

    void Type(char c);
    void Del();
    void Back();
    void NewLine();
    void DelWord();
    void DelEol();
    void DelBol();
    void DelLine();
    void InsertString(const std::string& text);
    void Cut();
    // Deletes the highlight, if any; true when it did.
    bool DeleteHighlight();

  private:
    std::string& Para(std::int32_t n) { return Paras[static_cast<std::size_t>(n - 1)]; }
    std::int32_t Length(std::int32_t n) { return static_cast<std::int32_t>(Para(n).size()); }
    void Erase(TParaPos from, TParaPos to);
    void InsertAt(TParaPos at, const std::string& chars);
    void Split(TParaPos at, const std::string& indent);
};

}  // namespace wendax::test
