// Benchmark of the paragraph store: building it from a text file, its peak memory, a full
// re-wrap, sequential and random line and paragraph lookups and random single-character
// edits, side by side with vim loading the same file; then loading, saving, searching and
// replacing in the file (file_bench.cpp). Prints one JSON object per measurement.
//
//   store_bench [--file PATH]... [--sizes MB,MB] [--no-vim] [--keep] [--files-only]
//
// Without --file it writes deterministic corpus files of the given sizes (default 10 and
// 100 MB (10^6 bytes) of ~60-byte lines, the same in UTF-8 with a fifth of the prose words in
// other scripts, then the same sizes in lines of 10 KB and of 1 MB) to a temporary directory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/corpus_writer.h"
#include "bench/file_bench.h"
#include "bench/json_lines.h"
#include "bench/process_run.h"
#include "engine/para_list.h"
#include "platform/headless/headless_platform.h"

namespace wendax {
namespace {

constexpr const char* kBench = "store";

struct TOptions {
    std::vector<std::string> Files;
    std::vector<long> SizesMb{10, 100};
    bool Vim = true;
    bool Keep = false;
    bool FilesOnly = false;
};

// ---- Loading, as the store sees it for the corpus: a line ends at CR (CR LF together);
// lines longer than a paragraph continue in further paragraphs. (The corpus holds no lone
// LF and no byte 26; the editor's own reader is timed by the file measurements.)

class TLineReader {
  public:
    explicit TLineReader(TParaList& store) : FStore(store) { FLine.reserve(kMaxParaLength); }
    std::size_t Load(const std::string& path);

  private:
    void Add(std::string_view part);
    void EndLine();

    TParaList& FStore;
    std::string FLine;
    std::size_t FLines = 0;
};

void TLineReader::Add(std::string_view part) {
    while (FLine.size() + part.size() > static_cast<std::size_t>(kMaxParaLength)) {
        const std::size_t take = static_cast<std::size_t>(kMaxParaLength) - FLine.size();
        FLine.append(part.substr(0, take));
        EndLine();
        part.remove_prefix(take);
    }
    FLine.append(part);
}

void TLineReader::EndLine() {
    FStore.AppendLoadedPara(FLine, false, leLf);
    FLine.clear();
    ++FLines;
}

std::size_t TLineReader::Load(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) std::exit(2);
    std::vector<char> buffer(64 * 1024);
    bool afterCr = false;
    ssize_t got = 0;
    while ((got = read(fd, buffer.data(), buffer.size())) > 0) {
        std::string_view data(buffer.data(), static_cast<std::size_t>(got));
        if (afterCr && data.front() == '\n') data.remove_prefix(1);
        afterCr = false;
        for (std::size_t cr; (cr = data.find('\r')) != std::string_view::npos;) {
            Add(data.substr(0, cr));
            EndLine();
            data.remove_prefix(cr + 1);
            if (data.empty()) afterCr = true;
            if (!data.empty() && data.front() == '\n') data.remove_prefix(1);
        }
        Add(data);
    }
    close(fd);
    if (!FLine.empty()) EndLine();
    return FLines;
}

// ---- Measurements

long PeakRssKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// What one build reports from its child process.
struct TBuildRun {
    double Seconds = 0;
    double PeakBytes = 0;
    double BaseBytes = 0;
    double Lines = 0;
    double Paragraphs = 0;
    double UsedBytes = 0;
    double ReservedBytes = 0;
};

class TStoreBench {
  public:
    explicit TStoreBench(std::string path)
        : FPath(std::move(path)), FStore(nullptr, false, 16384) {}
    TBuildRun Build();
    // The measurements on the built store.
    void Run();

  private:
    void Rewrap(const char* measure, bool wrap);
    void SequentialLookups(const char* measure);
    void RandomLookups(const char* measure);
    void RandomParaLookups(const char* measure);
    void RandomEdits();
    TParaPos RandomPlace();

    std::string FPath;
    THeadlessPlatform FPlatform;
    TParaList FStore;
    std::mt19937 FRandom{12345};
};

void TStoreBench::Run() {
    Rewrap("word_wrap_on_80", true);
    SequentialLookups("get_line_sequential_wrapped");
    RandomLookups("get_line_random_wrapped");
    RandomParaLookups("find_para_random_wrapped");
    RandomEdits();
    Rewrap("word_wrap_off", false);
    SequentialLookups("get_line_sequential");
    RandomLookups("get_line_random");
    RandomParaLookups("find_para_random");
}

TBuildRun TStoreBench::Build() {
    TBuildRun run;
    run.BaseBytes = static_cast<double>(PeakRssKb()) * 1024;
    const auto start = TClock::now();
    run.Lines = static_cast<double>(TLineReader(FStore).Load(FPath));
    run.Seconds = SecondsSince(start);
    run.PeakBytes = static_cast<double>(PeakRssKb()) * 1024;
    run.Paragraphs = FStore.ParaCount();
    run.UsedBytes = static_cast<double>(FStore.MemoryUsed());
    run.ReservedBytes = static_cast<double>(FStore.MemoryReserved());
    // Both corpora are valid UTF-8, which is how the editor reads them, so the wrap and
    // lookups below count characters and cells as a user's window does.
    FStore.SetCharSet(chUtf8);
    return run;
}

void TStoreBench::Rewrap(const char* measure, bool wrap) {
    FStore.SetWrapColumn(80);
    const auto start = TClock::now();
    const double cpuStart = ThreadCpuSeconds();
    FStore.SetWordWrap(wrap);
    const double cpuSeconds = ThreadCpuSeconds() - cpuStart;
    const double seconds = SecondsSince(start);
    Emit(Head(kBench, measure, FPath) + Field("seconds", seconds) +
         Field("cpu_seconds", cpuSeconds) + Field("line_count", FStore.LineCount()));
}

void TStoreBench::RandomLookups(const char* measure) {
    constexpr int kLookups = 1000;
    std::size_t checksum = 0;
    const auto start = TClock::now();
    for (int i = 0; i < kLookups; ++i) {
        checksum += FStore.GetLine(1 + static_cast<std::int32_t>(FRandom() % FStore.LineCount()))
                        .Text.size();
    }
    const double seconds = SecondsSince(start);
    Emit(Head(kBench, measure, FPath) + Field("lookups", kLookups) + Field("seconds", seconds) +
         Field("us_per_lookup", seconds * 1e6 / kLookups) +
         Field("checksum", static_cast<double>(checksum)));
}

// Every display line from the first to the last, as painting or saving reads them.
void TStoreBench::SequentialLookups(const char* measure) {
    const std::int32_t lines = FStore.LineCount();
    std::size_t checksum = 0;
    const auto start = TClock::now();
    for (std::int32_t n = 1; n <= lines; ++n)
        checksum += FStore.GetLine(n).Text.size();
    const double seconds = SecondsSince(start);
    Emit(Head(kBench, measure, FPath) + Field("lookups", lines) + Field("seconds", seconds) +
         Field("ns_per_lookup", seconds * 1e9 / lines) +
         Field("checksum", static_cast<double>(checksum)));
}

void TStoreBench::RandomParaLookups(const char* measure) {
    constexpr int kLookups = 1000;
    std::size_t checksum = 0;
    const auto start = TClock::now();
    for (int i = 0; i < kLookups; ++i) {
        checksum += FStore.FindPara(1 + static_cast<std::int32_t>(FRandom() % FStore.ParaCount()));
    }
    const double seconds = SecondsSince(start);
    Emit(Head(kBench, measure, FPath) + Field("lookups", kLookups) + Field("seconds", seconds) +
         Field("us_per_lookup", seconds * 1e6 / kLookups) +
         Field("checksum", static_cast<double>(checksum)));
}

// A random position in a random paragraph; finding it moves the store's cache there, as an
// editor's caret would be before typing.
TParaPos TStoreBench::RandomPlace() {
    const auto para = 1 + static_cast<std::int32_t>(FRandom() % FStore.ParaCount());
    return {para, 1 + static_cast<std::int32_t>(FRandom() % (FStore.ParaLength(para) + 1))};
}

// Alternating single-character inserts and deletes at random places with word wrap on.
// `seconds_with_lookup` is the whole run: finding the random paragraph and editing it.
// `us_per_edit` is the edit alone (the paragraph already found, as under a caret) and
// `us_per_random_paragraph_lookup` the finding alone.
void TStoreBench::RandomEdits() {
    constexpr int kEdits = 10000;
    double editSeconds = 0;
    double findSeconds = 0;
    for (int i = 0; i < kEdits; ++i) {
        const auto findStart = TClock::now();
        const TParaPos at = RandomPlace();
        const auto start = TClock::now();
        if (i % 2 == 0) {
            FStore.InsertChars(nullptr, at.Para, at.Pos, "x");
        } else {
            FStore.DeleteChars(nullptr, at.Para, at.Pos, 1);
        }
        const auto end = TClock::now();
        findSeconds += std::chrono::duration<double>(start - findStart).count();
        editSeconds += std::chrono::duration<double>(end - start).count();
    }
    Emit(Head(kBench, "insert_delete_random_wrapped", FPath) + Field("edits", kEdits) +
         Field("seconds_with_lookup", findSeconds + editSeconds) +
         Field("us_per_edit_with_lookup", (findSeconds + editSeconds) * 1e6 / kEdits) +
         Field("seconds", editSeconds) + Field("us_per_edit", editSeconds * 1e6 / kEdits) +
         Field("us_per_random_paragraph_lookup", findSeconds * 1e6 / kEdits) +
         Field("line_count", FStore.LineCount()));
}

// Builds the store in a child process, so that the peak resident memory is its own, and
// reports the build through a pipe; with `measureMore` the child goes on with the other
// measurements, printing them.
TBuildRun BuildInChild(const std::string& path, bool measureMore) {
    int channel[2];
    if (pipe(channel) != 0) std::exit(2);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        TStoreBench bench(path);
        const TBuildRun run = bench.Build();
        if (write(channel[1], &run, sizeof(run)) != static_cast<ssize_t>(sizeof(run))) _exit(1);
        close(channel[1]);
        if (measureMore) bench.Run();
        std::fflush(stdout);
        _exit(0);
    }
    close(channel[1]);
    TBuildRun run;
    if (read(channel[0], &run, sizeof(run)) != static_cast<ssize_t>(sizeof(run))) std::exit(2);
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::exit(2);
    return run;
}

void EmitBuild(const std::string& path, double bytes, const TBuildRun& run,
               const TProcessRun& vim) {
    std::string json = Head(kBench, "build", path) + Field("bytes", bytes) +
                       Field("lines", run.Lines) + Field("paragraphs", run.Paragraphs) +
                       Field("seconds", run.Seconds) + Field("peak_rss_bytes", run.PeakBytes) +
                       Field("peak_rss_per_text_byte", run.PeakBytes / bytes) +
                       Field("rss_before_build_bytes", run.BaseBytes) +
                       Field("store_used_bytes", run.UsedBytes) +
                       Field("store_reserved_bytes", run.ReservedBytes);
    if (vim.Ok) {
        json += Field("vim_seconds", vim.Seconds) +
                Field("ratio_to_vim", run.Seconds / vim.Seconds) +
                Field("vim_peak_rss_per_text_byte", vim.PeakBytes / bytes);
    }
    Emit(json);
}

// Times are the best of three runs, for vim and the store alike (the file is in the page
// cache for all of them); the other measurements run on a fourth build.
void MeasureFile(const std::string& path, const TOptions& options) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        std::exit(2);
    }
    const auto bytes = static_cast<double>(info.st_size);
    const TProcessRun vim =
        options.Vim ? BestProcess({"vim", "-u", "NONE", "-i", "NONE", "-N", "-es", "-c", "q", path})
                    : TProcessRun{};
    if (vim.Ok) {
        Emit(Head(kBench, "vim_load", path) + Field("bytes", bytes) +
             Field("seconds", vim.Seconds) + Field("peak_rss_bytes", vim.PeakBytes) +
             Field("peak_rss_per_text_byte", vim.PeakBytes / bytes));
    }
    TBuildRun best;
    for (int i = 0; i < 3; ++i) {
        const TBuildRun run = BuildInChild(path, false);
        if (i == 0 || run.Seconds < best.Seconds) best = run;
    }
    EmitBuild(path, bytes, best, vim);
    BuildInChild(path, true);
}

void MeasureFileAndOperations(const std::string& path, const TOptions& options) {
    if (!options.FilesOnly) MeasureFile(path, options);
    MeasureFileOperations(path, options.Vim);
}

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--file" && i + 1 < argc) {
            options.Files.emplace_back(argv[++i]);
        } else if (arg == "--sizes" && i + 1 < argc) {
            options.SizesMb = ParseSizesMb(argv[++i]);
        } else if (arg == "--no-vim") {
            options.Vim = false;
        } else if (arg == "--keep") {
            options.Keep = true;
        } else if (arg == "--files-only") {
            options.FilesOnly = true;
        } else {
            std::fprintf(stderr,
                         "usage: store_bench [--file PATH]... [--sizes MB,MB] [--no-vim] [--keep] "
                         "[--files-only]\n");
            std::exit(2);
        }
    }
    return options;
}

}  // namespace
}  // namespace wendax

int main(int argc, char** argv) {
    using namespace wendax;
    if (argc == 3 && std::string_view(argv[1]) == "--load-child") return LoadInThisProcess(argv[2]);
    const TOptions options = ParseOptions(argc, argv);
    for (const std::string& file : options.Files)
        MeasureFileAndOperations(file, options);
    if (!options.Files.empty()) return 0;
    char directory[] = "/tmp/wendax-bench-XXXXXX";
    if (mkdtemp(directory) == nullptr) return 2;
    for (const long megabytes : options.SizesMb) {
        const std::string path =
            std::string(directory) + "/corpus-" + std::to_string(megabytes) + "mb.txt";
        TCorpusWriter(static_cast<std::uint64_t>(megabytes))
            .Write(path, static_cast<std::size_t>(megabytes) * 1000000);
        MeasureFileAndOperations(path, options);
        if (!options.Keep) unlink(path.c_str());
        // The same size with a fifth of the prose words in other scripts.
        const std::string utf8Path =
            std::string(directory) + "/corpus-utf8-" + std::to_string(megabytes) + "mb.txt";
        TCorpusWriter(static_cast<std::uint64_t>(megabytes), TCorpusScript::Utf8)
            .Write(utf8Path, static_cast<std::size_t>(megabytes) * 1000000);
        MeasureFileAndOperations(utf8Path, options);
        if (!options.Keep) unlink(utf8Path.c_str());
        // The same size in long lines: 10 KB lines, and lines of 1 MB that the store keeps
        // as paragraphs and their continuations.
        for (const std::size_t lineBytes : {std::size_t{10000}, std::size_t{1000000}}) {
            const std::string longPath = std::string(directory) + "/corpus-" +
                                         std::to_string(megabytes) + "mb-lines-of-" +
                                         std::to_string(lineBytes / 1000) + "kb.txt";
            TCorpusWriter(static_cast<std::uint64_t>(megabytes))
                .WriteLongLines(longPath, static_cast<std::size_t>(megabytes) * 1000000 / lineBytes,
                                lineBytes);
            MeasureFileAndOperations(longPath, options);
            if (!options.Keep) unlink(longPath.c_str());
        }
    }
    if (!options.Keep) rmdir(directory);
    return 0;
}
