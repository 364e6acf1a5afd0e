#include "Ngspice.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace spice_test {
namespace {

std::string RunCommand(const std::string& path) {
    std::string output;
    const std::string command = std::string(VOLTARIS_NGSPICE) + " -b '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return output;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    pclose(pipe);
    return output;
}

// "fc                  =  7.233940e+03" (and "... at= ..." for min and max).
void ReadMeasures(NgspiceRun& run) {
    static const std::regex line(R"(^\s*([a-z_][a-z0-9_]*)\s*=\s*([-+]?[0-9.]+(?:e[-+]?[0-9]+)?)\b)",
                                 std::regex::icase);
    std::istringstream lines(run.output);
    for (std::string text; std::getline(lines, text);) {
        std::smatch match;
        if (std::regex_search(text, match, line))
            run.measures[match[1]] = std::stod(match[2]);
    }
}

}  // namespace

NgspiceRun RunNgspice(const std::string& deck, const std::string& path) {
    std::ofstream(path) << deck;
    NgspiceRun run;
    run.output = RunCommand(path);
    ReadMeasures(run);
    return run;
}

std::vector<NgspiceRun> RunNgspiceBatch(const std::vector<std::string>& decks, const std::string& directory) {
    namespace fs = std::filesystem;
    fs::create_directories(directory);
    const std::string marker = "@@deck ";
    std::string control = "* batch\n.control\n";
    for (size_t i = 0; i < decks.size(); ++i) {
        const std::string path = (fs::path(directory) / ("deck" + std::to_string(i) + ".cir")).string();
        std::ofstream(path) << decks[i];
        control += "echo " + marker + std::to_string(i) + "\nsource " + path + "\nrun\n";
    }
    control += "echo " + marker + "end\nquit\n.endc\n.end\n";
    const std::string driver = (fs::path(directory) / "batch.cir").string();
    std::ofstream(driver) << control;
    const std::string output = RunCommand(driver);
    fs::remove_all(directory);

    std::vector<NgspiceRun> runs(decks.size());
    size_t at = output.find(marker);
    for (size_t i = 0; i < decks.size() && at != std::string::npos; ++i) {
        const size_t next = output.find(marker, at + marker.size());
        // "echo" prints the marker itself; its own line is skipped.
        const size_t start = output.find('\n', at);
        runs[i].output = output.substr(start, next == std::string::npos ? std::string::npos : next - start);
        ReadMeasures(runs[i]);
        at = next;
    }
    return runs;
}

}  // namespace spice_test
