// The editor and its store: joining and leaving the ring of views, fresh stores, appending
// loaded paragraphs, and keeping the view's positions in step with changes.
#include <algorithm>

#include "control/custom_editor.h"
#include "engine/para_appender.h"

namespace wendax {

void TOvcCustomEditor::JoinStore(std::shared_ptr<TParaList> store) {
    LeaveStore();
    FStore = std::move(store);
    FStore->AddView(this);
    ResetViewState();
}

// The store goes with its last view.
void TOvcCustomEditor::LeaveStore() {
    if (!FStore) return;
    FStore->RemoveView(this);
    FStore.reset();
}

void TOvcCustomEditor::ResetViewState() {
    FCaretPos = FTopPos = {1, 1};
    FCaretLine = FCaretCol = FTopLine = 1;
    FLinesStale = false;
    FLeftColumn = 0;
    FHighlight.Collapse({1, 1});
    FVRangeStale = FVPosStale = FHPosStale = false;
}

void TOvcCustomEditor::Attach(TOvcCustomEditor* editor) {
    if (editor == nullptr || editor == this || editor->FStore == FStore) return;
    JoinStore(editor->FStore);
    RefreshAll(false);
}

std::unique_ptr<TParaList> TOvcCustomEditor::CreateEmptyStore() const {
    auto store = std::make_unique<TParaList>(nullptr, WordWrap(), UndoBufferSize());
    store->SetByteLimit(ByteLimit());
    store->SetParaLimit(ParaLimit());
    store->SetParaLengthLimit(ParaLengthLimit());
    store->SetWrapColumn(WrapColumn());
    store->SetTabSize(TabSize());
    store->SetCharSet(FNewTextCharSet);
    return store;
}

// The fresh store is made before the old one is left, so a failure changes nothing.
void TOvcCustomEditor::ResetText(bool refresh) {
    AdoptStore(CreateEmptyStore(), refresh);
}

void TOvcCustomEditor::AdoptStore(std::unique_ptr<TParaList> store, bool refresh) {
    JoinStore(std::shared_ptr<TParaList>(std::move(store)));
    if (refresh) RefreshAll(false);
}

TEditorErrorCode TOvcCustomEditor::AppendParaTo(TParaList& store, std::string_view text) const {
    return AppendLine(store, text, FTrimWhiteSpace, store.LineEndStyle());
}

// Paragraphs appended before the last one renumber that one, so every view's positions are
// brought up to date when next needed.
TEditorErrorCode TOvcCustomEditor::AppendPara(std::string_view text) {
    const std::int32_t linesBefore = LineCount();
    const TEditorErrorCode code = AppendParaTo(*FStore, text);
    FLinesStale = true;
    if (FStore->Views().Views().size() > 1) {
        for (TTextView* view : FStore->Views().Views()) {
            if (auto* editor = dynamic_cast<TOvcCustomEditor*>(view)) editor->FLinesStale = true;
        }
    }
    if (linesBefore <= FVisibleRows && LineCount() > FVisibleRows) {
        SendVRange();
        RequestRepaint(false);
    }
    return code;
}

// Every view, the acting one too, moves its positions with the text; the acting view then
// places its own caret, the others repaint fully.
void TOvcCustomEditor::TextChanged(const TTextChange& change, bool acting) {
    ++FTextChanges;
    FStore->MoveViewPosition(change, FCaretPos);
    FStore->MoveViewPosition(change, FTopPos);
    FHighlight.Move(*FStore, change);
    FLinesStale = true;
    if (acting) return;
    FVRangeStale = FVPosStale = FHPosStale = true;
    RequestRepaint(false);
}

void TOvcCustomEditor::RecomputePositions() {
    FLinesStale = true;
    ComputeHScrollRange();
    FLeftColumn = std::clamp(FLeftColumn, 0, std::max(FHScrollRange, 0));
    FVRangeStale = FVPosStale = FHPosStale = true;
    RequestRepaint(false);
}

void TOvcCustomEditor::RefreshPositions() {
    if (!FLinesStale) return;
    FLinesStale = false;
    ClampPositions();
    const TLineCol caret = FStore->ParaToLine(FCaretPos);
    FCaretLine = caret.Line;
    FCaretCol = caret.Col;
    const TLineCol top = FStore->ParaToLine(FTopPos);
    FTopLine = top.Line;
    FTopPos.Pos -= top.Col - 1;
}

// A change inside a line break (trimmed blanks) or an appended paragraph can leave a
// position after the end of its paragraph.
void TOvcCustomEditor::ClampPositions() {
    FHighlight.Clamp(*FStore);
    FCaretPos.Para = std::clamp(FCaretPos.Para, 1, ParaCount());
    FCaretPos.Pos = std::max(FCaretPos.Pos, 1);
    if (!FScrollPastEnd) {
        FCaretPos.Pos = std::min(FCaretPos.Pos, FStore->ParaLength(FCaretPos.Para) + 1);
    }
    const std::string_view caretPara = FStore->ParaText(FCaretPos.Para);
    FCaretPos.Pos = CharStart(FStore->CharSet(), caretPara, FCaretPos.Pos - 1) + 1;
    FTopPos.Para = std::clamp(FTopPos.Para, 1, ParaCount());
    FTopPos.Pos = std::clamp(FTopPos.Pos, 1, FStore->ParaLength(FTopPos.Para) + 1);
}

// The store tells no view of an overwrite that keeps the length, though it may re-wrap the
// paragraph and changes what every view shows; so after every edit made through an editor
// each view takes its lines afresh from its positions, and the other views repaint.
void TOvcCustomEditor::ShowEdit(bool structural) {
    FLinesStale = true;
    for (TTextView* view : FStore->Views().Views()) {
        auto* editor = dynamic_cast<TOvcCustomEditor*>(view);
        if (editor == nullptr || editor == this) continue;
        editor->FLinesStale = true;
        editor->FVRangeStale = editor->FVPosStale = editor->FHPosStale = true;
        editor->RequestRepaint(false);
    }
    if (structural || FStore->ChangedTo() == kMaxInt32) {
        FVRangeStale = true;
        FVPosStale = true;
    }
    if (structural) {
        RequestRepaint(false);
    } else {
        RepaintLines(FStore->ChangedFrom(), FStore->ChangedTo());
    }
}

}  // namespace wendax
