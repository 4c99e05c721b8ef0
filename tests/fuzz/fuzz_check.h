// The oracle's failure: the fuzzer (or the replay of a stored input) stops at once with what
// went wrong, so that libFuzzer keeps the input as a crash.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define WENDAX_FUZZ_CHECK(condition, what)                                              \
    do {                                                                                \
        if (!(condition)) ::wendax::fuzz::Fail(__FILE__, __LINE__, #condition, (what)); \
    } while (false)

namespace wendax::fuzz {

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& what) {
    std::fprintf(stderr, "%s:%d: oracle failed: %s\n  %s\n", file, line, condition, what.c_str());
    std::abort();
}

}  // namespace wendax::fuzz
