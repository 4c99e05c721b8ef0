// Writing a store's text as a text file.
#pragma once

#include "engine/line_end.h"
#include "engine/para_list.h"
#include "platform/file_system.h"

namespace wendax {

// Writes every paragraph followed by the line end, except that an empty last paragraph is
// not written at all. Failures of `out` are raised as it raises them.
void WriteTextFile(TParaList& store, TFileReplacement& out, TLineEnd lineEnd);

}  // namespace wendax
