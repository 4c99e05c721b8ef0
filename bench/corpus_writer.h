// The benchmarks' corpus: code-like indented lines, prose, empty lines, some tabs, and now
// and then a line of several KB; CR LF line ends. Deterministic for a given seed and size.
// The UTF-8 corpus is the same with about a fifth of the prose words in accented Latin,
// Greek, Cyrillic and CJK.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

namespace wendax {

enum class TCorpusScript { Ascii, Utf8 };

class TCorpusWriter {
  public:
    explicit TCorpusWriter(std::uint64_t seed, TCorpusScript script = TCorpusScript::Ascii)
        : FRandom(seed), FScript(script) {}
    // Writes about `bytes` bytes of whole lines to `path`; exits the process with 2 when
    // the file cannot be created.
    void Write(const std::string& path, std::size_t bytes);
    // Writes `lines` prose lines of exactly `lineBytes` bytes each, CR LF after each
    // (minified data, log lines, generated text). Exits with 2 as Write does.
    void WriteLongLines(const std::string& path, std::size_t lines, std::size_t lineBytes);

  private:
    int Pick(int n) { return static_cast<int>(FRandom() % static_cast<std::uint64_t>(n)); }
    void Words(std::string& line, std::size_t length);
    void CodeLine(std::string& line);
    void Line(std::string& line, std::size_t number);

    std::mt19937_64 FRandom;
    TCorpusScript FScript;
};

}  // namespace wendax
