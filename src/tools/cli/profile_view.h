#pragma once
// How `show` prints a profile: JSON keyed by the record's field names, or readable text.
#include <iosfwd>

#include <nlohmann/json.hpp>

#include "core/settings/settings_state.h"

namespace oryn7px::cli {

// `profileNumber` is 1..5. LightColor entries are objects {"red", "green", "blue"}.
nlohmann::ordered_json ProfileJson(const SettingsState& state, int profileNumber);

void PrintProfile(std::ostream& out, const SettingsState& state, int profileNumber);

// The lighting part of the text: effect (by number and name), its parameters, colours, touch.
void PrintLighting(std::ostream& out, const ProfileData& profile);

}  // namespace oryn7px::cli
