#pragma once
// Whether an output carries a number that is not one: "nan" or "inf" as a
// word of a text, a NaN or an infinity anywhere in a JSON tree (which the
// JSON writer would otherwise turn silently into null).

#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

namespace nonfinite {

inline bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The first "nan" or "inf" (any case) that is a word of its own, npos for none.
inline size_t NonFiniteWord(std::string_view text) {
    for (size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        const char b = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 2])));
        const bool word = (a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f');
        if (word && (i == 0 || !IsLetter(text[i - 1])) && (i + 3 == text.size() || !IsLetter(text[i + 3])))
            return i;
    }
    return std::string_view::npos;
}

// Where the tree holds a number that is none, or a string with such a word:
// "outputs/0/min"; empty when nowhere.
template <typename Json>
std::string NonFinitePath(const Json& json) {
    if (json.is_number_float())
        return std::isfinite(json.template get<double>()) ? "" : "/";
    if (json.is_string())
        return NonFiniteWord(json.template get_ref<const std::string&>()) == std::string_view::npos ? ""
                                                                                                    : "/";
    if (json.is_object()) {
        for (const auto& [key, item] : json.items()) {
            if (std::string at = NonFinitePath(item); !at.empty())
                return "/" + key + (at == "/" ? "" : at);
        }
    }
    if (json.is_array()) {
        for (size_t i = 0; i < json.size(); ++i) {
            if (std::string at = NonFinitePath(json[i]); !at.empty())
                return "/" + std::to_string(i) + (at == "/" ? "" : at);
        }
    }
    return "";
}

}  // namespace nonfinite
