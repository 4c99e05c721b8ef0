// The program's clipboard text (8-bit bytes, CR LF between lines) on the system clipboard.
// Each copy goes up twice: as plain text that other programs understand and, under a
// private type, as the exact bytes, so that copying and pasting within the program (or
// between two of its instances) is lossless for every byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

class QMimeData;

namespace wendax {

// The private type carrying the exact bytes.
inline constexpr const char* kClipboardBytesType = "application/x-wendax-bytes";

// Both forms of `bytes`, which end at their first NUL, in new mime data.
QMimeData* MakeClipboardData(std::string_view bytes);

// The bytes held by `data`: the exact bytes when the program put them there, else its plain
// text converted; nothing when it holds neither.
std::optional<std::string> ClipboardBytes(const QMimeData* data);

bool HoldsClipboardText(const QMimeData* data);

}  // namespace wendax
