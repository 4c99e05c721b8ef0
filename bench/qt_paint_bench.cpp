// Benchmark of painting the editor in its Qt window on the offscreen platform: a window of
// exactly 120 x 50 cells full of text (tabs, a highlight over several lines, a bookmark),
// repainted whole again and again. Prints one JSON object.
//
//   QT_QPA_PLATFORM=offscreen qt_paint_bench [--repeat N]
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include <QApplication>

#include "control/controller.h"
#include "control/custom_editor.h"
#include "platform/qt/qt_editor_widget.h"
#include "platform/qt/qt_platform.h"

namespace wendax {
namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
    return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

void FillText(TOvcCustomEditor& editor) {
    const std::string words =
        "while (count < limit) {\tvalue = table[count] * factor + offset; // scale the entry ";
    std::string text;
    for (int line = 0; line < 200; ++line) {
        text += std::to_string(line) + "  " + words.substr(static_cast<std::size_t>(line % 7)) +
                words + "\n";
    }
    editor.InsertString(text);
}

}  // namespace
}  // namespace wendax

int main(int argc, char** argv) {
    using namespace wendax;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int repeat = 500;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string_view(argv[i]) == "--repeat") repeat = std::stoi(argv[i + 1]);
    }
    TQtPlatform platform;
    InstallPlatform(&platform);
    TOvcController controller;
    TOvcCustomEditor editor;
    editor.SetController(&controller);
    editor.SetScrollBars(ssNone);
    editor.SetBorderStyle(bsNone);
    TQtEditorWidget widget;
    widget.SetClient(&editor);
    editor.AttachWindow(widget);
    widget.show();
    widget.resize(editor.LeftMargin() + editor.RightMargin() + 120 * editor.CharWidth(),
                  50 * editor.LineHeight());
    QApplication::processEvents();
    FillText(editor);
    editor.SetSelection(3, 10, 9, 40, true);
    editor.SetMarkerAt(1, 5, 1);
    editor.SetTopLine(1);
    QApplication::processEvents();
    const auto first = TClock::now();
    widget.InvalidateAll();
    widget.UpdateNow();
    const double firstMs = MillisecondsSince(first);
    const auto start = TClock::now();
    for (int i = 0; i < repeat; ++i) {
        widget.InvalidateAll();
        widget.UpdateNow();
    }
    const double ms = MillisecondsSince(start) / repeat;
    std::printf(
        "{\"bench\":\"qt_paint\",\"columns\":%d,\"rows\":%d,\"cell\":\"%dx%d\",\"repeat\":%d,"
        "\"first_paint_ms\":%.3f,\"ms_per_full_paint\":%.4f}\n",
        editor.VisibleColumns(), editor.VisibleRows(), editor.CharWidth(), editor.LineHeight(),
        repeat, firstMs, ms);
    widget.SetClient(nullptr);
    editor.DetachWindow();
    InstallPlatform(nullptr);
    return 0;
}
