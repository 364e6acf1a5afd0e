#pragma once
// The application: the look of every window, the help viewer, then the main
// window's run. The program ends when that run returns.

class CCalcApp {
  public:
    int Run(int argc, char* argv[]);
    // The names settings are filed under: ~/.config/voltaris/voltaris.conf.
    static void NameApplication();
};
