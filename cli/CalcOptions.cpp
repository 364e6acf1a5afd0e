#include "cli/CalcOptions.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/EngValue.h"
#include "engine/Text.h"

namespace cli {

const char* const kNotationHelp =
    "Field texts are read as the forms read them: a number, then at most one prefix letter\n"
    "as the last character: p (1e-12), n (1e-9), \u00b5 (1e-6), m (1e-3), k or K (1e3), M (1e6).\n"
    "No other letter is a prefix (not u, G, T or f): 10u reads as 10, 10\u00b5 as 1e-5, abc as 0.\n"
    "A typed text that is not read whole is noted on standard error.";

void AddCalcOptions(CLI::App& command, CalcOptions& options) {
    command.add_option("FORM", options.form, "Form alias or class name (see: voltaris-cli list)")->required();
    // One value per occurrence, so that field texts after an option stay field texts.
    command.add_option("--mode", options.modes, "Mode INDEX of the first group, or GROUP:INDEX")
        ->type_name("MODE")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command.add_option("--check", options.checks, "Check box state, ID=0 or ID=1")
        ->type_name("ID=STATE")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command.add_option("FIELD=TEXT", options.assignments, "Text typed into a field (control id or name)");
    command.footer(kNotationHelp);
}

engine::FormState Calculated::Shown() const {
    engine::FormState state = calculation.state;
    state.texts = calculation.result.texts;
    return state;
}

namespace {

FormRequest RequestOf(const CalcOptions& options) {
    FormRequest request;
    for (const std::string& mode : options.modes)
        request.modes.push_back(ParseModeOption(mode));
    for (const std::string& check : options.checks)
        request.checks.push_back(ParseCheckOption(check));
    for (const std::string& assignment : options.assignments)
        request.texts.push_back(ParseFieldAssignment(assignment));
    return request;
}

// What was likely meant by a text read only in part, from its last letter.
const char* Hint(const std::string& latin1) {
    if (latin1.find(',') != std::string::npos)
        return "the decimal point is '.'";
    const size_t last = latin1.find_last_not_of(' ');
    const char letter = last == std::string::npos ? ' ' : latin1[last];
    static constexpr struct {
        const char* letters;
        const char* hint;
    } kHints[] = {
        {"uU", "the micro prefix is \u00b5"},
        {"GgTt", "M (mega) is the largest prefix"},
        {"f", "p (pico) is the smallest prefix"},
    };
    for (const auto& hint : kHints) {
        if (letter != '\0' && std::strchr(hint.letters, letter) != nullptr)
            return hint.hint;
    }
    return nullptr;
}

}  // namespace

std::string PartlyReadNote(const std::string& field, const std::string& typed) {
    const std::string latin1 = engine::Utf8ToLatin1(typed);
    if (EngValueReadsWhole(latin1))
        return {};
    char value[32];
    std::snprintf(value, sizeof value, "%.7g", ParseEngValue(latin1));
    std::string note = "note: " + field + ": '" + typed + "' read as " + value;
    if (const char* hint = Hint(latin1))
        note += std::string("; ") + hint;
    return note + "\n";
}

Calculated CalculateOrFail(const CalcOptions& options) {
    const engine::FormModel& form = FindFormOrFail(options.form);
    const FormRequest request = RequestOf(options);
    Calculated calculated{form, Calculate(form, request)};
    std::vector<size_t> fields;
    for (const FieldText& entry : request.texts)
        fields.push_back(static_cast<size_t>(FieldIndexOrFail(form, entry.field)));
    for (size_t i = 0; i < fields.size(); ++i) {
        // Only the text the form reads: the last one typed into an input field.
        const bool retyped = std::find(fields.begin() + static_cast<std::ptrdiff_t>(i) + 1, fields.end(),
                                       fields[i]) != fields.end();
        if (retyped || !calculated.calculation.result.enabled[fields[i]])
            continue;
        const std::string note = PartlyReadNote(form.fields[fields[i]].name, request.texts[i].text);
        std::fwrite(note.data(), 1, note.size(), stderr);
    }
    return calculated;
}

}  // namespace cli
