// voltaris-cli: the calculator's forms from the command line, computed by the
// same engine as the dialogs, texts byte for byte as the dialogs show them.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include <fstream>

#include "cli/Batch.h"
#include "cli/Calculation.h"
#include "cli/Catalogue.h"
#include "cli/Design.h"
#include "cli/Features.h"
#include "engine/Text.h"
#include "engine/parts/ESeries.h"
#include "engine/parts/PartsText.h"
#include "engine/plot/PlotFiles.h"
#include "engine/plot/Plots.h"
#include "engine/spice/CopyValues.h"
#include "engine/spice/SpiceDeck.h"

namespace {

// The options every command that calculates a form takes.
struct CalcOptions {
    std::string form;
    std::vector<std::string> modes;
    std::vector<std::string> checks;
    std::vector<std::string> assignments;
    bool json = false;
};

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
}

cli::FormRequest RequestOf(const CalcOptions& options) {
    cli::FormRequest request;
    for (const std::string& mode : options.modes)
        request.modes.push_back(cli::ParseModeOption(mode));
    for (const std::string& check : options.checks)
        request.checks.push_back(cli::ParseCheckOption(check));
    for (const std::string& assignment : options.assignments)
        request.texts.push_back(cli::ParseFieldAssignment(assignment));
    return request;
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// The form as a calculation leaves it: the texts it shows after the request.
struct Shown {
    const engine::FormModel& form;
    engine::FormState state;
    engine::FormState given;  // as the recalculation was given it: parts and plots recompute from it
};

Shown Calculated(const CalcOptions& options) {
    const engine::FormModel& form = cli::FindFormOrFail(options.form);
    const cli::Calculation calculation = cli::Calculate(form, RequestOf(options));
    engine::FormState state = calculation.state;
    state.texts = calculation.result.texts;
    return {form, std::move(state), calculation.state};
}

engine::parts::Series SeriesOrFail(const std::string& name) {
    const auto series = engine::parts::ParseSeries(name);
    if (!series)
        throw cli::UsageError("unknown series \"" + name + "\" (E3, E6, E12, E24, E48, E96, E192)");
    return *series;
}

// "--tol R1=1" or by control id, "--tol 1171=1".
void AddTolerance(const engine::FormModel& form, const std::string& option,
                  engine::parts::PartsOptions& parts) {
    const size_t equals = option.rfind('=');
    double percent = 0;
    const bool number = equals != std::string::npos && equals > 0 &&
                        std::sscanf(option.c_str() + equals + 1, "%lf", &percent) == 1 && percent >= 0 &&
                        percent < 100;
    if (!number)
        throw cli::UsageError("--tol takes PART=PERCENT, not \"" + option + "\"");
    std::string part = option.substr(0, equals);
    int id = 0;
    if (std::sscanf(part.c_str(), "%d", &id) == 1 && form.FieldIndex(id) >= 0)
        part = form.fields[static_cast<size_t>(form.FieldIndex(id))].name;
    parts.tolerancePercent[part] = percent;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Voltaris electronics calculator, from the command line"};
    app.name("voltaris-cli");
    app.require_subcommand(1);

    bool listJson = false;
    CLI::App* list = app.add_subcommand("list", "Every form: alias, class name, caption, menu and command");
    list->add_flag("--json", listJson, "Print JSON");

    std::string showForm;
    bool showJson = false;
    CLI::App* show = app.add_subcommand("show", "A form's fields, modes, check boxes and list boxes");
    show->add_option("FORM", showForm, "Form alias or class name")->required();
    show->add_flag("--json", showJson, "Print JSON");

    CalcOptions calcOptions;
    CLI::App* calc =
        app.add_subcommand("calc", "Open a form, type the given texts, recalculate, print every field");
    AddCalcOptions(*calc, calcOptions);
    calc->add_flag("--json", calcOptions.json, "Print one JSON object");

    CLI::App* batch = app.add_subcommand(
        "batch", "One JSON request per line on standard input, one JSON result per line out");

    CalcOptions partsOptions;
    std::string seriesR = "E24", seriesC = "E12";
    std::vector<std::string> tolerances;
    CLI::App* parts = app.add_subcommand(
        "parts", "Standard parts for a calculation: values to buy, what the circuit does with them");
    AddCalcOptions(*parts, partsOptions);
    parts->add_option("--series-r", seriesR, "Series of the resistors (default E24)");
    parts->add_option("--series-c", seriesC, "Series of the capacitors (default E12)");
    parts->add_option("--tol", tolerances, "Tolerance of a part in percent, PART=PCT")
        ->type_name("PART=PCT")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    parts->add_flag("--json", partsOptions.json, "Print JSON");

    std::string seriesName;
    CLI::App* series = app.add_subcommand("series", "The values of one decade of a standard series");
    series->add_option("SERIES", seriesName, "E3, E6, E12, E24, E48, E96 or E192")->required();

    CalcOptions spiceOptions;
    bool asBuilt = false;
    std::string opamp = "ideal";
    CLI::App* spice = app.add_subcommand("spice", "The calculation's circuit as a SPICE deck for ngspice");
    AddCalcOptions(*spice, spiceOptions);
    spice->add_flag("--as-built", asBuilt, "With the standard values of the parts");
    spice->add_option("--opamp", opamp, "Op-amp model: ideal or gbw (1 MHz, rails)")
        ->check(CLI::IsMember({"ideal", "gbw"}));

    CalcOptions copyOptions;
    CLI::App* copy = app.add_subcommand("copy", "The text \"Copy values\" puts on the clipboard");
    AddCalcOptions(*copy, copyOptions);

    CalcOptions plotOptions;
    bool csv = false;
    std::string svgFile;
    CLI::App* plot =
        app.add_subcommand("plot", "The curve of a calculation: CSV or JSON data, an SVG picture");
    AddCalcOptions(*plot, plotOptions);
    plot->add_flag("--csv", csv, "Print the data as CSV (the default)");
    plot->add_flag("--json", plotOptions.json, "Print the data as JSON");
    plot->add_option("--svg", svgFile, "Also write the picture as SVG to FILE")->type_name("FILE");

    cli::AddDesignCommand(app);  // runs as it is parsed

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "voltaris-cli: %s\nRun voltaris-cli --help for usage.\n", error.what());
        return 2;
    }

    try {
        if (*list) {
            Print(listJson ? cli::FormListJson().dump(2) + "\n" : cli::FormListText());
        } else if (*show) {
            const engine::FormModel& form = cli::FindFormOrFail(showForm);
            Print(showJson ? cli::FormJson(form).dump(2) + "\n" : cli::FormText(form));
        } else if (*calc) {
            const engine::FormModel& form = cli::FindFormOrFail(calcOptions.form);
            const cli::Calculation result = cli::Calculate(form, RequestOf(calcOptions));
            Print(calcOptions.json ? cli::ResultJson(form, result.result, result.listSelections).dump() + "\n"
                                   : cli::ResultText(form, result.result, result.listSelections));
        } else if (*batch) {
            std::ios::sync_with_stdio(false);
            cli::RunBatch(std::cin, std::cout);
        } else if (*parts) {
            engine::parts::PartsOptions options;
            options.seriesR = SeriesOrFail(seriesR);
            options.seriesC = SeriesOrFail(seriesC);
            const Shown shown = Calculated(partsOptions);
            for (const std::string& tolerance : tolerances)
                AddTolerance(shown.form, tolerance, options);
            const auto report = engine::parts::AnalyseParts(shown.form, shown.given, options);
            Print(partsOptions.json ? cli::PartsJson(report).dump(2) + "\n"
                                    : engine::Latin1ToUtf8(engine::parts::PartsText(report)));
        } else if (*series) {
            std::string out;
            for (const double value : engine::parts::SeriesDecade(SeriesOrFail(seriesName))) {
                char text[32];
                std::snprintf(text, sizeof text, "%.2f\n", value);
                out += text;
            }
            Print(out);
        } else if (*spice) {
            const Shown shown = Calculated(spiceOptions);
            if (!engine::HasSpiceDeck(shown.form))
                throw cli::UsageError(std::string(shown.form.className) + " is no circuit to simulate");
            engine::SpiceOptions options;
            options.opamp = opamp == "gbw" ? engine::OpampModel::kGbw : engine::OpampModel::kIdeal;
            Print(cli::SpiceDeckOrRefuse(shown.form, shown.state, options, asBuilt));
        } else if (*copy) {
            const Shown shown = Calculated(copyOptions);
            Print(engine::CopyValuesText(shown.form, shown.state.texts));
        } else if (*plot) {
            const Shown shown = Calculated(plotOptions);
            if (!engine::plot::HasPlot(shown.form))
                throw cli::UsageError(std::string(shown.form.className) + " has no plot");
            const engine::plot::PlotResult result = engine::plot::MakePlot(shown.form, shown.given);
            if (!result.plot) {
                std::fprintf(stderr, "voltaris-cli: nothing to plot: %s\n", result.message.c_str());
                return 1;
            }
            if (!svgFile.empty()) {
                std::ofstream file(svgFile, std::ios::binary);
                file << engine::plot::PlotSvg(*result.plot);
                if (!file) {
                    std::fprintf(stderr, "voltaris-cli: cannot write %s\n", svgFile.c_str());
                    return 1;
                }
            }
            Print(plotOptions.json ? cli::PlotJson(*result.plot).dump() + "\n"
                                   : engine::plot::PlotCsv(*result.plot));
        }
    } catch (const cli::UsageError& error) {
        std::fprintf(stderr, "voltaris-cli: %s\n", error.what());
        return 2;
    }
    return 0;
}
