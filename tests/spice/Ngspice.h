#pragma once
// Runs a deck through the real ngspice in batch mode and reads back what its
// .meas statements printed.

#include <map>
#include <string>
#include <vector>

namespace spice_test {

struct NgspiceRun {
    std::map<std::string, double> measures;  // by lower-case name; failed ones are missing
    std::string output;                      // everything ngspice printed, for the failure message
};

// Writes the deck to `path` and runs the ngspice found at configure time.
NgspiceRun RunNgspice(const std::string& deck, const std::string& path);

// Many decks in one ngspice process (each sourced and run in turn from a
// control block), one run per deck; the decks are written into `directory`.
std::vector<NgspiceRun> RunNgspiceBatch(const std::vector<std::string>& decks, const std::string& directory);

}  // namespace spice_test
