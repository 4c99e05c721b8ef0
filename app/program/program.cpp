#include "app/program/program.h"

#include <QDir>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commands/file_names.h"
#include "app/dialogs/qt_dialogs.h"
#include "app/editor/recovery_journal.h"
#include "app/program/application.h"
#include "app/program/command_line.h"
#include "app/program/program_windows.h"
#include "app/settings/settings_file.h"

namespace wendax {
namespace {

TMainWindowSetup SetupFor(const TCommandLine& commandLine) {
    TMainWindowSetup setup;
    setup.ProgramDir = QCoreApplication::applicationDirPath() + QDir::separator();
    setup.IniFileName = ChooseSettingsFile({setup.ProgramDir, UserConfigDir()}, FileSystemProbe());
    setup.Recovery.Folder = RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    for (const std::string& name : commandLine.FileNames)
        setup.FileNames << FromFileName(name);
    return setup;
}

}  // namespace

int RunProgram(int argc, char** argv) {
    // Answered before any window system is needed; the files are read once Qt has taken
    // its own options.
    const TCommandLine commandLine = ParseCommandLine({argv + 1, argv + argc});
    if (commandLine.Action == saHelp) {
        std::fputs(UsageText(argc > 0 ? argv[0] : "wendax").c_str(), stdout);
        return 0;
    }
    if (commandLine.Action == saVersion) {
        std::fputs(VersionText().c_str(), stdout);
        return 0;
    }
    TToolkitArguments arguments(argc, argv);
    TWendaxApplication application(arguments.Argc(), arguments.Argv());
    const TCommandLine files = arguments.Remaining();
    TQtDialogs dialogs;
    application.SetFailureDialogs(&dialogs);
    TProgramWindows windows(SetupFor(files), dialogs);
    dialogs.SetParent(&windows.Main());
    application.setQuitOnLastWindowClosed(false);
    QObject::connect(&windows.Main(), &TFM_Main::Closed, &application, &QApplication::quit);
    windows.Main().show();
    return application.exec();
}

}  // namespace wendax
