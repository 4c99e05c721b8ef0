#include "engine/text_file_writer.h"

#include <string>

#include "engine/byte_checksum.h"

namespace wendax {

namespace {
constexpr std::size_t kWriteBlock = 64 * 1024;
}

// Paragraphs are gathered into blocks, so that the output sees few large writes.
std::uint64_t WriteTextFile(TParaList& store, TFileReplacement& out) {
    TByteChecksum checksum;
    const std::int32_t count = store.ParaCount();
    std::string block;
    block.reserve(kWriteBlock + kMaxParaLength + 2);
    for (TParaCursor para = store.CursorAt(1); para.Para() != 0; para.Next()) {
        const std::string_view text = para.Text();
        if (para.Para() == count && text.empty()) break;
        block.append(text);
        block.append(LineEndBytes(para.LineEnd()));
        if (block.size() >= kWriteBlock) {
            checksum.Add(block);
            out.Write(block);
            block.clear();
        }
    }
    checksum.Add(block);
    if (!block.empty()) out.Write(block);
    return checksum.Value();
}

}  // namespace wendax
