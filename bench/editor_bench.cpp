// Benchmark of the editor engine: a text file loaded through AppendPara, then characters
// typed at random places with word wrap on, through SetCaretPosition and
// ProcessCommand(ccInsertChar) with a headless window of 80 x 25 cells attached, and the
// recovery journal of the typed text written and checked as the application does. Prints
// one JSON object per measurement.
//
//   editor_bench [--file PATH]... [--sizes MB,MB] [--keep]
//
// Without --file it writes the deterministic corpus of the given sizes (default 100 MB
// (10^6 bytes)) and its UTF-8 variant to a temporary directory; into the UTF-8 corpus it types
// characters of two to four bytes among ASCII letters.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/editor/recovery_journal.h"
#include "bench/corpus_writer.h"
#include "bench/json_lines.h"
#include "bench/read_whole_file.h"
#include "control/controller.h"
#include "control/text_file_editor.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"

namespace wendax {
namespace {

constexpr const char* kBench = "editor";

struct TOptions {
    std::vector<std::string> Files;
    std::vector<long> SizesMb{100};
    bool Keep = false;
};

class TEditorBench {
  public:
    // `typed` holds the characters typed, in turn.
    TEditorBench(std::string path, std::u32string typed)
        : FPath(std::move(path)), FTyped(std::move(typed)) {
        FEditor.SetController(&FController);
        FEditor.SetTrimWhiteSpace(false);
        FEditor.SetUndoBufferSize(16384);
    }
    ~TEditorBench() { FEditor.DetachWindow(); }

    void Load();
    void TypeAtRandomPlaces();
    void WriteJournal(const std::string& folder);

  private:
    THeadlessPlatform FPlatform;
    TOvcController FController;
    TOvcTextFileEditor FEditor;
    THeadlessWindow FWindow{FEditor, {15 + 5 + 80 * 8, 25 * 17}};
    std::string FPath;
    std::u32string FTyped;
    std::mt19937 FRandom{12345};
};

// Lines end at LF, with a CR before it belonging to the line end (the corpus has CR LF);
// each goes through AppendPara as file loading hands it over.
void TEditorBench::Load() {
    const std::string text = ReadWholeFile(FPath);
    const auto start = TClock::now();
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t lf = std::min(text.find('\n', at), text.size());
        const std::size_t end = lf > at && text[lf - 1] == '\r' ? lf - 1 : lf;
        FEditor.AppendPara(std::string_view(text).substr(at, end - at));
        at = lf + 1;
    }
    const double seconds = SecondsSince(start);
    FEditor.SetCharSet(chUtf8);  // both corpora are valid UTF-8, as loading would find
    FEditor.AttachWindow(FWindow);
    FEditor.SetWordWrap(true);
    Emit(Head(kBench, "load_append_para", FPath) +
         Field("bytes", static_cast<double>(text.size())) + Field("seconds", seconds) +
         Field("paragraphs", FEditor.ParaCount()) +
         Field("lines_wrapped_at_80", FEditor.LineCount()));
}

// The caret is placed untimed (a random place needs a walk through the paragraph list that
// the caret has already made when a user types); the typing is timed: the command, the
// store's edit and re-wrap, the caret move, keeping it in view and the repaint request.
void TEditorBench::TypeAtRandomPlaces() {
    constexpr int kChars = 10000;
    double typeSeconds = 0;
    double placeSeconds = 0;
    for (int i = 0; i < kChars; ++i) {
        const auto placeStart = TClock::now();
        const auto line = 1 + static_cast<std::int32_t>(FRandom() % FEditor.LineCount());
        const std::int32_t length =
            static_cast<std::int32_t>(FEditor.GetPrintableLine(line).size());
        FEditor.SetCaretPosition(line, 1 + static_cast<std::int32_t>(FRandom() % (length + 1)));
        placeSeconds += SecondsSince(placeStart);
        const auto start = TClock::now();
        FEditor.ProcessCommand(ccInsertChar, FTyped[static_cast<std::size_t>(i) % FTyped.size()]);
        typeSeconds += SecondsSince(start);
        FWindow.Posted.clear();
    }
    const std::string problem = FEditor.CheckInvariants();
    Emit(Head(kBench, "type_random_places_wrapped", FPath) + Field("chars", kChars) +
         Field("seconds", typeSeconds) + Field("us_per_char", typeSeconds * 1e6 / kChars) +
         Field("us_per_random_caret_placement", placeSeconds * 1e6 / kChars) +
         Field("invariants_hold", problem.empty() ? 1 : 0));
}

// The journal an editor window writes once typing pauses: header, the text as saving writes
// it, trailer, fsync, rename and folder sync; then the check the next start makes before it
// offers the journal (header, trailer and the checksum over every byte).
void TEditorBench::WriteJournal(const std::string& folder) {
    const TProcessId owner = ThisProcess();
    const std::string path = JournalPath(folder, owner, 1);
    const auto start = TClock::now();
    {
        TJournalWriter journal(path, TJournalHeader{owner, FPath, false});
        FEditor.WriteText(journal);
        journal.Commit({});
    }
    const double writeSeconds = SecondsSince(start);
    const auto checkStart = TClock::now();
    const auto journal = ReadJournal(path);
    const double checkSeconds = SecondsSince(checkStart);
    RemoveJournal(path);
    Emit(Head(kBench, "recovery_journal", FPath) +
         Field("bytes", journal ? static_cast<double>(journal->TextLength) : 0.0) +
         Field("write_seconds", writeSeconds) + Field("check_seconds", checkSeconds));
}

constexpr std::u32string_view kAsciiTyped = U"abcdefghijklmnopqrstuvwxyz";
// Two, three and four bytes each in UTF-8, with letters between them.
constexpr std::u32string_view kUtf8Typed = U"aéλжb日😀cñ";

void MeasureFile(const std::string& path, const std::string& folder, std::u32string_view typed) {
    TEditorBench bench(path, std::u32string(typed));
    bench.Load();
    bench.TypeAtRandomPlaces();
    bench.WriteJournal(folder);
}

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--file" && i + 1 < argc) {
            options.Files.emplace_back(argv[++i]);
        } else if (arg == "--sizes" && i + 1 < argc) {
            options.SizesMb = ParseSizesMb(argv[++i]);
        } else if (arg == "--keep") {
            options.Keep = true;
        } else {
            std::fprintf(stderr, "usage: editor_bench [--file PATH]... [--sizes MB,MB] [--keep]\n");
            std::exit(2);
        }
    }
    return options;
}

}  // namespace
}  // namespace wendax

int main(int argc, char** argv) {
    using namespace wendax;
    const TOptions options = ParseOptions(argc, argv);
    char directory[] = "/tmp/wendax-editor-bench-XXXXXX";
    if (mkdtemp(directory) == nullptr) return 2;
    for (const std::string& file : options.Files)
        MeasureFile(file, directory, kAsciiTyped);
    for (const long megabytes : options.Files.empty() ? options.SizesMb : std::vector<long>{}) {
        const std::string path =
            std::string(directory) + "/corpus-" + std::to_string(megabytes) + "mb.txt";
        TCorpusWriter(static_cast<std::uint64_t>(megabytes))
            .Write(path, static_cast<std::size_t>(megabytes) * 1000000);
        MeasureFile(path, directory, kAsciiTyped);
        if (!options.Keep) unlink(path.c_str());
        const std::string utf8Path =
            std::string(directory) + "/corpus-utf8-" + std::to_string(megabytes) + "mb.txt";
        TCorpusWriter(static_cast<std::uint64_t>(megabytes), TCorpusScript::Utf8)
            .Write(utf8Path, static_cast<std::size_t>(megabytes) * 1000000);
        MeasureFile(utf8Path, directory, kUtf8Typed);
        if (!options.Keep) unlink(utf8Path.c_str());
    }
    if (!options.Keep) rmdir(directory);
    return 0;
}
