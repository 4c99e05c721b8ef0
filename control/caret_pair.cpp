#include "control/caret_pair.h"

namespace wendax {

TOvcCaretPair::TOvcCaretPair(TOvcBase& owner)
    : TOvcSingleCaret(owner), FCaretIns(new TOvcCaret), FCaretOvr(new TOvcCaret) {
    FCaretOvr->SetShape(csBlock);
    SetActiveCaret(FCaretIns.Get());
}

void TOvcCaretPair::SetCaretIns(TOvcCaret* caret) {
    if (!caret || caret == FCaretIns.Get()) return;
    FCaretIns = TCaretRef(caret);
    if (FInsertMode) SetActiveCaret(caret);
}

void TOvcCaretPair::SetCaretOvr(TOvcCaret* caret) {
    if (!caret || caret == FCaretOvr.Get()) return;
    FCaretOvr = TCaretRef(caret);
    if (!FInsertMode) SetActiveCaret(caret);
}

void TOvcCaretPair::SetInsertMode(bool insertMode) {
    if (insertMode == FInsertMode) return;
    FInsertMode = insertMode;
    SetActiveCaret(insertMode ? FCaretIns.Get() : FCaretOvr.Get());
}

}  // namespace wendax
