#pragma once
// Which desktop the session belongs to, as far as the program's backends care.
#include "core/i18n/locale_language.h"

namespace oryn7px {

enum class Desktop { kGnome, kKde, kOther };

// The first GNOME or KDE entry of XDG_CURRENT_DESKTOP (colon-separated, any case), e.g.
// "ubuntu:GNOME" is GNOME; kOther when it names neither.
Desktop CurrentDesktop(const EnvironmentLookup& environment);

}  // namespace oryn7px
