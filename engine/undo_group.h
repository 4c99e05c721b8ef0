// Scoped undo group: every record written while it lives belongs to one group, which one
// undo reverses. Groups nest; an inner group changes nothing. Closing happens on every path
// out of the scope, exceptions included.
#pragma once

#include "engine/undo_buffer.h"

namespace wendax {

class TUndoGroup {
  public:
    explicit TUndoGroup(TUndoBuffer& buffer) : FBuffer(buffer), FPrevious(buffer.BeginGroup()) {}
    ~TUndoGroup() { FBuffer.EndGroup(FPrevious); }
    TUndoGroup(const TUndoGroup&) = delete;
    TUndoGroup& operator=(const TUndoGroup&) = delete;

  private:
    TUndoBuffer& FBuffer;
    bool FPrevious;
};

}  // namespace wendax
