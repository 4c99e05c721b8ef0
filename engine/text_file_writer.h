// Writing a store's text as a text file.
#pragma once

#include <cstdint>

#include "engine/para_list.h"
#include "platform/file_system.h"

namespace wendax {

// Writes every paragraph followed by its own line end, except that an empty last paragraph
// is not written at all. Returns the TByteChecksum of the bytes written. Failures of `out`
// are raised as it raises them.
std::uint64_t WriteTextFile(TParaList& store, TFileReplacement& out);

}  // namespace wendax
