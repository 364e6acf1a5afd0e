// show: what one form has to set and to read.
#include <CLI/CLI.hpp>
#include <memory>

#include "cli/Catalogue.h"
#include "cli/Command.h"
#include "cli/FormRequest.h"

namespace cli {

namespace {

struct ShowOptions {
    std::string form;
    bool json = false;
};

}  // namespace

Command AddShowCommand(CLI::App& program) {
    auto options = std::make_shared<ShowOptions>();
    CLI::App* show = program.add_subcommand("show", "A form's fields, modes, check boxes and list boxes");
    show->add_option("FORM", options->form, "Form alias or class name")->required();
    show->add_flag("--json", options->json, "Print JSON");
    return {show, [options] {
                const engine::FormModel& form = FindFormOrFail(options->form);
                Print(options->json ? FormJson(form).dump(2) + "\n" : FormText(form));
                return 0;
            }};
}

}  // namespace cli
