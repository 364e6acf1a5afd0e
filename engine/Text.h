#pragma once
// Field texts are Latin-1 bytes, as the dialogs keep them; the command line
// reads and writes UTF-8.

#include <string>
#include <string_view>

namespace engine {

std::string Latin1ToUtf8(std::string_view latin1);
// As a widget hands typed text to a form: a character outside Latin-1, or a
// byte that is not UTF-8, becomes '?'.
std::string Utf8ToLatin1(std::string_view utf8);

}  // namespace engine
