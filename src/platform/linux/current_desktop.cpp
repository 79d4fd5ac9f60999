#include "platform/linux/current_desktop.h"

#include <strings.h>

#include <string>
#include <string_view>

namespace oryn7px {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

Desktop CurrentDesktop(const EnvironmentLookup& environment) {
    const std::string names = environment("XDG_CURRENT_DESKTOP").value_or("");
    std::string_view rest = names;
    while (!rest.empty()) {
        const size_t colon = rest.find(':');
        const std::string_view name = rest.substr(0, colon);
        if (EqualsIgnoringCase(name, "GNOME")) return Desktop::kGnome;
        if (EqualsIgnoringCase(name, "KDE")) return Desktop::kKde;
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    return Desktop::kOther;
}

}  // namespace oryn7px
