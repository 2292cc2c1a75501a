#include "ui/command_line.h"

int main(int argc, char** argv) {
    return ui::runProgram(argc, argv);
}
