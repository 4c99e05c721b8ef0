// Time from starting the program's process to the first paint of its main window, with
// no settings file and no files to open. Runs the program part in child processes (the
// desktop is the offscreen one) and prints the median and the fastest of the runs.
#include <QEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/program_windows.h"
#include "app/qt_dialogs.h"

namespace {

constexpr int kRuns = 15;

// Reports the first paint of the main window on stdout, then ends the child.
class TFirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !FSeen) {
            FSeen = true;
            std::puts("painted");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

  private:
    bool FSeen = false;
};

int RunChild(int argc, char** argv) {
    wendax::TWendaxApplication application(argc, argv);
    QTemporaryDir dir;
    wendax::TQtDialogs dialogs;
    wendax::TProgramWindows windows(
        {dir.path() + "/", dir.filePath(QStringLiteral("wendax.ini")), {}}, dialogs);
    TFirstPaint firstPaint;
    windows.Main().installEventFilter(&firstPaint);
    windows.Main().show();
    return application.exec();
}

double RunOnce(const std::string& self) {
    const auto start = std::chrono::steady_clock::now();
    FILE* child = popen((self + " --child").c_str(), "r");
    char line[64] = {};
    const bool painted = child != nullptr && std::fgets(line, sizeof line, child) != nullptr;
    const auto end = std::chrono::steady_clock::now();
    if (child != nullptr) pclose(child);
    if (!painted) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const double ms = RunOnce(argv[0]);
        if (ms < 0) {
            std::fputs("the child did not paint its main window\n", stderr);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "process start to first paint of the main window: median %.1f ms, fastest %.1f ms"
        " (%d runs)\n",
        times[times.size() / 2], times.front(), kRuns);
    return 0;
}
