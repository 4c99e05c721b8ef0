#include "bench/corpus_writer.h"

#include <cstdio>
#include <cstdlib>

namespace wendax {

void TCorpusWriter::Words(std::string& line, std::size_t length) {
    static const char* const kWords[] = {"the",   "store", "keeps", "every",      "paragraph",
                                         "of",    "text",  "in",    "order",      "and",
                                         "wraps", "lines", "at",    "a",          "column",
                                         "when",  "asked", "to",    "well-known", "undo"};
    static const char* const kWordsUtf8[] = {"café",    "naïve",  "Grüße", "Ærø",    "łódź",
                                             "ÉTÉ",     "señor",  "øre",   "λόγος",  "Ελλάδα",
                                             "κείμενο", "σελίδα", "слово", "Москва", "ТЕКСТ",
                                             "строка",  "日本語", "文字",  "編集",   "東京"};
    while (line.size() < length) {
        const bool utf8 = FScript == TCorpusScript::Utf8 && Pick(5) == 0;
        line += utf8 ? kWordsUtf8[Pick(20)] : kWords[Pick(20)];
        line += Pick(12) == 0 ? ", " : " ";
    }
    line.pop_back();
}

void TCorpusWriter::CodeLine(std::string& line) {
    static const char* const kTokens[] = {
        "value", "=", "count",  "+",           "1;",    "if",  "(",           "index", ")",
        "{",     "}", "return", "node->Next;", "const", "int", "std::string", "::",    "&&"};
    const int depth = Pick(5);
    line.append(Pick(7) == 0 ? std::string(static_cast<std::size_t>(depth), '\t')
                             : std::string(static_cast<std::size_t>(depth * 4), ' '));
    const std::size_t length = line.size() + 16 + static_cast<std::size_t>(Pick(70));
    while (line.size() < length) {
        line += kTokens[Pick(18)];
        line += ' ';
    }
    line.pop_back();
}

void TCorpusWriter::Line(std::string& line, std::size_t number) {
    line.clear();
    const int kind = Pick(100);
    if (number % 40000 == 39999) {
        Words(line, 2000 + static_cast<std::size_t>(Pick(6000)));
    } else if (kind < 10) {
        // empty
    } else if (kind < 55) {
        CodeLine(line);
    } else {
        Words(line, 29 + static_cast<std::size_t>(Pick(80)));
    }
}

void TCorpusWriter::Write(const std::string& path, std::size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::exit(2);
    std::string block;
    std::string line;
    std::size_t written = 0;
    for (std::size_t number = 0; written + block.size() < bytes; ++number) {
        Line(line, number);
        block += line;
        block += "\r\n";
        if (block.size() > (1u << 20)) {
            written += std::fwrite(block.data(), 1, block.size(), file);
            block.clear();
        }
    }
    std::fwrite(block.data(), 1, block.size(), file);
    std::fclose(file);
}

void TCorpusWriter::WriteLongLines(const std::string& path, std::size_t lines,
                                   std::size_t lineBytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::exit(2);
    std::string line;
    for (std::size_t number = 0; number < lines; ++number) {
        line.clear();
        Words(line, lineBytes);
        line.resize(lineBytes, '.');
        line += "\r\n";
        std::fwrite(line.data(), 1, line.size(), file);
    }
    std::fclose(file);
}

}  // namespace wendax
