#pragma once
// What every field text that a form writes must look like, checked by the
// fuzz targets and the hostile-input tests alike.

#include <cmath>
#include <string>

#include "core/EngValue.h"

namespace notation {

// "Error", "0  ", or an optional '-', digits, '.', two digits and one of the
// seven suffixes " M", " K", "  ", " m", " \xB5", " n", " p".
inline bool IsFieldText(const std::string& text) {
    if (text == "Error" || text == "0  ")
        return true;
    size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digits || text.size() != i + 5 || text[i] != '.')
        return false;
    if (text[i + 1] < '0' || text[i + 1] > '9' || text[i + 2] < '0' || text[i + 2] > '9' ||
        text[i + 3] != ' ')
        return false;
    const char prefix = text[i + 4];
    for (const char c : {'M', 'K', ' ', 'm', '\xB5', 'n', 'p'}) {
        if (prefix == c)
            return true;
    }
    return false;
}

// The power of ten below a magnitude, as an ordinary logarithm tells it.
inline int Decade(double value) {
    return static_cast<int>(std::floor(std::log10(std::fabs(value))));
}

// A value the formatter writes as a number reads back in its own decade, or in
// the next one up when the two decimals round up to a power of ten. Checked
// up to 1e16: past that the number part no longer fits a 32-bit float exactly.
inline bool ReadsBackInItsDecade(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= kTinyValue && magnitude < 1e16) || value == kErrorValue)
        return true;
    const double back = ParseEngValue(FormatEngValue(value));
    const int decade = Decade(value);
    const int backDecade = Decade(back);
    return (back < 0) == (value < 0) && (backDecade == decade || backDecade == decade + 1);
}

}  // namespace notation
