#include "cli/Assignments.h"

#include <strings.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "cli/FormRequest.h"

namespace cli {

Assignment SplitAssignment(const std::string& argument, std::string_view syntax) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0)
        throw UsageError("expected " + std::string(syntax) + ", not \"" + argument + "\"");
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

std::optional<double> ReadWholeNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

NamedItems PartItems(const engine::parts::PartsReport& report) {
    NamedItems items{"part", {}, {}};
    for (const engine::parts::PartLine& part : report.parts) {
        items.names.push_back(part.name);
        items.fields.push_back(part.field);
    }
    return items;
}

NamedItems OutputItems(const engine::parts::PartsReport& report) {
    NamedItems items{"output", {}, {}};
    for (const engine::parts::OutputLine& output : report.outputs) {
        items.names.push_back(output.name);
        items.fields.push_back(output.field);
    }
    return items;
}

namespace {

std::string ItemList(const NamedItems& items) {
    if (items.names.empty())
        return "it has none";
    std::string list = "its " + items.kind + "s: ";
    for (size_t i = 0; i < items.names.size(); ++i)
        list += (i == 0 ? "" : ", ") + items.names[i];
    return list;
}

}  // namespace

const std::string& ItemOrFail(const engine::FormModel& form, const NamedItems& items, const std::string& name,
                              std::string_view option) {
    const int field = FindFieldIndex(form, name);
    for (size_t i = 0; i < items.names.size() && field >= 0; ++i) {
        if (items.fields[i] == field)
            return items.names[i];
    }
    // Items no field shows go by their own names.
    for (const std::string& item : items.names) {
        if (item == name)
            return item;
    }
    for (const std::string& item : items.names) {
        if (strcasecmp(name.c_str(), item.c_str()) == 0)
            return item;
    }
    const std::string what =
        field >= 0 ? "field " + std::string(form.fields[static_cast<size_t>(field)].name) + " of " +
                         form.className + " is no " + items.kind
                   : std::string(form.className) + " has no " + items.kind + " \"" + name + "\"";
    throw UsageError(std::string(option) + ": " + what + " (" + ItemList(items) + ")");
}

std::map<std::string, double> ReadPercentOptions(const engine::FormModel& form, const NamedItems& items,
                                                 const std::vector<std::string>& arguments,
                                                 std::string_view option, PercentRange range) {
    std::map<std::string, double> percents;
    std::string kind = items.kind;
    for (char& c : kind)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string syntax = std::string(option) + " " + kind + "=PCT";
    for (const std::string& argument : arguments) {
        const Assignment assignment = SplitAssignment(argument, syntax);
        const std::string& item = ItemOrFail(form, items, assignment.name, option);
        const std::optional<double> percent = ReadWholeNumber(assignment.value);
        if (!percent || *percent < range.low || *percent >= range.high) {
            char bounds[64];
            if (std::isfinite(range.high))
                std::snprintf(bounds, sizeof bounds, "from %g up to %g", range.low, range.high);
            else
                std::snprintf(bounds, sizeof bounds, "of %g or more", range.low);
            throw UsageError(std::string(option) + " takes " + kind + "=PCT, the percentage a number " +
                             bounds + ", not \"" + argument + "\"");
        }
        percents[item] = *percent;
    }
    return percents;
}

}  // namespace cli
