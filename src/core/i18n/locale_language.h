#pragma once
// The UI language a new user gets: the one of the desktop's locale, when the program has it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace oryn7px {

// Looks up an environment variable; nullopt when it is unset.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The locale that decides the language of messages: the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty; empty when none is.
std::string MessagesLocale(const EnvironmentLookup& environment);

// The language number (1..12) of a locale name such as "de_DE.UTF-8"; English for a locale of
// a language the program has no file for, and for "C", "POSIX" and the empty name.
int LanguageForLocale(std::string_view locale);

}  // namespace oryn7px
