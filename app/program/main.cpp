#include "app/program/program.h"

int main(int argc, char** argv) {
    return wendax::RunProgram(argc, argv);
}
