#include "cli/Command.h"

#include <cstdio>

#include "cli/FormRequest.h"

namespace cli {

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

engine::parts::Series SeriesOrFail(const std::string& name) {
    const auto series = engine::parts::ParseSeries(name);
    if (!series)
        throw UsageError("unknown series \"" + name + "\" (E3, E6, E12, E24, E48, E96, E192)");
    return *series;
}

}  // namespace cli
