#include "engine/spice/CopyValues.h"

#include "engine/Text.h"

namespace engine {
std::string CopyValuesText(const FormModel& form, const std::vector<std::string>& texts) {
    std::string out = std::string(form.caption) + "\n";
    for (size_t i = 0; i < form.fields.size(); ++i) {
        std::string text = i < texts.size() ? texts[i] : std::string();
        // The notation pads a value without prefix ("2.14  "); a line needs no trailing blanks.
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        out += std::string(form.fields[i].label) + " " + Latin1ToUtf8(text) + "\n";
    }
    return out;
}

}  // namespace engine
