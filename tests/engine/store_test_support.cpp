#include "tests/engine/store_test_support.h"

namespace wendax::test {

std::vector<std::string> Paragraphs(TParaList& store) {
    std::vector<std::string> result;
    for (std::int32_t n = 1; n <= store.ParaCount(); ++n)
        result.emplace_back(store.ParaText(n));
    return result;
}

void Fill(TParaList& store, const std::vector<std::string>& paragraphs) {
    for (std::size_t i = 0; i + 1 < paragraphs.size(); ++i)
        store.AppendLoadedPara(paragraphs[i], false, leLf);
    if (!paragraphs.back().empty())
        store.InsertChars(nullptr, store.ParaCount(), 1, paragraphs.back());
    store.SetUndoBufferSize(store.UndoBufferSize());
    store.SetModified(false);
}

std::unique_ptr<TParaList> MakeStore(const std::vector<std::string>& paragraphs, bool wordWrap,
                                     std::int32_t wrapColumn, std::uint16_t undoSize) {
    auto store = std::make_unique<TParaList>(nullptr, wordWrap, undoSize);
    store->SetWrapColumn(wrapColumn);
    Fill(*store, paragraphs);
    return store;
}

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

// Characters from s up to and including the one whose expanded end reaches the width.
std::size_t Fit(const std::string& text, std::size_t s, int width, int tabSize) {
    int column = 0;
    for (std::size_t i = s; i < text.size(); ++i) {
        column = text[i] == '\t' ? (column / tabSize + 1) * tabSize : column + 1;
        if (column >= width) return i - s + 1;
    }
    return text.size() - s;
}

}  // namespace

std::vector<std::string> ModelWrap(const std::string& text, int width, int tabSize) {
    std::vector<std::string> lines;
    std::size_t s = 0;
    while (true) {
        const std::size_t fit = width <= 0 ? text.size() - s : Fit(text, s, width, tabSize);
        if (s + fit >= text.size()) break;
        std::size_t next = s + fit;
        for (std::size_t j = s + fit + 1; j-- > s;) {
            if (Blank(text[j]) || text[j] == '-') {
                next = Blank(text[j]) ? j : j + 1;
                while (next < text.size() && Blank(text[next]))
                    ++next;
                break;
            }
        }
        if (next >= text.size()) break;
        lines.push_back(text.substr(s, next - s));
        s = next;
    }
    lines.push_back(text.substr(s));
    return lines;
}

}  // namespace wendax::test
