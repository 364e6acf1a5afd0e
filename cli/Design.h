#pragma once
// voltaris-cli design: the best combinations of standard parts for what a
// form is given, and how many boards built from them fall within the windows set.

#include <CLI/CLI.hpp>
#include <string>

namespace cli {

// Adds the command; it runs when the command line has been parsed, and
// reports bad usage as a parse error (exit status 2, nothing printed).
void AddDesignCommand(CLI::App& app);

// "R1=5" or "F=2.5": a name and a finite number; false for anything else.
bool ParseNamedNumber(const std::string& text, std::string& name, double& number);

}  // namespace cli
