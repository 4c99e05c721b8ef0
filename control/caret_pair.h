// The carets of an editor: one for insert mode and one for overwrite mode, the one of the
// current mode being the active caret.
#pragma once

#include "control/single_caret.h"

namespace wendax {

class TOvcCaretPair : public TOvcSingleCaret {
  public:
    // CaretIns is a new vertical line, CaretOvr a new block; insert mode is on.
    explicit TOvcCaretPair(TOvcBase& owner);

    TOvcCaret& CaretIns() const { return *FCaretIns; }
    TOvcCaret& CaretOvr() const { return *FCaretOvr; }
    // Take a share of `caret` and let the current one go; the slot of the current mode
    // also becomes the active caret. nullptr is ignored.
    void SetCaretIns(TOvcCaret* caret);
    void SetCaretOvr(TOvcCaret* caret);

    bool InsertMode() const { return FInsertMode; }
    void SetInsertMode(bool insertMode);

  private:
    // As members of the derived class both are let go before the base's destructor lets
    // the active caret go.
    TCaretRef FCaretIns;
    TCaretRef FCaretOvr;
    bool FInsertMode = true;
};

}  // namespace wendax
