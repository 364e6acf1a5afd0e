#include "cli/Batch.h"

#include <istream>
#include <ostream>
#include <string>

#include "cli/Calculation.h"

namespace cli {

namespace {

// The line's values must have the types the request names; anything else is
// a line that cannot be read.
struct LineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

const Json* Member(const Json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

void ReadTexts(const Json& texts, const char* key, FormRequest& request) {
    if (!texts.is_object())
        throw LineError(std::string("\"") + key + "\" must be an object of texts");
    for (const auto& [field, text] : texts.items()) {
        if (!text.is_string())
            throw LineError("the text of field \"" + field + "\" must be a string");
        request.texts.push_back({field, text.get<std::string>()});
    }
}

void ReadChoices(const Json& line, FormRequest& request) {
    if (const Json* modes = Member(line, "modes")) {
        if (!modes->is_array())
            throw LineError("\"modes\" must be an array of mode indices");
        for (size_t group = 0; group < modes->size(); ++group) {
            const Json& index = (*modes)[group];
            if (!index.is_number_integer())
                throw LineError("\"modes\" must be an array of mode indices");
            request.modes.push_back({static_cast<int>(group), index.get<int>()});
        }
    }
    if (const Json* checks = Member(line, "checks")) {
        if (!checks->is_object())
            throw LineError("\"checks\" must be an object of 0 or 1");
        for (const auto& [check, state] : checks->items()) {
            if (!state.is_number_integer() || state.get<int>() < 0 || state.get<int>() > 1)
                throw LineError("check box \"" + check + "\" takes 0 or 1");
            request.checks.push_back({check, state.get<int>()});
        }
    }
    if (const Json* selections = Member(line, "list_sel")) {
        if (!selections->is_object())
            throw LineError("\"list_sel\" must be an object of texts");
        for (const auto& [list, text] : selections->items()) {
            if (!text.is_string())
                throw LineError("the selection of list \"" + list + "\" must be a string");
            request.listSelections[list] = text.get<std::string>();
        }
    }
}

Json Answer(const std::string& text) {
    const Json line = Json::parse(text);
    if (!line.is_object())
        throw LineError("a line must be a JSON object");
    const Json* name = Member(line, "form");
    if (name == nullptr || !name->is_string())
        throw LineError("\"form\" must name a form");
    const engine::FormModel& form = FindFormOrFail(name->get<std::string>());
    const Json* steps = Member(line, "steps");
    if (steps == nullptr) {
        FormRequest request;
        if (const Json* texts = Member(line, "in"))
            ReadTexts(*texts, "in", request);
        ReadChoices(line, request);
        const Calculation calculation = Calculate(form, request);
        return ResultJson(form, calculation.result, calculation.listSelections);
    }
    if (!steps->is_array())
        throw LineError("\"steps\" must be an array");
    std::vector<FormRequest> requests;
    for (const Json& step : *steps) {
        if (!step.is_object())
            throw LineError("a step must be an object");
        FormRequest request;
        if (const Json* texts = Member(step, "set"))
            ReadTexts(*texts, "set", request);
        ReadChoices(step, request);
        requests.push_back(std::move(request));
    }
    Json results = Json::array();
    for (const Calculation& calculation : CalculateSession(form, requests))
        results.push_back(ResultJson(form, calculation.result, calculation.listSelections));
    return Json{{"steps", std::move(results)}};
}

}  // namespace

int RunBatch(std::istream& in, std::ostream& out) {
    int errors = 0;
    std::string text;
    while (std::getline(in, text)) {
        // JSON Lines readers pass over blank lines; so does the batch.
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        try {
            // Every text of an answer is UTF-8 made from Latin-1: written as it is.
            out << Answer(text) << '\n';
        } catch (const std::exception& error) {
            // Parse errors, type errors and unknown names alike; the message
            // may quote bytes of the line that are not UTF-8.
            out << Json{{"error", error.what()}}.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
            ++errors;
        }
    }
    out.flush();
    return errors;
}

}  // namespace cli
