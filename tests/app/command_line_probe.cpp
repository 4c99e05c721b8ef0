// Prints, one a line, the file names the program reads from its command line once its
// application object has taken Qt's own options, as the program's entry does.
#include <cstdio>

#include "app/program/application.h"
#include "app/program/command_line.h"

int main(int argc, char** argv) {
    wendax::TToolkitArguments arguments(argc, argv);
    wendax::TWendaxApplication application(arguments.Argc(), arguments.Argv());
    for (const std::string& name : arguments.Remaining().FileNames)
        std::printf("%s\n", name.c_str());
    return 0;
}
