// Every form's compute step, reached through the table of menu commands, so a
// form that is added to the table is fuzzed too. The bytes choose the form,
// the mode index of each radio group (-1 and far out of range included) and
// the text of every field. Invariants: no crash, no undefined behaviour, no
// hang, the same result twice, every field written back as field notation,
// and again after a second recalculation on what the first one wrote.
#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/FormTable.h"
#include "core/EngValue.h"
#include "forms/CalcFormDlg.h"
#include "forms/semiconductors/ClassAAmpDlg.h"
#include "fuzz/Notation.h"

namespace {

struct FuzzedForm {
    const char* className;
    const FormDescription* form;
    std::unique_ptr<CCalcFormDlg> owner;  // kept for the life of the run, as its description
};

std::vector<FuzzedForm> gForms;

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

// The parse step of the recalculation: magnitudes unless the field keeps its sign.
std::vector<double> Parse(const FormDescription& form, const std::vector<std::string>& texts) {
    std::vector<double> values(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        const double value = ParseEngValue(texts[i]);
        values[i] = form.fields[i].keepsSign ? value : std::fabs(value);
    }
    return values;
}

std::vector<std::string> FormatChecked(const char* className, const std::vector<double>& values) {
    std::vector<std::string> texts;
    for (const double value : values) {
        texts.push_back(FormatEngValue(value));
        if (!notation::IsFieldText(texts.back()))
            Fail(className, "wrote a text that is not field notation", texts.back());
    }
    return texts;
}

// Exactly sized buffers, so that a read past the fields or the modes is caught.
std::vector<std::string> Recalculate(const FuzzedForm& entry, const std::vector<std::string>& texts,
                                     const std::vector<int>& modes) {
    std::vector<double> values = Parse(*entry.form, texts);
    std::vector<double> again = values;
    entry.form->compute(values, modes);
    entry.form->compute(again, modes);
    if (std::memcmp(values.data(), again.data(), values.size() * sizeof(double)) != 0)
        Fail(entry.className, "computed two different results from the same fields");
    return FormatChecked(entry.className, values);
}

// The class A design replaces the common compute step; its loop must stop.
void DesignClassA(const std::vector<std::string>& texts, bool maxGain, bool withLoad) {
    using namespace class_a;
    std::vector<double> values(texts.size());
    for (size_t i = 0; i < texts.size(); ++i)
        values[i] = std::fabs(ParseEngValue(texts[i]));
    const ClassAInputs in{values[kVcc], values[kBeta], values[kVin], values[kVout], values[kFmin],
                          values[kRc],  values[kRl],   maxGain,      withLoad};
    const ClassADesign design = DesignClassA(in);
    if (design.passes < 0 || design.passes > kMaxPasses)
        Fail("CClassAAmpDlg", "design loop ran past its limit");
    values[kVout] = design.vout;
    values.pop_back();  // the status line is text, not a value
    FormatChecked("CClassAAmpDlg", values);
    for (const auto& lines : {ClassAComponentLines(in, design), ClassAOperatingLines(in, design)}) {
        if (lines.empty())
            Fail("CClassAAmpDlg", "empty result list");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "forms_fuzz";
    static char* argv[] = {name, nullptr};
    // Never deleted: the forms kept in gForms are destroyed at exit and need it.
    static auto* app = new QApplication(argc, argv);
    (void)app;
    for (const FormCommand& command : FormCommands()) {
        if (command.create == nullptr)
            continue;
        std::unique_ptr<CCalcFormDlg> owner = command.create();
        const FormDescription& form = owner->Form();
        if (form.compute == nullptr && std::strcmp(command.className, "CClassAAmpDlg") != 0) {
            std::fprintf(stderr, "%s has no compute step of its own: not fuzzed\n", command.className);
            continue;
        }
        gForms.push_back({command.className, &form, std::move(owner)});
    }
    std::fprintf(stderr, "fuzzing %zu forms\n", gForms.size());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    FuzzedDataProvider bytes(data, size);
    const FuzzedForm& entry = gForms[bytes.ConsumeIntegralInRange<size_t>(0, gForms.size() - 1)];
    std::vector<int> modes(entry.form->radioGroups.size());
    for (int& mode : modes)
        mode = ModeFrom(bytes.ConsumeIntegral<std::int8_t>());
    const bool firstCheck = bytes.ConsumeBool();
    const bool secondCheck = bytes.ConsumeBool();
    std::vector<std::string> texts(entry.form->fields.size());
    for (std::string& text : texts)
        text = bytes.ConsumeRandomLengthString(64);

    if (entry.form->compute == nullptr) {
        DesignClassA(texts, firstCheck, secondCheck);
        return 0;
    }
    // Tab twice: the second recalculation starts from what the first wrote.
    Recalculate(entry, Recalculate(entry, texts, modes), modes);
    return 0;
}
