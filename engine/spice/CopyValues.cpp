#include "engine/spice/CopyValues.h"

namespace engine {
namespace {

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

}  // namespace

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
