#pragma once
// Runs voltaris-cli (VOLTARIS_CLI, set by the build) as a script would:
// through the shell, with the given arguments and standard input, and
// returns its exit status, standard output and standard error. No Qt.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace cli_run {

struct CliRun {
    int status;
    std::string out, err;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline CliRun Cli(const std::string& arguments, const std::string& input = "") {
    // Named after the test program's process: test programs run side by side.
    const std::string base = ::testing::TempDir() + "cli_" + std::to_string(getpid());
    const std::string in = base + "_in", out = base + "_out", err = base + "_err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command =
        std::string(VOLTARIS_CLI) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
}

}  // namespace cli_run
