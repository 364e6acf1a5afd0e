// list: every form with its place in the menu.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/Catalogue.h"
#include "cli/Command.h"

namespace cli {

Command AddListCommand(CLI::App& program) {
    auto json = std::make_shared<bool>(false);
    CLI::App* list =
        program.add_subcommand("list", "Every form: alias, class name, caption, menu and command");
    list->add_flag("--json", *json, "Print JSON");
    return {list, [json] {
                Print(*json ? FormListJson().dump(2) + "\n" : FormListText());
                return 0;
            }};
}

}  // namespace cli
