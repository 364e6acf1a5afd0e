#include "engine/parts/PartsText.h"

#include <cstdio>

#include "core/EngValue.h"

namespace engine::parts {

namespace {

std::string Row(const char* format, auto... columns) {
    char line[256];
    std::snprintf(line, sizeof line, format, columns...);
    return line;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text + "\n";
}

std::string ToleranceText(double percent) {
    char text[32];
    std::snprintf(text, sizeof text, "%g %%", percent);
    return text;
}

// A value inside a longer text, without the blanks of an empty prefix.
std::string Inline(double value) {
    std::string text = FormatEngValue(value);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

}  // namespace

std::string DeviationText(const std::optional<double>& percent) {
    if (!percent)
        return "";
    char text[32];
    std::snprintf(text, sizeof text, "%+.2f %%", *percent);
    // A deviation that rounds to nothing has no sign: a typed standard value is "0.00 %".
    if (std::string(text + 1) == "0.00 %")
        return "0.00 %";
    return text;
}

bool InParallel(const PartPair& pair, PartKind kind) {
    // Resistors add in series, capacitors in parallel.
    return pair.reciprocal == (kind == PartKind::kResistor);
}

std::string PairText(const PartPair& pair, PartKind kind) {
    const bool parallel = InParallel(pair, kind);
    return Inline(pair.a) + (parallel ? " // " : " + ") + Inline(pair.b) +
           (parallel ? " in parallel" : " in series");
}

std::string RangeText(double min, double max) {
    return Inline(min) + " - " + Inline(max);
}

std::string PartsText(const PartsReport& report) {
    std::string text = report.form + ": ";
    if (!report.hasParts)
        return text + "no standard parts (" + report.noParts + ")\n";
    text += std::string("resistors in ") + SeriesName(report.seriesR) + ", capacitors in " +
            SeriesName(report.seriesC) + "\n";
    if (report.asBuiltMode >= 0)
        text += "As built: \"" + report.asBuiltCaption + "\", ";
    else
        text += "As built: the designed stage, ";
    text += std::to_string(report.corners) + " tolerance corners\n\n";

    text += Trimmed(Row("%-6s %-10s %-10s %-9s %-6s %s", "Part", "Form", "Standard", "Dev.", "Tol.", "Pair"));
    for (const PartLine& part : report.parts) {
        std::string pair;
        if (part.pair)
            pair = PairText(*part.pair, part.kind) + " = " + Inline(part.pair->value) + " (" +
                   DeviationText(part.pairDeviationPercent) + ")";
        text += Trimmed(Row("%-6s %-10s %-10s %-9s %-6s %s", part.name.c_str(),
                            FormatEngValue(part.formValue).c_str(),
                            part.standardised ? FormatEngValue(part.standard).c_str() : "-",
                            DeviationText(part.deviationPercent).c_str(),
                            ToleranceText(part.tolerancePercent).c_str(), pair.c_str()));
    }
    text += "\n";
    text += Trimmed(Row("%-9s %-10s %-10s %-9s %-23s %s", "Output", "Form", "As built", "Dev.", "Min - Max",
                        "Most from"));
    for (const OutputLine& output : report.outputs) {
        const bool none = !output.noValue.empty();
        // A range some corners do not reach is starred, the marks say why.
        const std::string range =
            none ? "-" : RangeText(output.min, output.max) + (output.failedCorners > 0 ? " *" : "");
        text += Trimmed(
            Row("%-9s %-10s %-10s %-9s %-23s %s", output.name.c_str(),
                FormatEngValue(output.formValue).c_str(), none ? "-" : FormatEngValue(output.nominal).c_str(),
                DeviationText(output.deviationPercent).c_str(), range.c_str(), output.mostSensitive.c_str()));
    }
    if (!report.marks.empty()) {
        text += "\nMarked:\n";
        for (const Mark& mark : report.marks)
            text += "  " + mark.subject + ": " + mark.why + "\n";
    }
    return text;
}

}  // namespace engine::parts
