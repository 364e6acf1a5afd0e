#include "app/CalcApp.h"

int main(int argc, char* argv[]) {
    CCalcApp app;
    return app.Run(argc, argv);
}
