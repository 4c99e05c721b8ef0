#include "engine/text_file_writer.h"

#include <string>

namespace wendax {

namespace {
constexpr std::size_t kWriteBlock = 64 * 1024;
}

// Paragraphs are gathered into blocks, so that the output sees few large writes.
void WriteTextFile(TParaList& store, TFileReplacement& out, TLineEnd lineEnd) {
    const std::string_view end = LineEndBytes(lineEnd);
    const std::int32_t count = store.ParaCount();
    std::string block;
    block.reserve(kWriteBlock + kMaxParaLength + end.size());
    for (TParaCursor para = store.CursorAt(1); para.Para() != 0; para.Next()) {
        const std::string_view text = para.Text();
        if (para.Para() == count && text.empty()) break;
        block.append(text);
        block.append(end);
        if (block.size() >= kWriteBlock) {
            out.Write(block);
            block.clear();
        }
    }
    if (!block.empty()) out.Write(block);
}

}  // namespace wendax
