// voltaris-cli: the calculator's forms from the command line, computed by the
// same engine as the dialogs, texts byte for byte as the dialogs show them.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Batch.h"
#include "cli/Calculation.h"
#include "cli/Catalogue.h"

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
        }
    } catch (const cli::UsageError& error) {
        std::fprintf(stderr, "voltaris-cli: %s\n", error.what());
        return 2;
    }
    return 0;
}
