// Converting the whole text into the other character set. The conversion is exact both
// ways, so its undo record holds only the two sets: undo converts back, redo again.
#include <algorithm>
#include <cstring>
#include <optional>

#include "engine/para_list.h"
#include "platform/services.h"

namespace wendax {

namespace {
constexpr std::int64_t kBusyConversionBytes = 10000;
}  // namespace

TCharSetConversion TParaList::ConvertCharSet(TTextView* view, TCharSet to, TParaPos caret) {
    if (to == FCharSet) return {};
    TCharSetConversion result = CheckConversion(to);
    if (result.Error != eeOk || result.At.Para != 0) return result;
    const char payload[2] = {static_cast<char>(FCharSet), static_cast<char>(to)};
    const bool modifiedBefore = FModified;
    RewriteCharSet(view, to);
    FModified = true;
    // A history without this step could not undo the steps before it.
    if (!FUndo->Add(ukConvertCharSet, modifiedBefore, caret.Para, caret.Pos, {payload, 2}))
        FUndo->Clear();
    result.Converted = true;
    return result;
}

// The first character without bytes in `to`, else the first limit broken, in the order
// CheckLimits tests them. Only growing paragraphs count against the length limit, so that
// a text loaded with longer ones still converts to the smaller set.
TCharSetConversion TParaList::CheckConversion(TCharSet to) {
    TCharSetConversion result;
    const std::int32_t longest = std::min(FParaLengthLimit, kMaxParaLength);
    std::int64_t bytes = FByteCount;
    bool tooLong = false;
    std::string converted;
    TMissingChar missing;
    std::int32_t n = 1;
    for (TParaRef para = FFirst; para != 0; para = Node(para).Next, ++n) {
        const std::string_view text = FStorage.Text(Node(para));
        if (!ConvertText(to, text, converted, missing)) {
            result.At = {n, missing.Offset + 1};
            result.Line = ParaToLine(result.At).Line;
            result.Missing = missing.Code;
            result.NotUtf8 = missing.NotUtf8;
            return result;
        }
        const auto size = static_cast<std::int64_t>(converted.size());
        bytes += size - static_cast<std::int64_t>(text.size());
        tooLong = tooLong || (size > longest && size > static_cast<std::int64_t>(text.size()));
    }
    if (bytes > FByteCount && bytes > FByteLimit) {
        result.Error = eeTextTooLarge;
    } else if (tooLong) {
        result.Error = eeParagraphTooLong;
    }
    return result;
}

void TParaList::RewriteCharSet(TTextView* view, TCharSet to) {
    std::optional<TBusyCursor> busy;
    if (FByteCount > kBusyConversionBytes) busy.emplace();
    RewriteParas(to);
    FCharSet = to;
    FWrapper.SetParams(WrapParams());
    RewrapAll();
    FChangedFrom = 1;
    FChangedTo = kMaxInt32;
    for (std::int32_t n = 0; n < TMarkers::kCount; ++n) {
        if (const TParaPos marker = FMarkers.Get(n); marker.Para != 0)
            FMarkers.Put(n, ConvertedPosition(marker));
    }
    Notify(view, {tcCharSetConverted, 0, 0, 0});
}

// Every buffer that grows is made large enough first, so that running out of memory leaves
// the text as it was.
void TParaList::RewriteParas(TCharSet to) {
    if (to == chUtf8) {
        for (TParaRef para = FFirst; para != 0; para = Node(para).Next) {
            TParaNode& node = Node(para);
            const std::int64_t size = Utf8Size(FStorage.Text(node));
            FStorage.ReserveText(node, static_cast<std::int32_t>(size) + 1);
        }
    }
    std::string converted;
    TMissingChar missing;
    for (TParaRef para = FFirst; para != 0; para = Node(para).Next) {
        TParaNode& node = Node(para);
        ConvertText(to, FStorage.Text(node), converted, missing);
        if (converted.empty()) continue;
        char* buffer = FStorage.MutableText(node);
        std::memcpy(buffer, converted.data(), converted.size());
        buffer[converted.size()] = '\0';
        FByteCount += static_cast<std::int64_t>(converted.size()) - node.Length;
        node.Length = static_cast<std::uint16_t>(converted.size());
    }
}

TParaPos TParaList::ConvertedPosition(TParaPos at) {
    if (FindPara(at.Para) == 0) return at;
    return {at.Para, ConvertedOffset(FCharSet, ParaText(at.Para), at.Pos - 1) + 1};
}

void TParaList::ReplayCharSet(TTextView* view, const TUndoStep& step, bool undo) {
    const std::string_view sets = step.Text();
    RewriteCharSet(view, static_cast<TCharSet>(sets[undo ? 0 : 1]));
    FModified = true;
}

}  // namespace wendax
