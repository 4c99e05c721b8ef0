#include "tests/control/editor_model.h"

#include <algorithm>

namespace wendax::test {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// Not one of the 35 word delimiters.
bool WordChar(char c) {
    return std::string_view("\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*").find(c) ==
           std::string_view::npos;
}

}  // namespace

void TEditorModel::Erase(TParaPos from, TParaPos to) {
    if (from.Para == to.Para) {
        Para(from.Para).erase(static_cast<std::size_t>(from.Pos - 1),
                              static_cast<std::size_t>(to.Pos - from.Pos));
        return;
    }
    const std::string joined = Para(from.Para).substr(0, static_cast<std::size_t>(from.Pos - 1)) +
                               Para(to.Para).substr(static_cast<std::size_t>(to.Pos - 1));
    Paras.erase(Paras.begin() + from.Para, Paras.begin() + to.Para);
    Para(from.Para) = joined;
}

bool TEditorModel::DeleteHighlight() {
    if (!Begin || *Begin == *End) {
        Begin = End = std::nullopt;
        return false;
    }
    Erase(*Begin, *End);
    Caret = *Begin;
    Begin = End = std::nullopt;
    return true;
}

// Beyond the end the gap is filled with spaces.
void TEditorModel::InsertAt(TParaPos at, const std::string& chars) {
    std::string& text = Para(at.Para);
    if (static_cast<std::int32_t>(text.size()) < at.Pos - 1)
        text.resize(static_cast<std::size_t>(at.Pos - 1), ' ');
    text.insert(static_cast<std::size_t>(at.Pos - 1), chars);
}

// A line break with trimming: the blanks before the break go when text follows it.
void TEditorModel::Split(TParaPos at, const std::string& indent) {
    std::string& text = Para(at.Para);
    const auto p = static_cast<std::size_t>(std::min(at.Pos, Length(at.Para) + 1) - 1);
    const std::string rest = text.substr(p);
    std::size_t keep = p;
    if (!rest.empty()) {
        while (keep > 0 && Blank(text[keep - 1]))
            --keep;
    }
    text.resize(keep);
    Paras.insert(Paras.begin() + at.Para, indent + rest);
}

void TEditorModel::Type(char c) {
    bool insert = InsertMode;
    if (DeleteHighlight()) insert = true;
    if (insert || Caret.Pos > Length(Caret.Para)) {
        InsertAt(Caret, std::string(1, c));
    } else {
        Para(Caret.Para)[static_cast<std::size_t>(Caret.Pos - 1)] = c;
    }
    ++Caret.Pos;
}

void TEditorModel::Del() {
    if (DeleteHighlight()) return;
    if (Caret.Pos <= Length(Caret.Para)) {
        Erase(Caret, {Caret.Para, Caret.Pos + 1});
    } else if (Caret.Para < static_cast<std::int32_t>(Paras.size())) {
        InsertAt(Caret, Para(Caret.Para + 1));
        Paras.erase(Paras.begin() + Caret.Para);
    }
}

void TEditorModel::Back() {
    if (DeleteHighlight()) return;
    if (Caret == TParaPos{1, 1}) return;
    if (Caret.Pos > 1) {
        --Caret.Pos;
    } else {
        --Caret.Para;
        Caret.Pos = Length(Caret.Para) + 1;
    }
    Del();
}

// Insert mode splits (auto-indent with real tabs: tabs then spaces); overwrite mode moves.
void TEditorModel::NewLine() {
    DeleteHighlight();
    if (!InsertMode) {
        Caret = Caret.Para < static_cast<std::int32_t>(Paras.size())
                    ? TParaPos{Caret.Para + 1, 1}
                    : TParaPos{Caret.Para, Length(Caret.Para) + 1};
        return;
    }
    const std::string& text = Para(Caret.Para);
    std::size_t blanks = 0;
    std::int32_t width = 0;
    if (AutoIndent) {
        const std::size_t count = std::min(text.size(), static_cast<std::size_t>(Caret.Pos));
        while (blanks < count && Blank(text[blanks])) {
            width = text[blanks] == '\t' ? (width / TabSize + 1) * TabSize : width + 1;
            ++blanks;
        }
    }
    if (Caret.Pos == 1) {
        Paras.insert(Paras.begin() + (Caret.Para - 1), std::string());
        Caret = {Caret.Para + 1, static_cast<std::int32_t>(blanks) + 1};
        return;
    }
    const std::string indent = std::string(static_cast<std::size_t>(width / TabSize), '\t') +
                               std::string(static_cast<std::size_t>(width % TabSize), ' ');
    Split(Caret, indent);
    Caret = {Caret.Para + 1, static_cast<std::int32_t>(indent.size()) + 1};
}

void TEditorModel::DelWord() {
    if (DeleteHighlight()) return;
    const std::string& text = Para(Caret.Para);
    auto end = static_cast<std::size_t>(Caret.Pos - 1);
    while (end < text.size() && WordChar(text[end]))
        ++end;
    while (end < text.size() && Blank(text[end]))
        ++end;
    if (end == static_cast<std::size_t>(Caret.Pos - 1)) {
        Del();
    } else {
        Erase(Caret, {Caret.Para, static_cast<std::int32_t>(end) + 1});
    }
}

void TEditorModel::DelEol() {
    Begin = End = std::nullopt;
    if (Caret.Pos <= Length(Caret.Para)) Erase(Caret, {Caret.Para, Length(Caret.Para) + 1});
}

void TEditorModel::DelBol() {
    Begin = End = std::nullopt;
    if (Length(Caret.Para) == 0 || Caret.Pos == 1) return;
    Erase({Caret.Para, 1}, {Caret.Para, std::min(Caret.Pos, Length(Caret.Para) + 1)});
    Caret.Pos = 1;
}

void TEditorModel::DelLine() {
    Begin = End = std::nullopt;
    if (Caret.Para < static_cast<std::int32_t>(Paras.size())) {
        Paras.erase(Paras.begin() + (Caret.Para - 1));
    } else {
        Para(Caret.Para).clear();
    }
    Caret.Pos = 1;
}

// Pieces end after each line feed; a piece ending in carriage returns or line feeds ends a
// line, split with trimming (or inserted as a paragraph before when at position 1).
void TEditorModel::InsertString(const std::string& text) {
    if (text.empty()) return;
    DeleteHighlight();
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        const std::size_t end = lf == std::string::npos ? text.size() : lf + 1;
        std::string line = text.substr(start, end - start);
        const std::size_t pieceLength = line.size();
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        const bool endsLine = line.size() < pieceLength;
        start = end;
        if (endsLine && Caret.Pos == 1) {
            Paras.insert(Paras.begin() + (Caret.Para - 1), line);
            ++Caret.Para;
            continue;
        }
        InsertAt(Caret, line);
        Caret.Pos += static_cast<std::int32_t>(line.size());
        if (endsLine) {
            Split(Caret, "");
            Caret = {Caret.Para + 1, 1};
        }
    }
}

void TEditorModel::Cut() {
    if (!Begin || *Begin == *End) return;
    Clipboard.clear();
    for (std::int32_t para = Begin->Para; para <= End->Para; ++para) {
        const std::int32_t first = para == Begin->Para ? Begin->Pos : 1;
        const std::int32_t last = para == End->Para ? End->Pos : Length(para) + 1;
        Clipboard += Para(para).substr(static_cast<std::size_t>(first - 1),
                                       static_cast<std::size_t>(last - first));
        if (para < End->Para) Clipboard += "\r\n";
    }
    DeleteHighlight();
}

}  // namespace wendax::test
