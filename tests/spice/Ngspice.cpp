#include "Ngspice.h"

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace spice_test {

NgspiceRun RunNgspice(const std::string& deck, const std::string& path) {
    std::ofstream(path) << deck;
    NgspiceRun run;
    const std::string command = std::string(VOLTARIS_NGSPICE) + " -b '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.output += buffer;
    pclose(pipe);
    // "fc                  =  7.233940e+03" (and "... at= ..." for min and max).
    static const std::regex line(R"(^\s*([a-z_][a-z0-9_]*)\s*=\s*([-+]?[0-9.]+(?:e[-+]?[0-9]+)?)\b)",
                                 std::regex::icase);
    std::istringstream lines(run.output);
    for (std::string text; std::getline(lines, text);) {
        std::smatch match;
        if (std::regex_search(text, match, line))
            run.measures[match[1]] = std::stod(match[2]);
    }
    return run;
}

}  // namespace spice_test
