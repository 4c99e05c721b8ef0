// Benchmark of the editor's view through a headless window of 120 x 50 cells on a large
// text with word wrap on: paging down through the whole text (the commands alone, and with
// each page painted into the recording surface), and one keystroke in the middle of the
// text with the area it invalidates. Prints one JSON object per measurement.
//
//   view_bench [--file PATH] [--size MB]
//
// Without --file it writes the deterministic corpus (default 100 MB) to a temporary file.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bench/corpus_writer.h"
#include "bench/json_lines.h"
#include "bench/read_whole_file.h"
#include "control/controller.h"
#include "control/custom_editor.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/headless_window.h"

namespace wendax {
namespace {

void Emit(const char* measure, const std::string& fields) {
    std::printf("{\"bench\":\"view\",\"measure\":\"%s\"%s}\n", measure, fields.c_str());
    std::fflush(stdout);
}

class TViewBench {
  public:
    static constexpr int kColumns = 120;
    static constexpr int kRows = 50;

    TViewBench() {
        FEditor.SetController(&FController);
        FEditor.SetTrimWhiteSpace(false);
    }
    ~TViewBench() { FEditor.DetachWindow(); }

    void Load(const std::string& path);
    void PageDown(bool paint);
    void KeystrokeInTheMiddle();

  private:
    void Settle() {
        FWindow.PaintInvalid();
        FWindow.Paints.clear();
        FWindow.Posted.clear();
    }

    THeadlessPlatform FPlatform;
    TOvcController FController;
    TOvcCustomEditor FEditor;
    THeadlessWindow FWindow{FEditor, {15 + 5 + kColumns * 8, kRows * 17}};
};

void TViewBench::Load(const std::string& path) {
    const std::string text = ReadWholeFile(path);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t lf = std::min(text.find('\n', at), text.size());
        const std::size_t end = lf > at && text[lf - 1] == '\r' ? lf - 1 : lf;
        FEditor.AppendPara(std::string_view(text).substr(at, end - at));
        at = lf + 1;
    }
    FEditor.AttachWindow(FWindow);
    FWindow.SetFocused(true);
    FEditor.SetWordWrap(true);
    Settle();
    Emit("loaded", Field("bytes", static_cast<double>(text.size())) +
                       Field("paragraphs", FEditor.ParaCount()) +
                       Field("lines_wrapped_at_80", FEditor.LineCount()) +
                       Field("visible_rows", FEditor.VisibleRows()) +
                       Field("visible_columns", FEditor.VisibleColumns()));
}

// From the first line to the last, one ccNextPage at a time (a page is VisibleRows - 1
// lines); with `paint` every page is also painted, each row drawn into the recording
// surface, and its status report taken from the queue.
void TViewBench::PageDown(bool paint) {
    FEditor.ProcessCommand(ccFirstPage, 0);
    Settle();
    int pages = 0;
    std::int32_t col = 0;
    const auto start = TClock::now();
    for (std::int32_t line = 0; line != FEditor.GetCaretPosition(col); ++pages) {
        line = FEditor.GetCaretPosition(col);
        FEditor.ProcessCommand(ccNextPage, 0);
        if (paint) FWindow.PaintInvalid();
        FWindow.Paints.clear();
        FWindow.Posted.clear();
    }
    const double seconds = SecondsSince(start);
    Emit(paint ? "page_down_painted" : "page_down",
         Field("pages", pages) + Field("seconds", seconds) +
             Field("us_per_page", seconds * 1e6 / pages) + Field("top_line", FEditor.TopLine()));
}

// The rectangles invalidated by one character typed in the middle of the text, and the
// rows the following paint draws.
void TViewBench::KeystrokeInTheMiddle() {
    FEditor.SetCaretPosition(FEditor.LineCount() / 2, 5);
    Settle();
    FWindow.Invalidations.clear();
    const auto start = TClock::now();
    FEditor.ProcessCommand(ccInsertChar, 'x');
    const double typed = SecondsSince(start);
    std::string rects;
    for (const TRect& r : FWindow.Invalidations) {
        rects += "[" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                 std::to_string(r.Right) + "," + std::to_string(r.Bottom) + "]";
    }
    FWindow.PaintInvalid();
    int textOuts = 0;
    for (const THeadlessPaintOp& op : FWindow.Paints.back().Ops)
        textOuts += op.Kind == pkTextOut ? 1 : 0;
    std::printf(
        "{\"bench\":\"view\",\"measure\":\"keystroke_middle\",\"line\":%d,\"us\":%.3g,"
        "\"invalidated\":\"%s\",\"client_height\":%d,\"row_height\":%d,\"text_outputs\":%d}\n",
        FEditor.LineCount() / 2, typed * 1e6, rects.c_str(), FWindow.ClientSize().Height,
        FEditor.LineHeight(), textOuts);
}

}  // namespace
}  // namespace wendax

int main(int argc, char** argv) {
    using namespace wendax;
    std::string file;
    long megabytes = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string_view(argv[i]) == "--file") file = argv[i + 1];
        if (std::string_view(argv[i]) == "--size") megabytes = std::stol(argv[i + 1]);
    }
    std::string path = file;
    if (file.empty()) {
        path = "/tmp/wendax-view-bench-" + std::to_string(getpid()) + ".txt";
        TCorpusWriter(static_cast<std::uint64_t>(megabytes))
            .Write(path, static_cast<std::size_t>(megabytes) * 1000000);
    }
    {
        TViewBench bench;
        bench.Load(path);
        bench.PageDown(false);
        bench.PageDown(true);
        bench.KeystrokeInTheMiddle();
    }
    if (file.empty()) unlink(path.c_str());
    return 0;
}
