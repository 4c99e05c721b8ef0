// How the lines of a text file end.
#pragma once

#include <cstdint>
#include <string_view>

namespace wendax {

enum TLineEnd : std::uint8_t {
    // CR LF after every line. On reading, a CR ends a line, an LF directly after it belongs
    // to that line end and any other LF is a character of the line.
    leCrLf,
    // LF after every line: the form of a file that holds LF bytes and no CR at all.
    leLf,
};

inline std::string_view LineEndBytes(TLineEnd lineEnd) {
    return lineEnd == leLf ? std::string_view("\n") : std::string_view("\r\n");
}

}  // namespace wendax
