// voltaris-cli: the calculator's forms from the command line, computed by the
// same engine as the dialogs, texts byte for byte as the dialogs show them.
#include "cli/Program.h"

int main(int argc, char** argv) {
    return cli::RunProgram(argc, argv);
}
