// How one line of a text file ends. Every paragraph of the store carries the line end
// written after it.
#pragma once

#include <cstdint>
#include <string_view>

namespace wendax {

enum TLineEnd : std::uint8_t {
    leLf = 0,    // line feed (10): this system's convention, taken by new texts
    leCrLf = 1,  // carriage return and line feed (13, 10)
    leCr = 2,    // a lone carriage return (13)
    // No line end. After the last paragraph: the file ends without a final line end.
    // After any other paragraph: the next paragraph continues the same line of the file
    // (a line longer than a paragraph can hold).
    leNone = 3,
};

inline constexpr int kLineEndKinds = 4;

inline std::string_view LineEndBytes(TLineEnd lineEnd) {
    switch (lineEnd) {
        case leLf:
            return "\n";
        case leCrLf:
            return "\r\n";
        case leCr:
            return "\r";
        case leNone:
            break;
    }
    return {};
}

// The line end a line break makes where the paragraph had `lineEnd`: the same one, or
// `style` where the paragraph had none.
inline TLineEnd BreakingLineEnd(TLineEnd lineEnd, TLineEnd style) {
    return lineEnd == leNone ? style : lineEnd;
}

}  // namespace wendax
