// Load, save, search and replace measurements. The whole-process load runs this program
// again as a child (`--load-child PATH`), so that it is timed from exec to exit like vim.
// vim's own commands are timed inside vim with reltime(), without its start and load.
#include "bench/file_bench.h"
#include "bench/json_lines.h"
#include "bench/process_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/exceptions.h"
#include "control/controller.h"
#include "control/text_file_editor.h"
#include "platform/headless/headless_platform.h"

namespace wendax {

namespace {

constexpr const char* kBench = "file";

constexpr const char* kAbsentWord = "elephant";
constexpr int kRuns = 3;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// One ex command timed inside vim on the loaded file; 0 when vim did not run.
double VimCommandSeconds(const std::string& path, const std::string& command,
                         const std::string& directory) {
    const std::string timeFile = directory + "/vim-time";
    const std::string report = "call writefile([reltimestr(reltime(g:t))], '" + timeFile + "')";
    const TProcessRun run =
        RunProcess({"vim", "-u", "NONE", "-i", "NONE", "-N", "-es", "-c", "let g:t = reltime()",
                    "-c", command, "-c", report, "-c", "qa!", path});
    const std::string seconds = ReadAll(timeFile);
    unlink(timeFile.c_str());
    return run.Ok && !seconds.empty() ? std::stod(seconds) : 0;
}

double BestVimCommand(const std::string& path, const std::string& command,
                      const std::string& directory, int runs) {
    double best = 0;
    for (int i = 0; i < runs; ++i) {
        const double seconds = VimCommandSeconds(path, command, directory);
        if (seconds > 0 && (best == 0 || seconds < best)) best = seconds;
    }
    return best;
}

std::string Compared(const char* name, double ours, double theirs) {
    if (theirs <= 0) return {};
    return Field((std::string(name) + "_seconds").c_str(), theirs) +
           Field((std::string("ratio_to_") + name).c_str(), ours / theirs);
}

// ---- The text under test: a text-file editor as the application uses it.

class TTextUnderTest {
  public:
    TTextUnderTest() {
        FEditor.SetController(&FController);
        FEditor.SetUndoBufferSize(16384);
        FEditor.SetTrimWhiteSpace(false);
    }
    void Load(const std::string& path) { FEditor.LoadFromFile(path); }
    void Save(const std::string& path) { FEditor.SaveToFile(path); }
    bool Search(const std::string& word, TEditorSearchOptions options) {
        return FEditor.Search(word, options);
    }
    std::int32_t Replace(const std::string& word, const std::string& by,
                         TEditorSearchOptions options) {
        return FEditor.Replace(word, by, options);
    }
    std::int32_t ParaCount() const { return FEditor.ParaCount(); }

  private:
    TOvcController FController;
    TOvcTextFileEditor FEditor;
};

// ---- Measurements

void MeasureLoad(const std::string& path, double bytes, bool withTools) {
    const TProcessRun ours = BestProcess({"/proc/self/exe", "--load-child", path});
    std::string json = Head(kBench, "load_whole_process", path) + Field("bytes", bytes) +
                       Field("seconds", ours.Seconds) + Field("cpu_seconds", ours.CpuSeconds) +
                       Field("peak_rss_bytes", ours.PeakBytes) +
                       Field("peak_rss_per_text_byte", ours.PeakBytes / bytes);
    if (withTools) {
        const TProcessRun vim =
            BestProcess({"vim", "-u", "NONE", "-i", "NONE", "-N", "-es", "-c", "q", path});
        if (vim.Ok) {
            json += Compared("vim", ours.Seconds, vim.Seconds) +
                    Field("vim_peak_rss_per_text_byte", vim.PeakBytes / bytes);
        }
    }
    Emit(json);
}

void MeasureSave(TTextUnderTest& text, const std::string& path, const std::string& directory,
                 bool withTools) {
    const std::string saved = directory + "/saved.txt";
    double best = 0;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = TClock::now();
        text.Save(saved);
        const double seconds = SecondsSince(start);
        if (i == 0 || seconds < best) best = seconds;
    }
    struct stat info {};
    stat(saved.c_str(), &info);
    const bool same = ReadAll(saved) == ReadAll(path);
    unlink(saved.c_str());
    std::string json = Head(kBench, "save_with_sync", path) + Field("seconds", best) +
                       Field("bytes_written", static_cast<double>(info.st_size)) +
                       Field("identical_to_file", same ? 1 : 0);
    if (withTools) {
        const std::string vimSaved = directory + "/vim-saved.txt";
        json += Compared("vim_w", best, BestVimCommand(path, "w! " + vimSaved, directory, kRuns));
        unlink(vimSaved.c_str());
    }
    Emit(json);
}

void MeasureSearch(TTextUnderTest& text, const std::string& path, bool withTools) {
    double best = 0;
    bool found = true;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = TClock::now();
        found = text.Search(kAbsentWord, srFind | srEntireScope);
        const double seconds = SecondsSince(start);
        if (i == 0 || seconds < best) best = seconds;
    }
    std::string json = Head(kBench, "search_absent_ignoring_case", path) + Field("seconds", best) +
                       Field("found", found ? 1 : 0);
    if (withTools) {
        const TProcessRun grep =
            BestProcess({"env", "LC_ALL=C.UTF-8", "grep", "-c", "-F", "-i", kAbsentWord, path});
        if (grep.Ok) json += Compared("grep", best, grep.Seconds);
    }
    Emit(json);
}

void MeasureReplaceAll(TTextUnderTest& text, const std::string& path, const std::string& directory,
                       bool withTools) {
    const auto start = TClock::now();
    std::int32_t replaced = 0;
    bool refused = false;
    try {
        replaced = text.Replace("the", "these", srReplaceAll | srMatchCase | srEntireScope);
    } catch (const EEditorError&) {  // a full paragraph cannot grow (lines of 1 MB)
        refused = true;
    }
    const double seconds = SecondsSince(start);
    std::string json = Head(kBench, "replace_all_the_by_these", path) + Field("seconds", seconds) +
                       Field("replaced", replaced) + Field("refused", refused ? 1 : 0);
    if (withTools) {
        json += Compared("vim", seconds, BestVimCommand(path, "%s/the/these/g", directory, 1));
    }
    Emit(json);
}

}  // namespace

int LoadInThisProcess(const std::string& path) {
    THeadlessPlatform platform;
    TTextUnderTest text;
    text.Load(path);
    return text.ParaCount() > 0 ? 0 : 1;
}

void MeasureFileOperations(const std::string& path, bool withTools) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return;
    char directory[] = "/tmp/wendax-file-bench-XXXXXX";
    if (mkdtemp(directory) == nullptr) return;
    MeasureLoad(path, static_cast<double>(info.st_size), withTools);
    THeadlessPlatform platform;
    TTextUnderTest text;
    text.Load(path);
    MeasureSave(text, path, directory, withTools);
    MeasureSearch(text, path, withTools);
    MeasureReplaceAll(text, path, directory, withTools);
    rmdir(directory);
}

}  // namespace wendax
