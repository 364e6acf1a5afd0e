// Every form's recalculation, reached through the engine's list of forms, so
// a form that is added is fuzzed too. The bytes choose the form, the mode
// index of each radio group (-1 and far out of range included), the check
// boxes and the text of every field. Invariants: no crash, no undefined
// behaviour, no hang, the same result twice, every field written back as
// field notation, and again after a second recalculation on what the first
// one wrote; a form with list boxes fills every one of them.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/Forms.h"
#include "engine/Recalculation.h"
#include "fuzz/Notation.h"

namespace {

void Fail(const char* className, const char* what, const std::string& text = {}) {
    std::fprintf(stderr, "%s: %s \"%s\"\n", className, what, text.c_str());
    std::abort();
}

// A mode index from one byte: the real modes, -1, and some far outside.
int ModeFrom(std::int8_t byte) {
    if (byte == INT8_MIN)
        return INT_MIN;
    if (byte == INT8_MAX)
        return INT_MAX;
    return byte;
}

std::vector<std::string> RecalculateChecked(const engine::FormModel& form, const engine::FormState& state) {
    const engine::FormResult result = engine::Recalculate(form, state);
    const engine::FormResult again = engine::Recalculate(form, state);
    if (result.texts != again.texts || result.enabled != again.enabled ||
        result.extras.lists != again.extras.lists || result.extras.status != again.extras.status)
        Fail(form.className, "computed two different results from the same fields");
    for (const std::string& text : result.texts) {
        if (!notation::IsFieldText(text))
            Fail(form.className, "wrote a text that is not field notation", text);
    }
    if (result.extras.lists.size() != form.lists.size())
        Fail(form.className, "filled another number of lists than it has");
    for (const auto& lines : result.extras.lists) {
        if (lines.empty())
            Fail(form.className, "empty result list");
    }
    return result.texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider bytes(data, size);
    const auto forms = engine::AllForms();
    const engine::FormModel& form = *forms[bytes.ConsumeIntegralInRange<size_t>(0, forms.size() - 1)];
    engine::FormState state;
    for (size_t i = 0; i < form.radioGroups.size(); ++i)
        state.modes.push_back(ModeFrom(bytes.ConsumeIntegral<std::int8_t>()));
    const bool firstCheck = bytes.ConsumeBool();
    const bool secondCheck = bytes.ConsumeBool();
    for (size_t i = 0; i < form.checks.size(); ++i)
        state.checks.push_back(i == 0 ? firstCheck : i == 1 ? secondCheck : 0);
    for (size_t i = 0; i < form.fields.size(); ++i)
        state.texts.push_back(bytes.ConsumeRandomLengthString(64));
    // Tab twice: the second recalculation starts from what the first wrote.
    state.texts = RecalculateChecked(form, state);
    RecalculateChecked(form, state);
    return 0;
}
