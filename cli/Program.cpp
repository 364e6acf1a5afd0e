#include "cli/Program.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <vector>

#include "cli/CalcOptions.h"
#include "cli/Command.h"
#include "cli/Design.h"
#include "cli/FormRequest.h"

namespace cli {

namespace {

// In the order --help lists them.
constexpr AddCommand kCommands[] = {
    AddListCommand,   AddShowCommand,  AddCalcCommand, AddBatchCommand, AddPartsCommand,
    AddSeriesCommand, AddSpiceCommand, AddCopyCommand, AddPlotCommand,
};

}  // namespace

int RunProgram(int argc, char** argv) {
    CLI::App app{"Voltaris electronics calculator, from the command line"};
    app.name("voltaris-cli");
    app.set_version_flag("--version", "voltaris-cli " VOLTARIS_VERSION);
    app.footer(kNotationHelp);
    app.require_subcommand(1);
    std::vector<Command> commands;
    for (const AddCommand add : kCommands)
        commands.push_back(add(app));
    AddDesignCommand(app);  // runs as it is parsed

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "voltaris-cli: %s\nRun voltaris-cli --help for usage.\n", error.what());
        return 2;
    }
    try {
        for (const Command& command : commands) {
            if (command.app->parsed())
                return command.run();
        }
    } catch (const UsageError& error) {
        std::fprintf(stderr, "voltaris-cli: %s\n", error.what());
        return 2;
    }
    return 0;
}

}  // namespace cli
