#include "tests/design/DesignCases.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "core/EngValue.h"
#include "engine/Forms.h"
#include "engine/parts/FormParts.h"

using namespace engine;

namespace design_test {

namespace {

bool Contains(const std::vector<int>& fields, int field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

double LogUniform(std::mt19937& random, double low, double high) {
    return std::exp(std::uniform_real_distribution<double>(std::log(low), std::log(high))(random));
}

bool Usable(double value) {
    return std::isfinite(value) && value != kErrorValue && value > kTinyValue;
}

}  // namespace

std::vector<FormModes> DesignableForms() {
    std::vector<FormModes> forms;
    for (const FormModel* form : AllForms()) {
        const parts::FormParts* declared = parts::FindFormParts(*form);
        if (declared == nullptr || declared->parts.empty())
            continue;
        FormModes entry{form, {}};
        for (size_t m = 0; m < form->inputsByMode.size(); ++m) {
            const std::vector<int>& built = form->inputsByMode[static_cast<size_t>(declared->asBuiltMode[m])];
            for (const int field : form->inputsByMode[m]) {
                if (!Contains(built, field)) {
                    entry.modes.push_back(static_cast<int>(m));
                    break;
                }
            }
        }
        forms.push_back(entry);
    }
    return forms;
}

design::DesignOptions TestSpace(int freeParts, bool pairs) {
    design::DesignOptions options;
    options.pairs = pairs;
    if (pairs) {
        options.seriesR = options.seriesC = freeParts >= 3 ? parts::Series::kE3 : parts::Series::kE6;
        options.minR = 100, options.maxR = freeParts >= 3 ? 10e3 : 100e3;
        options.minC = 1e-9, options.maxC = freeParts >= 3 ? 100e-9 : 1e-6;
    } else if (freeParts >= 3) {
        options.seriesR = parts::Series::kE12, options.seriesC = parts::Series::kE6;
        options.minR = 100, options.maxR = 1e6, options.minC = 1e-9, options.maxC = 10e-6;
    } else {
        options.seriesR = parts::Series::kE24, options.seriesC = parts::Series::kE12;
        options.minR = 10, options.maxR = 10e6, options.minC = 10e-12, options.maxC = 100e-6;
    }
    return options;
}

DesignCase RandomCase(const FormModel& form, int mode, std::mt19937& random, bool pairs) {
    const parts::FormParts& declared = *parts::FindFormParts(form);
    DesignCase designCase;
    designCase.form = &form;
    designCase.mode = mode;
    designCase.asBuilt = declared.asBuiltMode[static_cast<size_t>(mode)];
    const std::vector<int>& given = form.inputsByMode[static_cast<size_t>(mode)];
    const std::vector<int>& built = form.inputsByMode[static_cast<size_t>(designCase.asBuilt)];
    const FormState opened = OpenedState(form);
    for (int attempt = 0; attempt < 200; ++attempt) {
        std::vector<int> modes = opened.modes;
        for (size_t g = 1; g < modes.size(); ++g)
            modes[g] = std::uniform_int_distribution<int>(
                0, static_cast<int>(form.radioGroups[g].modes.size()) - 1)(random);
        modes[0] = designCase.asBuilt;
        std::vector<double> values = ParseFields(form, opened.texts);
        for (const int field : built) {
            double& value = values[static_cast<size_t>(field)];
            const bool part = Contains(declared.parts, field);
            const bool capacitor = form.fields[static_cast<size_t>(field)].quantity == Quantity::kCapacitance;
            value = part ? (capacitor ? LogUniform(random, 2e-9, 5e-6) : LogUniform(random, 200, 500e3))
                         : (Usable(value) ? value : 1.0) * LogUniform(random, 0.5, 2);
        }
        Compute(form, values, modes, opened.checks, nullptr);
        bool usable = true;
        for (const int field : given)
            usable = usable && Usable(values[static_cast<size_t>(field)]);
        if (!usable)
            continue;
        FormState state = opened;
        state.modes = modes;
        state.modes[0] = mode;
        for (const int field : given) {
            double value = values[static_cast<size_t>(field)];
            if (!Contains(built, field))
                value *= 1 + std::uniform_real_distribution<double>(-0.1, 0.1)(random);
            state.texts[static_cast<size_t>(field)] = FormatEngValue(value);
        }
        state.texts = Recalculate(form, state).texts;
        designCase.state = state;
        const std::vector<double> shown = FormValues(designCase);
        // Some parts held at what the form shows, never all of them.
        std::vector<int> fixable;
        for (const int part : declared.parts) {
            if (Usable(shown[static_cast<size_t>(part)]) && std::bernoulli_distribution(0.3)(random))
                fixable.push_back(part);
        }
        if (fixable.size() == declared.parts.size())
            fixable.pop_back();
        designCase.options = TestSpace(static_cast<int>(declared.parts.size() - fixable.size()), pairs);
        for (const int part : fixable)
            designCase.options.fixed.insert(form.fields[static_cast<size_t>(part)].name);
        return designCase;
    }
    ADD_FAILURE() << "no usable design drawn for " << form.className << " mode " << mode;
    return designCase;
}

std::vector<double> FormValues(const DesignCase& designCase) {
    std::vector<double> values = ParseFields(*designCase.form, designCase.state.texts);
    Compute(*designCase.form, values, designCase.state.modes, designCase.state.checks, nullptr);
    return values;
}

}  // namespace design_test
