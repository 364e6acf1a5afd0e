// Arbitrary bytes as a typed field text, and the same bytes as a double:
// neither function may crash, every text written must be field notation, and
// a written number must read back in its decade (or the next one up).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/EngValue.h"
#include "fuzz/Notation.h"

namespace {

void Require(bool condition, const char* what, const std::string& text) {
    if (condition)
        return;
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

void CheckValue(double value) {
    const std::string text = FormatEngValue(value);
    Require(notation::IsFieldText(text), "not field notation", text);
    Require(notation::ReadsBackInItsDecade(value), "reads back in another decade", text);
    // What the user sees, read and written again, is still notation.
    Require(notation::IsFieldText(FormatEngValue(ParseEngValue(text))), "rewritten text not notation", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const double parsed = ParseEngValue(typed);
    CheckValue(parsed);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckValue(raw);
    }
    return 0;
}
