// The program's clipboard text on the system clipboard. Each copy goes up as UTF-8 plain
// text that other programs understand and, under private types, as the exact bytes with
// their character set, so that copying and pasting within the program (or between two of
// its instances) is lossless for every byte.
#pragma once

#include <optional>

#include "platform/services.h"

class QMimeData;

namespace wendax {

// The private types: the exact bytes, and "UTF-8" or "8-bit" for how they are read (bytes
// without it are 8-bit, as earlier versions of the program put them there).
inline constexpr const char* kClipboardBytesType = "application/x-wendax-bytes";
inline constexpr const char* kClipboardCharSetType = "application/x-wendax-charset";

// Both forms of `text` in new mime data; each ends at its first NUL, and the plain text
// has line feeds for its line breaks.
QMimeData* MakeClipboardData(const TClipboardText& text);

// The text held by `data`: its exact bytes when the program put them there, and its plain
// text as UTF-8 with each line break (LF, CR LF or a lone CR) as CR LF, up to its first
// NUL; nothing when it holds neither.
std::optional<TClipboardText> ClipboardContent(const QMimeData* data);

bool HoldsClipboardText(const QMimeData* data);

}  // namespace wendax
