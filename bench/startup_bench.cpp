// Time from starting the program's process to its first painted window: the main window
// alone (no settings file, no files), and an editor window with a file named on the
// command line (the 1 MB and the 100 MB corpus of corpus_writer.h, or any file given).
// Runs the program part in child processes on the offscreen desktop and prints the median
// and the fastest of the runs of each case.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/dialogs/qt_dialogs.h"
#include "app/program/application.h"
#include "app/program/program_windows.h"
#include "corpus_writer.h"
#include "platform/qt/qt_editor_widget.h"

namespace {

// Once the first paint of the watched window is done, reports it on stdout and ends the
// child. With `editor` the watched window is an editor's text area, else the main window.
class TFirstPaint : public QObject {
  public:
    TFirstPaint(QWidget& main, bool editor) : FMain(main), FEditor(editor) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !FSeen && Watched(watched)) {
            FSeen = true;
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    bool Watched(QObject* object) const {
        if (!FEditor) return object == &FMain;
        auto* area = qobject_cast<QAbstractScrollArea*>(object->parent());
        return area != nullptr && area->viewport() == object &&
               dynamic_cast<wendax::TQtEditorWidget*>(area) != nullptr;
    }

    QWidget& FMain;
    bool FEditor;
    bool FSeen = false;
};

int RunChild(int argc, char** argv) {
    const QStringList files =
        argc > 2 ? QStringList{QString::fromLocal8Bit(argv[2])} : QStringList{};
    wendax::TWendaxApplication application(argc, argv);
    QTemporaryDir dir;
    wendax::TQtDialogs dialogs;
    wendax::TProgramWindows windows(
        {dir.path() + "/", dir.filePath(QStringLiteral("wendax.ini")), files}, dialogs);
    TFirstPaint firstPaint(windows.Main(), !files.isEmpty());
    application.installEventFilter(&firstPaint);
    windows.Main().show();
    return application.exec();
}

double RunOnce(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    FILE* child = popen(command.c_str(), "r");
    char line[64] = {};
    const bool painted = child != nullptr && std::fgets(line, sizeof line, child) != nullptr;
    const auto end = std::chrono::steady_clock::now();
    if (child != nullptr) pclose(child);
    if (!painted) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// Prints the median and the fastest of `runs` runs; false when a child did not paint.
bool Measure(const std::string& self, const std::string& file, const std::string& what, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms =
            RunOnce(self + " --child" + (file.empty() ? "" : " '" + file + "'") + " 2>/dev/null");
        if (ms < 0) {
            std::fprintf(stderr, "the child did not paint (%s)\n", what.c_str());
            return false;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("process start to first paint of %s: median %.1f ms, fastest %.1f ms (%d runs)\n",
                what.c_str(), times[times.size() / 2], times.front(), runs);
    std::fflush(stdout);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string self = argv[0];
    if (argc > 2 && std::string(argv[1]) == "--file")
        return Measure(self, argv[2], "an editor window with " + std::string(argv[2]), 15) ? 0 : 1;
    if (!Measure(self, "", "the main window", 15)) return 1;
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("startup_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    bool ok = true;
    for (const int megabytes : {1, 100}) {
        const std::string file = (dir / (std::to_string(megabytes) + "mb.txt")).string();
        wendax::TCorpusWriter(static_cast<std::uint64_t>(megabytes))
            .Write(file, static_cast<std::size_t>(megabytes) * 1000 * 1000);
        ok = ok && Measure(self, file,
                           "an editor window with the " + std::to_string(megabytes) + " MB corpus",
                           megabytes == 1 ? 15 : 5);
    }
    std::filesystem::remove_all(dir);
    return ok ? 0 : 1;
}
