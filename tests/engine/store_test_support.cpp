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

bool Blank(const std::string& c) {
    return c == " " || c == "\t";
}

// A character of the model: its bytes and cells (a tab counts its expansion separately).
// Only a blank or hyphen without a mark is a break.
struct TModelChar {
    std::string Bytes;
    int Cells = 1;
};

// The text as characters: bytes in an 8-bit text; in UTF-8 code points with the zero-cell
// ones that follow joined to them, and every invalid byte alone.
std::vector<TModelChar> Characters(const std::string& text, TCharSet set) {
    std::vector<TModelChar> chars;
    for (std::size_t i = 0; i < text.size();) {
        const TCodePoint cp = set == chUtf8 ? DecodeUtf8(text, static_cast<std::int32_t>(i))
                                            : TCodePoint{0, 1, false};
        const int cells = cp.Valid ? CodeCells(cp.Code) : 1;
        const std::string bytes = text.substr(i, static_cast<std::size_t>(cp.Bytes));
        if (cells == 0 && !chars.empty()) {
            chars.back().Bytes += bytes;
        } else {
            chars.push_back({bytes, std::max(cells, 1)});
        }
        i += bytes.size();
    }
    return chars;
}

// Characters from s up to and including the one whose expanded end reaches the width; a
// two-cell character passing the width (not the first) is left out.
std::size_t Fit(const std::vector<TModelChar>& text, std::size_t s, int width, int tabSize) {
    int column = 0;
    for (std::size_t i = s; i < text.size(); ++i) {
        const bool tab = text[i].Bytes[0] == '\t';  // a tab carrying a mark still expands
        const int next = tab ? (column / tabSize + 1) * tabSize : column + text[i].Cells;
        if (!tab && next > width && i > s) return i - s;
        if (next >= width) return i - s + 1;
        column = next;
    }
    return text.size() - s;
}

std::string Join(const std::vector<TModelChar>& text, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i)
        out += text[i].Bytes;
    return out;
}

}  // namespace

std::vector<std::string> ModelWrap(const std::string& bytes, int width, int tabSize, TCharSet set) {
    const std::vector<TModelChar> text = Characters(bytes, set);
    std::vector<std::string> lines;
    std::size_t s = 0;
    while (true) {
        const std::size_t fit = width <= 0 ? text.size() - s : Fit(text, s, width, tabSize);
        if (s + fit >= text.size()) break;
        std::size_t next = s + fit;
        for (std::size_t j = s + fit + 1; j-- > s;) {
            if (Blank(text[j].Bytes) || text[j].Bytes == "-") {
                next = Blank(text[j].Bytes) ? j : j + 1;
                while (next < text.size() && Blank(text[next].Bytes))
                    ++next;
                break;
            }
        }
        if (next >= text.size()) break;
        lines.push_back(Join(text, s, next));
        s = next;
    }
    lines.push_back(Join(text, s, text.size()));
    return lines;
}

}  // namespace wendax::test
